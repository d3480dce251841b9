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
    f.omega0 = std::sqrt(s[1]);
    f.fc = f.omega0 / kReportTwoPi;
    f.q = f.omega0 / s[0];
    double k = s[3] / s[0];
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
    const double omega0 = std::sqrt(s[1]);
    const double numerator =
        std::sqrt((s[4] - s[2] * s[1]) * (s[4] - s[2] * s[1]) + (s[3] * omega0) * (s[3] * omega0));
    return FlooredDb(numerator / (s[0] * omega0));
}

double SectionGainDb(const Section& s, double omega) {
    // Each term divided by Pn_1 = w0^2, so that the squares neither underflow nor overflow
    // for frequencies far from 1 rad/s.
    const double ratio2 = omega * omega / s[1];
    const double zeros = s[4] / s[1] - s[2] * ratio2;
    const double zerosDamping = s[3] * omega / s[1];
    const double poles = 1 - ratio2;
    const double polesDamping = s[0] * omega / s[1];
    const double magnitude = std::sqrt((zeros * zeros + zerosDamping * zerosDamping) /
                                       (poles * poles + polesDamping * polesDamping));
    const double gain = FlooredDb(magnitude);
    return std::fabs(gain) < 0.0001 ? 0 : gain;
}

}  // namespace vorna
