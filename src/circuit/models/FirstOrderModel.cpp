#include "circuit/models/FirstOrderModel.h"

#include <cmath>

namespace vorna {

double FirstOrderStartCapacitor(double hz) {
    if (hz >= 1e5) return 1e-11;
    if (hz < 0.001) return 1e-2;
    double c = 1e-10;
    for (int decade = 4; decade >= -2 && hz < std::pow(10.0, decade); --decade) c *= 10;
    return c;
}

FirstOrderSection RealiseFirstOrder(bool lowPass, double r, double c, FirstOrderSection designed) {
    const double p = 1 / (c * r);
    designed.p0 = p;
    if (lowPass)
        designed.p2 = p;
    else
        designed.p1 = 1;
    return designed;
}

}  // namespace vorna
