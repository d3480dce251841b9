#include "circuit/models/BandPassModel.h"

#include <cmath>

namespace vorna {

BandPassShape::BandPassShape(const Section& designed)
    : w0(std::sqrt(designed.den0)),
      q(w0 / designed.den1),
      h(designed.num1 / designed.den1),
      p0(designed.den1) {}

MultipleFeedbackBandPass::MultipleFeedbackBandPass(const BandPassShape& shape)
    : shape(shape), d(shape.q / (shape.h * shape.w0)) {}

bool MultipleFeedbackBandPass::Realisable() const {
    return shape.q > std::sqrt(shape.h / 2);
}

MultipleFeedbackBandPass::Values MultipleFeedbackBandPass::FromR1(double r1) const {
    const double h = shape.h;
    return {r1, d / r1, h * r1 / (2 * shape.q * shape.q - h), 2 * h * r1};
}

Section RealiseMultipleFeedbackBandPass(double r1, double r2, double r3, double c,
                                        Section designed) {
    designed.den1 = 2 / (c * r3);
    designed.den0 = (r1 + r2) / (r1 * r2 * r3 * c * c);
    designed.num1 = (r3 / (2 * r1)) * designed.den1;
    return designed;
}

DualAmplifierBandPass::Values DualAmplifierBandPass::FromR1(double r1) const {
    return {r1, 2 / (r1 * shape.p0), r1 / (2 * shape.q)};
}

Section RealiseDualAmplifierBandPass(double r1, double r2, double c, double r3, double r4,
                                     Section designed) {
    designed.den1 = 2 / (c * r1);
    designed.den0 = 1 / ((c * r2) * (c * r2));
    designed.num1 = ((r3 + r4) / r4) * designed.den1;
    return designed;
}

double GainStageR3(double r3) {
    return IsGainStageShort(r3) ? 0.01 : r3;
}

}  // namespace vorna
