#pragma once
// Everything a design window needs to show the same design again: the choices and entries of
// the design dialogs, how the view presents the results, the digital conversion, the view
// font and the synthesis choices remembered for the window. The results themselves are not
// part of it: they follow from these settings.

#include <array>

#include "design/FilterKinds.h"
#include "platform/Canvas.h"

namespace vorna {

// A frequency entry: its value in Hz and the unit the dialogs show it in (index into the
// frequency unit table, 0 mHz .. 4 GHz).
struct FrequencyEntry {
    double hz = 0;
    int unit = 0;
    friend bool operator==(const FrequencyEntry&, const FrequencyEntry&) = default;
};

struct DesignSettings {
    // Filter selection (dialog 100): kind 101..104, approximation 111..114, 116, 117.
    int kind = 0;
    int approximation = 0;
    bool byOrder = false;
    int referenceMode = 0;
    // Parameter entries.
    FrequencyEntry fp;  // Fp, or Fc when designing from an order (LP/HP)
    FrequencyEntry fp1;
    FrequencyEntry fp2;
    double attp = 0;
    double atts = 0;
    double xs = 0;
    int order = 0;
    double rippleMemory = 0;  // the ripple the next Chebyshev-like dialog proposes
    BesselNorm besselNorm = BesselNorm::Magnitude;  // kept in the file for Bessel designs
    // Presentation: display mode 1 graph, 2 coefficient list; graph kind 301 response,
    // 302 pole-zero plot.
    int displayMode = 0;
    int graphKind = 0;
    int pointsPerDecade = 0;
    FontDescription font;
    // Digital conversion: whether the window shows the digital filter, and the sampling
    // frequency (Hz) the conversion uses or proposes.
    bool digital = false;
    double samplingFrequency = 0;
    // Synthesis: the basic circuit remembered per selection dialog, the E-series (1 E6 ..
    // 5 E96) and the last output choice (401..405).
    std::array<int, 7> circuits{};
    int eSeries = 0;
    int outputChoice = 0;

    friend bool operator==(const DesignSettings&, const DesignSettings&) = default;
};

}  // namespace vorna
