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

double SectionGainAtFcDb(const Section& s) {
    const double omega0 = std::sqrt(s[1]);
    const double numerator =
        std::sqrt((s[4] - s[2] * s[1]) * (s[4] - s[2] * s[1]) + (s[3] * omega0) * (s[3] * omega0));
    return 20 * std::log10(numerator / (s[0] * omega0));
}

double SectionGainDb(const Section& s, double omega) {
    const double omega2 = omega * omega;
    const double numerator =
        (s[4] - s[2] * omega2) * (s[4] - s[2] * omega2) + (s[3] * omega) * (s[3] * omega);
    const double denominator = (s[1] - omega2) * (s[1] - omega2) + (s[0] * omega) * (s[0] * omega);
    double magnitude = std::sqrt(numerator / denominator);
    if (magnitude < 1e-7) magnitude = 1e-7;
    const double gain = 20 * std::log10(magnitude);
    return std::fabs(gain) < 0.0001 ? 0 : gain;
}

}  // namespace vorna
