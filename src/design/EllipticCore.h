#pragma once
// The elliptic core: the prototype of an elliptic filter of the document's order, ripple
// (epsP2, attp) and stop-band ratio (xs), normalised to the pass-band edge at 1 rad/s. Its
// zeros come from the elliptic sine, its poles from the factorisation of the characteristic
// polynomial, and its gain constant G0 (shared by all sections) makes the attenuation at the
// pass-band edge equal to attp.

#include "design/LowPassPrototype.h"

namespace vorna {

class CKorvelDoc;

struct EllipticPrototypeResult {
    LowPassPrototype prototype;
    // True when the poles are those of the polynomial factorisation; false when the
    // factorisation failed its check and the poles were computed from the Jacobi elliptic
    // functions of the same modulus, ripple and order instead.
    bool polesFromFactorisation = false;
};

// Sets the document's attsAchieved (and its elliptic scalars) for its xs. Leaves the
// prototype empty (not usable) when the order, ripple or xs cannot make an elliptic filter.
EllipticPrototypeResult EllipticPrototype(CKorvelDoc& doc);

}  // namespace vorna
