#pragma once
// A synthesis run on a hand-made design: the test sets the view's sections from known
// formulas, scripts the user and reads the journal and the settled element values back.

#include <cmath>
#include <string>

#include "app/DesignDocument.h"
#include "output/CircuitOutput.h"
#include "support/ScriptedUi.h"
#include "view/DesignView.h"

namespace vorna::testing {

enum CircuitIndex : int { LP1, LP2, LP3, LP4, HP1, HP2, HP3, HP4, BP1, BP2, BP3, BP4, BE1, BE2 };

// Denominator s^2 + w0/q s + w0^2 with the given numerator.
Section MakeSection(double w0, double q, double s2, double s1, double s0);

struct SynthesisRun {
    SynthesisRun();
    ~SynthesisRun();

    DesignDocument doc;
    DesignView view{doc};
    CircuitOutput out;
    ScriptedUi ui;
    std::string journalPath;

    // A Butterworth low-pass (kind 101) or high-pass (102) of `order` at `fc` Hz.
    void Butterworth(int kind, int order, double fc);
    // A band design (kind 103 or 104) made of the given second-order sections.
    void BandSections(int kind, std::initializer_list<Section> sections, int oddOrder = 0);

    void Run(int circuit);
    // The journal's bytes, and the expected bytes of UTF-8 lines in Shift-JIS.
    std::string JournalBytes() const;
    static std::string ShiftJis(const std::string& utf8);
    // The value last settled for an element name; NaN when none was.
    double Value(const std::string& name) const;
};

inline double Omega(double hz) {
    return 2 * 3.141592653589793 * hz;
}

}  // namespace vorna::testing
