// The inverse Chebyshev approximation: monotonic pass band, equiripple stop band reaching
// attsAchieved from the stop-band edge on. The prototype is normalised at that edge (the
// design procedures set fc to it), and every section has unity gain at DC.

#include <cmath>

#include "design/DesignResults.h"
#include "design/LowPassPrototype.h"
#include "design/OrderLimits.h"

namespace vorna {

LowPassPrototype InverseChebyshevPrototype(int order, double epsS2) {
    LowPassPrototype prototype;
    prototype.hasZeros = true;
    const int m = order;
    const double epsilonS = std::sqrt(epsS2);
    if (m < kMinOrder || m > kMaxOrder || !(epsilonS > 0)) return prototype;
    const double c = InvSinh(epsilonS) / m;
    const double sinhC = std::sinh(c);
    const double coshC = std::cosh(c);
    prototype.odd = m % 2 != 0;
    prototype.sigma = 1 / sinhC;
    for (int i = 0; i < m / 2; ++i) {
        const double phi = (2 * i + 1) * kPi / (2 * m);
        const double sinPhi = std::sin(phi);
        const double cosPhi = std::cos(phi);
        const double a = sinhC * sinPhi / (sinhC * sinhC + 1 - sinPhi * sinPhi);
        const double w = coshC * cosPhi / (cosPhi * cosPhi + coshC * coshC - 1);
        const double r = std::sqrt(a * a + w * w);
        // Zero at 1/cos(phi); the s^2 coefficient (r cos(phi))^2 gives unity gain at DC.
        prototype.pairs.push_back({r, r / (2 * a), 1 / cosPhi, (r * cosPhi) * (r * cosPhi)});
    }
    return prototype;
}

}  // namespace vorna
