#include "design/OrderLimits.h"

#include <algorithm>
#include <cmath>

namespace vorna {

int OrderFromExact(double orderExact) {
    if (!std::isfinite(orderExact) || orderExact > kMaxOrder) return kMaxOrder + 1;
    return static_cast<int>(std::ceil(std::max(orderExact, -1.0)));
}

}  // namespace vorna
