// The Chebyshev approximation: equiripple pass band with ripple attp, monotonic stop band.
// Its sections keep unity gain at DC (low-pass), at high frequencies (high-pass) or at the
// centre (band-pass), so an even order's pass band lies between 0 and +attp dB and an odd
// order's between -attp and 0 dB.

#include <cmath>

#include "design/DesignResults.h"
#include "design/LowPassPrototype.h"
#include "design/OrderLimits.h"

namespace vorna {

// Poles of the prototype whose ripple band ends at 1 rad/s.
LowPassPrototype ChebyshevPrototype(int order, double epsP2) {
    LowPassPrototype prototype;
    const int m = order;
    const double epsilon = std::sqrt(epsP2);
    if (m < kMinOrder || m > kMaxOrder || !(epsilon > 0)) return prototype;
    const double c = InvSinh(1 / epsilon) / m;
    const double sinhC = std::sinh(c);
    const double coshC = std::cosh(c);
    prototype.odd = m % 2 != 0;
    prototype.sigma = sinhC;
    for (int i = 0; i < m / 2; ++i) {
        const double phi = (2 * i + 1) * kPi / (2 * m);
        const double a = sinhC * std::sin(phi);
        const double w = coshC * std::cos(phi);
        const double r = std::sqrt(a * a + w * w);
        prototype.pairs.push_back({r, r / (2 * a)});
    }
    return prototype;
}

}  // namespace vorna
