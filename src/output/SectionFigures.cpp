#include "output/SectionFigures.h"

#include <cmath>

namespace vorna {

FirstOrderFigures FirstOrderSectionFigures(double p0, double p1, double p2) {
    const double magnitude =
        std::sqrt(p2 * p2 + (p1 * p0) * (p1 * p0)) / std::sqrt(p0 * p0 + p0 * p0);
    return {p0 / kReportTwoPi, 20 * std::log10(magnitude)};
}

double FirstOrderGainDb(double p0, double p1, double p2, double omega) {
    return 20 * std::log10(
                    std::sqrt((p2 * p2 + (p1 * omega) * (p1 * omega)) / (p0 * p0 + omega * omega)));
}

SectionFigures SecondOrderSectionFigures(const Section& s) {
    SectionFigures f;
    f.omega0 = std::sqrt(s.den0);
    f.fc = f.omega0 / kReportTwoPi;
    f.q = f.omega0 / s.den1;
    double k = s.num1 / s.den1;
    if (k == 0) k = 1;  // all-pole sections: the gain-bandwidth of the Q alone
    f.gainBandwidth = 100 * f.q * k * f.fc;
    return f;
}

namespace {

// The magnitude has a floor of 1e-7 (-140 dB), which also stands for the zero of a notch.
double FlooredDb(double magnitude) {
    return 20 * std::log10(std::fmax(magnitude, 1e-7));
}

}  // namespace

double SectionGainAtFcDb(const Section& s) {
    const double omega0 = std::sqrt(s.den0);
    const double numerator = std::sqrt((s.num0 - s.num2 * s.den0) * (s.num0 - s.num2 * s.den0) +
                                       (s.num1 * omega0) * (s.num1 * omega0));
    return FlooredDb(numerator / (s.den1 * omega0));
}

double SectionGainDb(const Section& s, double omega) {
    // Each term divided by Pn_1 = w0^2, so that the squares neither underflow nor overflow
    // for frequencies far from 1 rad/s.
    const double ratio2 = omega * omega / s.den0;
    const double zeros = s.num0 / s.den0 - s.num2 * ratio2;
    const double zerosDamping = s.num1 * omega / s.den0;
    const double poles = 1 - ratio2;
    const double polesDamping = s.den1 * omega / s.den0;
    const double magnitude = std::sqrt((zeros * zeros + zerosDamping * zerosDamping) /
                                       (poles * poles + polesDamping * polesDamping));
    const double gain = FlooredDb(magnitude);
    return std::fabs(gain) < 0.0001 ? 0 : gain;
}

}  // namespace vorna
