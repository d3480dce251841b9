#pragma once
// The elliptic core: the prototype of an elliptic filter of a given order, ripple (epsP2,
// attp) and stop-band ratio (xs), normalised to the pass-band edge at 1 rad/s. Its
// zeros come from the elliptic sine, its poles from the factorisation of the characteristic
// polynomial, and its gain constant G0 (shared by all sections) makes the attenuation at the
// pass-band edge equal to attp.

#include <optional>

#include "design/EllipticFunctions.h"
#include "design/LowPassPrototype.h"

namespace vorna {

struct EllipticRequest {
    int order = 0;
    double epsP2 = 0;
    double attp = 0;
    double xs = 0;
};

struct EllipticPrototypeResult {
    LowPassPrototype prototype;
    // True when the poles are those of the polynomial factorisation; false when the
    // factorisation failed its check and the poles were computed from the Jacobi elliptic
    // functions of the same modulus, ripple and order instead.
    bool polesFromFactorisation = false;
    // The modulus of xs and what the order reaches there; empty, like the prototype, when the
    // order, ripple or xs cannot make an elliptic filter.
    std::optional<EllipticModulus> modulus;
    EllipticStopband reached;
};

EllipticPrototypeResult EllipticPrototype(const EllipticRequest& request);

}  // namespace vorna
