#pragma once
// The normalised low-pass prototype of an approximation: its pole pairs, with their
// transmission zeros where the approximation has them, and the real pole of an odd order.
// Frequencies are in units of the prototype's normalisation (1 = the cut-off, or for the
// inverse Chebyshev the stop-band edge). The frequency transformations turn it into the
// sections of the final filter.

#include <optional>
#include <vector>

#include "design/FilterKinds.h"

namespace vorna {

// One second-order section of the prototype:
//   all-pole:   r^2 / (s^2 + (r/q) s + r^2)
//   with zeros: hfGain (s^2 + zero^2) / (s^2 + (r/q) s + r^2)
struct PrototypePair {
    double r = 0;
    double q = 0;
    double zero = 0;
    double hfGain = 0;
};

struct LowPassPrototype {
    bool hasZeros = false;
    bool odd = false;
    // The real pole of an odd order: first-order section sigma / (s + sigma).
    double sigma = 0;
    std::vector<PrototypePair> pairs;
    // A gain constant shared by every section (the elliptic G0). It is what the results keep
    // as their sectionGain; without it they keep the gain of the last transformed pair.
    std::optional<double> sectionGain;

    // False for a prototype that could not be built from the design's values; the
    // transformations then leave the reset results as they are.
    bool IsUsable() const;
};

// The prototypes of the all-pole approximations and of the inverse Chebyshev one, empty
// (not usable) when the order or the epsilon cannot make a filter. The elliptic prototype
// is the elliptic core's.
LowPassPrototype ButterworthPrototype(int order);
LowPassPrototype ChebyshevPrototype(int order, double epsP2);
LowPassPrototype InverseChebyshevPrototype(int order, double epsS2);
// The all-pole prototypes of the Bessel approximation, normalised as `norm` says, and of the
// Legendre (optimum-L) approximation, -3.01 dB at 1 rad/s.
LowPassPrototype BesselPrototype(int order, BesselNorm norm);
LowPassPrototype LegendrePrototype(int order);
// Papoulis's optimum-L polynomial L_n at w^2, as the Legendre prototype evaluates it.
double OptimumLPolynomial(int order, double omegaSquared);

// asinh(x) as the Chebyshev prototypes compute it, log(x + sqrt(x^2 + 1)).
double InvSinh(double x);

}  // namespace vorna
