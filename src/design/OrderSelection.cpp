#include "design/OrderSelection.h"

#include <cmath>

namespace vorna {

double AreaCosh(double x, DesignNotices& notices) {
    if (x < 1.0) {
        notices.push_back(DesignNotice::AcoshArgument);
        return 0;
    }
    return std::log(x + std::sqrt(x * x - 1.0));
}

double ButterworthOrder(double epsP2, double epsS2, double ratio) {
    return (std::log10(epsS2 / epsP2) / 2) / std::log10(ratio);
}

double ChebyshevOrder(double epsP2, double epsS2, double ratio, DesignNotices& notices) {
    const double stopband = AreaCosh(std::sqrt(epsS2 / epsP2), notices);
    return stopband / AreaCosh(ratio, notices);
}

double ButterworthAttenuation(double omegaS, double order) {
    return 10 * std::log10(std::pow(omegaS, 2 * order) + 1);
}

double ChebyshevAttenuation(double attp, double order, double omegaS, DesignNotices& notices) {
    const double stretch =
        std::sqrt(std::pow(10, attp / 10) - 1) * std::cosh(order * AreaCosh(omegaS, notices));
    return 10 * std::log10(stretch * stretch + 1);
}

}  // namespace vorna
