#include "verify/ToleranceRandom.h"

#include <cmath>

namespace vorna::verify {

double ToleranceRandom::Uniform() {
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

double ToleranceRandom::Normal() {
    if (hasSpare_) {
        hasSpare_ = false;
        return spare_;
    }
    // 1 - Uniform() lies in (0, 1], so the logarithm is finite.
    const double radius = std::sqrt(-2 * std::log(1 - Uniform()));
    const double angle = 6.283185307179586 * Uniform();
    spare_ = radius * std::sin(angle);
    hasSpare_ = true;
    return radius * std::cos(angle);
}

}  // namespace vorna::verify
