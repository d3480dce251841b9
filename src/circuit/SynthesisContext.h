#pragma once
// What every section routine of a synthesis run works on: the output run (E-series state,
// journal, schematic values), the design document, the view whose sections it realises and
// the user.

#include <string>

#include "app/CKorvelDoc.h"
#include "output/CircuitOutput.h"
#include "platform/CLocale.h"
#include "view/CKorvelView.h"

namespace vorna {

class Ui;

struct SynthesisContext {
    CircuitOutput& out;
    CKorvelDoc& doc;
    CKorvelView& view;
    Ui& ui;
    // "「name-band-class」" of the last initial-value lookup, printed in journal lines.
    std::string rangeLabel;

    // Section number of second-order section i in journal lines and element names: after
    // the first-order section for low-pass and high-pass designs.
    int SectionNumber(int i) const {
        const bool lowOrHighPass = doc.kind == kLowPass || doc.kind == kHighPass;
        return i + 1 + (lowOrHighPass ? view.resultOddOrder : 0);
    }
    Section& SectionAt(int i) { return view.sections[static_cast<std::size_t>(i)]; }
    void Write(const std::string& line) { out.journal.WriteLine(line); }
    // Writes the failure line of section routine `routine` (such as "lpet1") for section i
    // and returns 1, the routines' failure result.
    int Unrealisable(const char* routine, int i) {
        Write(Format("%s で 変換不能, j = %d\n", routine, i));
        return 1;
    }
    // Hands an element value to the schematic when one is being produced.
    void SetValue(const char* nameFormat, int section, double value) {
        if (out.outputMode == 2) out.SetComponentValue(nameFormat, section, value);
    }
};

}  // namespace vorna
