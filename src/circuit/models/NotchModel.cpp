#include "circuit/models/NotchModel.h"

#include <algorithm>
#include <cmath>

namespace vorna {

bool HasNotchShape(const Section& s) {
    return s.den1 > 0 && s.den0 > 0 && s.num2 > 0 && s.num0 > 0 && std::isfinite(s.den1) &&
           std::isfinite(s.den0) && std::isfinite(s.num2) && std::isfinite(s.num0);
}

StateVariableNotch::StateVariableNotch(const Section& designed)
    : designed(designed), w0(std::sqrt(designed.den0)), q(w0 / designed.den1) {}

bool StateVariableNotch::Realisable() const {
    return HasNotchShape(designed) && q > 0.3333333333333333;
}

StateVariableNotch::Resistors StateVariableNotch::FromR4(double r4) const {
    const double pn1 = designed.den0, pn2 = designed.num2, pn4 = designed.num0;
    return {r4, r4 / (3 * q - 1), r4 * pn4 / (pn1 * pn2), r4 * pn4 / pn1};
}

Section RealiseStateVariableNotch(double rb, double cb, double r1, double r2, double r3, double r4,
                                  Section designed) {
    designed.den1 = 3 * r1 / ((r1 + r4) * cb * rb);
    designed.den0 = 1 / ((cb * rb) * (cb * rb));
    designed.num2 = r3 / r2;
    designed.num0 = (r3 / r4) * designed.den0;
    return designed;
}

IntegratorNotch::IntegratorNotch(const Section& designed)
    : designed(designed),
      w0(std::sqrt(designed.den0)),
      q(w0 / designed.den1),
      w02(designed.den0),
      wz2(designed.num0 / designed.num2),
      wz(std::sqrt(wz2)) {}

bool IntegratorNotch::Realisable() const {
    return HasNotchShape(designed) && q > 0.5;
}

IntegratorNotch::Integrators IntegratorNotch::FromCb(double cb) const {
    const double rb = 1 / (cb * wz);
    return {cb, rb, 2 * cb, rb / 2};
}

double IntegratorNotch::Bound() const {
    double x = 0;
    if (wz2 == w02) {
        x = 1 / (2 * q - 1);
    } else {
        const bool above = ZerosAbovePoles();
        const double spread = above ? wz2 - w02 : w02 - wz2;
        const double ratio = above ? wz2 / w02 - 1 : w02 / wz2 - 1;
        x = std::max((wz * w0 + spread * q) / ((wz2 + w02) * q - wz * w0), ratio);
    }
    return x * 1.1;
}

double IntegratorNotch::C2FromR2(double rb, double cb, double r2) const {
    return ((2 * rb / r2 + 1) * wz2 / w02 - 1) * cb / 2;
}

double IntegratorNotch::R2FromC2(double rb, double cb, double c2) const {
    return 2 * rb / ((2 * c2 / cb + 1) * w02 / wz2 - 1);
}

double IntegratorNotch::D1(double d2, double d3) const {
    return ((d3 + d2 + 4) - (d2 + 1) * (w0 / wz) / q) / 4;
}

Section RealiseIntegratorNotch(double rb, double cb, double r2, double c2, double r3, double r4,
                               double r5, double r6, Section designed) {
    const double e1 = r3 / r5 + 1;
    const double e2 = 2 * c2 / cb;
    const double e3 = 2 * rb / r2;
    const double d4 = 1 / (cb * rb);
    designed.den1 = ((e2 + e3 + 4) - 4 * e1) * d4 / (e2 + 1);
    designed.den0 = ((e3 + 1) / (e2 + 1)) * d4 * d4;
    designed.num2 = e1 * r4 / ((e2 + 1) * r6);
    designed.num0 = d4 * d4 * designed.num2;
    return designed;
}

}  // namespace vorna
