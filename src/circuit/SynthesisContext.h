#pragma once
// What every section routine of a synthesis run works on: the output run (E-series state,
// journal, schematic values), the design document, the view whose sections it realises, the
// user and who chooses among the candidates of a step.

#include <initializer_list>
#include <string>

#include "app/DesignDocument.h"
#include "circuit/models/SectionModel.h"
#include "output/CircuitOutput.h"
#include "platform/CLocale.h"
#include "text/Texts.h"
#include "view/DesignView.h"

namespace vorna {

class CandidateChooser;
class Ui;

struct SynthesisContext {
    CircuitOutput& out;
    DesignDocument& doc;
    DesignView& view;
    Ui& ui;
    CandidateChooser& chooser;
    // "「name-band-class」" of the last initial-value lookup, printed in journal lines.
    std::string rangeLabel;
    // The elements of the section being realised, as far as they are settled.
    SectionElements settled;

    // Section number of second-order section i in journal lines and element names: after
    // the first-order section for low-pass and high-pass designs.
    int SectionNumber(int i) const {
        const bool lowOrHighPass = doc.kind == kLowPass || doc.kind == kHighPass;
        return i + 1 + (lowOrHighPass ? view.resultOddOrder : 0);
    }
    Section& SectionAt(int i) { return view.sections[static_cast<std::size_t>(i)]; }
    void Write(const std::string& line) { out.journal.WriteLine(line); }
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
    // Settles element values of the section in this order, handing each to the schematic
    // when one is being produced.
    void Settle(std::initializer_list<CircuitElement> elements) {
        for (const CircuitElement& element : elements) {
            settled.elements.push_back(element);
            if (out.outputMode == OutputMode::SchematicAndJournal)
                out.SetComponentValue((element.name + "_%-d").c_str(), settled.number,
                                      element.value);
        }
    }
    // The section is realised: its elements join the run's circuit.
    void FinishSection() { out.realisedSections.push_back(settled); }
};

}  // namespace vorna
