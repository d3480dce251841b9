#include "circuit/models/SecondOrderModel.h"

#include <cmath>

namespace vorna {

namespace {

double RatioFactor(SecondOrderForm form) {
    return form == SecondOrderForm::MultipleFeedback ? 9 : 4;
}

}  // namespace

SecondOrderModel::SecondOrderModel(const Section& designed, SecondOrderForm form)
    : form(form),
      w0(std::sqrt(designed.den0)),
      q(w0 / designed.den1),
      m(RatioFactor(form) * q * q) {}

SecondOrderModel::LowPass SecondOrderModel::LowPassFromC2(double c2) const {
    const double r = 1 / (c2 * w0 * std::sqrt(m));
    return {c2, m * c2, r, r};
}

double SecondOrderModel::LowPassC1FromR1(double r1) const {
    return std::sqrt(m) / (r1 * w0);
}

SecondOrderModel::HighPass SecondOrderModel::HighPassFromR1(double r1) const {
    return {r1, m * r1, 1 / (r1 * w0 * std::sqrt(m))};
}

double SecondOrderModel::HighPassR1FromC(double c) const {
    return 1 / (c * w0 * std::sqrt(m));
}

Section RealiseLowPass(SecondOrderForm form, double r1, double r2, double c1, double c2,
                       Section designed) {
    designed.den1 = form == SecondOrderForm::MultipleFeedback ? (2 * r2 + r1) / (r1 * r2 * c1)
                                                              : (r1 + r2) / (r1 * r2 * c1);
    designed.num0 = 1 / (r1 * r2 * c1 * c2);
    designed.den0 = designed.num0;
    return designed;
}

Section RealiseHighPass(SecondOrderForm form, double r1, double r2, double c1, double c2,
                        Section designed) {
    designed.den1 = form == SecondOrderForm::MultipleFeedback ? (2 * c1 + c2) / (c1 * c2 * r2)
                                                              : (c2 + c1) / (c1 * c2 * r2);
    designed.num2 = 1;
    designed.den0 = 1 / (r1 * r2 * c1 * c2);
    return designed;
}

}  // namespace vorna
