#pragma once
// What every section routine of a synthesis run works on: the run (E-series state, journal,
// settled values), the design's entries, the results whose sections it realises, the user and
// who chooses among the candidates of a step.

#include <initializer_list>
#include <string>

#include "circuit/InitialValueTables.h"
#include "circuit/Synthesis.h"
#include "circuit/SynthesisRunState.h"
#include "circuit/models/SectionModel.h"
#include "design/DesignResults.h"
#include "design/FilterKinds.h"
#include "platform/CLocale.h"
#include "text/Texts.h"

namespace vorna {

class CandidateChooser;
class Ui;

struct SynthesisContext {
    SynthesisRunState& run;
    const SynthesisInput& design;
    DesignResults& results;
    Ui& ui;
    CandidateChooser& chooser;
    // The table, band and class of the last initial-value lookup, printed in journal lines.
    InitialValueRange range;
    // The elements of the section being realised, as far as they are settled.
    SectionElements settled;

    // Section number of second-order section i in journal lines and element names: after
    // the first-order section for low-pass and high-pass designs.
    int SectionNumber(int i) const {
        const bool lowOrHighPass =
            design.kind == FilterKind::LowPass || design.kind == FilterKind::HighPass;
        return i + 1 + (lowOrHighPass ? results.resultOddOrder : 0);
    }
    // The starting value of `table` for a section at `omega` (rad/s) with `q`; the journal
    // lines that follow name where it was found.
    double InitialValue(const InitialValueTable& table, double omega, double q) {
        const vorna::InitialValue found = InitialTableValue(table, omega, q);
        range = found.range;
        return found.value;
    }
    // The last lookup's table, band and class as the journal prints them.
    std::string RangeLabel() const {
        return Format(Text(TextId::JournalInitialValueRange), range.table, range.band,
                      range.qClass);
    }
    // The capacitor a step starts from: the user's (times `ratio` for a step that starts
    // from a capacitor `ratio` times the section's smallest), or else the tables'.
    double StartCapacitor(double tableValue, double ratio = 1) const {
        return design.startCapacitor > 0 ? ratio * design.startCapacitor : tableValue;
    }
    Section& SectionAt(int i) { return results.sections[static_cast<std::size_t>(i)]; }
    void Write(const std::string& line) { run.journal.WriteLine(line); }
    // Writes the failure line of section routine `routine` (such as "lpet1") for section i
    // and returns false, the routines' failure result.
    bool Unrealisable(const char* routine, int i) {
        Write(Format(Text(TextId::JournalSectionUnrealisable), routine, i));
        return false;
    }
    // Starts the elements of a section (index -1: the first-order section).
    void BeginSection(SectionCircuit circuit, int number, int index) {
        settled = {circuit, number, index, {}};
    }
    // Settles element values of the section in this order, handing each to the run.
    void Settle(std::initializer_list<CircuitElement> elements) {
        for (const CircuitElement& element : elements) {
            settled.elements.push_back(element);
            run.ElementSettled(element.name, settled.number, element.value);
        }
    }
    // The section is realised: its elements join the run's circuit.
    void FinishSection() { run.realisedSections.push_back(settled); }
};

}  // namespace vorna
