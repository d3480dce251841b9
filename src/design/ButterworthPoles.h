#pragma once
// The pole pairs of a Butterworth filter of order m: evenly spaced on a circle, pair i at
// the angle theta = (2i + 1 + m) pi / (2m). The low-pass and high-pass sections put them on
// the circle of radius wc, the band prototype on the unit circle.

#include <cmath>

#include "design/DesignResults.h"

namespace vorna {

// Quality factor of pole pair i of order m: Q = -0.5 / cos(theta).
inline double ButterworthPairQ(int i, int m) {
    const double theta = (2 * i + 1 + m) * kPi / (2 * m);
    return -0.5 / std::cos(theta);
}

}  // namespace vorna
