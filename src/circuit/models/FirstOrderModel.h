#pragma once
// The first-order section and the other RC pairs with a time constant 1/omega (the
// integrators of the state-variable notch): R = 1/(C omega).

#include "design/DesignResults.h"

namespace vorna {

// Starting capacitor of a first-order section at f Hz: 10 pF from 100 kHz up, ten times
// more for every decade below, 10 mF below 1 mHz.
double FirstOrderStartCapacitor(double hz);

// The partner of `value` in an RC pair of time constant 1/omega: R for C, C for R.
inline double TimeConstantPartner(double value, double omega) {
    return 1 / (value * omega);
}

// The first-order section of the low-pass form (p2 = p0 = 1/(C R)) or the high-pass form
// (p0 = 1/(C R), p1 = 1); the other coefficient stays as designed.
FirstOrderSection RealiseFirstOrder(bool lowPass, double r, double c, FirstOrderSection designed);

}  // namespace vorna
