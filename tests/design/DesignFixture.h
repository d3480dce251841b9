#pragma once
// Designs by order through the design API, as the by-order design procedures make them, and the
// response of the resulting sections.

#include <string>

#include "app/DesignDocument.h"
#include "design/DesignResults.h"

namespace vorna::testing {

struct DesignCase {
    int kind = kLowPass;
    int approximation = kButterworth;
    int order = 2;
    double attp = 0.5;
    // LP/HP: Xs from Fc; BP/BE: Xs as entered (the band ratio follows from it).
    double xs = 1.5;
    double fp = 1000;   // LP/HP cut-off Fc
    double fp1 = 1000;  // BP/BE band edges
    double fp2 = 3000;
    BesselNorm besselNorm = BesselNorm::Magnitude;
};

// The approximation's name as the scipy comparisons take it.
const char* ApproximationLabel(int approximation);
std::string Describe(const DesignCase& design);

// The document after the by-order procedure of the case's kind and approximation.
DesignDocument MakeDocument(const DesignCase& design);

struct Design {
    DesignDocument doc;
    DesignResults results;
};
Design MakeDesign(const DesignCase& design);

// Gain of the realised transfer function at f Hz, in dB (sum of the sections' gains).
double GainDb(const DesignDocument& doc, const DesignResults& results, double hz);
inline double GainDb(const Design& design, double hz) {
    return GainDb(design.doc, design.results, hz);
}

}  // namespace vorna::testing
