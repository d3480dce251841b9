#include "design/conversion/DigitalConversion.h"

#include <cmath>

#include "design/DesignResults.h"

namespace vorna {

double Prewarp(double f, double samplingPeriod) {
    return (2 / samplingPeriod) * std::tan(kPi * f * samplingPeriod);
}

void BilinearFirstOrder(DesignResults& r, double T) {
    const double d = r.p0 * T + 2;
    const double p0 = (r.p0 * T - 2) / d;
    const double p1 = (2 * r.p1 + r.p2 * T) / d;
    const double p2 = (r.p2 * T - 2 * r.p1) / d;
    r.p0 = p0;
    r.p1 = p1;
    r.p2 = p2;
}

void BilinearSecondOrder(DesignResults& r, int index, double T) {
    Section& p = r.sections.at(static_cast<std::size_t>(index));
    const double T2 = T * T;
    const double g = p.den0 * T2 + 2 * p.den1 * T + 4;
    p = Section{
        2 * (p.den0 * T2 - 4) / g,
        (p.den0 * T2 - 2 * p.den1 * T + 4) / g,
        (p.num0 * T2 + 2 * p.num1 * T + 4 * p.num2) / g,
        2 * (p.num0 * T2 - 4 * p.num2) / g,
        (p.num0 * T2 - 2 * p.num1 * T + 4 * p.num2) / g,
    };
}

}  // namespace vorna
