#pragma once
// Gain and phase of a design's sections at an angular frequency omega (rad/s): the analog
// transfer function at s = j omega, or after a digital conversion the digital one at
// zm = exp(-j omega T). The first-order section takes part for odd low-pass and high-pass
// designs only; the second-order sections 0 .. sectionLast always. Each call evaluates the
// design once (analysis/Response.h); curves build the cascade once and use that instead.

#include "design/DesignResults.h"

namespace vorna {

double AnalogGainDb(const DesignResults& results, int kind, double omega);
// Radians in [-pi, pi].
double AnalogPhase(const DesignResults& results, int kind, double omega);
double DigitalGainDb(const DesignResults& results, int kind, double omega, double samplingPeriod);
double DigitalPhase(const DesignResults& results, int kind, double omega, double samplingPeriod);

}  // namespace vorna
