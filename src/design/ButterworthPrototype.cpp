// The Butterworth approximation: its prototype, normalised to the -3 dB frequency, has every
// pole evenly spaced on the unit circle, pair i at the angle theta = (2i + 1 + m) pi / (2m).

#include <cmath>

#include "design/DesignResults.h"
#include "design/LowPassPrototype.h"
#include "design/OrderLimits.h"

namespace vorna {

LowPassPrototype ButterworthPrototype(int order) {
    LowPassPrototype prototype;
    const int m = order;
    if (m < kMinOrder) return prototype;
    prototype.odd = m % 2 != 0;
    prototype.sigma = 1;
    for (int i = 0; i < m / 2; ++i) {
        const double theta = (2 * i + 1 + m) * kPi / (2 * m);
        prototype.pairs.push_back({1, -0.5 / std::cos(theta)});
    }
    return prototype;
}

}  // namespace vorna
