#pragma once
// The figures the text reports give for each section of a design: cut-off frequency, gain
// at the cut-off, Q and the gain-bandwidth product an op-amp needs. They are always those of
// the analog forms H0 and Hn, also for coefficients converted to a digital filter. The
// reports use 6.283184 for 2 pi and 3.141592 for pi.

#include "design/DesignResults.h"

namespace vorna {

inline constexpr double kReportTwoPi = 6.283184;
inline constexpr double kReportPi = 3.141592;

// First-order section (p0, p1, p2).
struct FirstOrderFigures {
    double fc = 0;        // Hz
    double gainAtFc = 0;  // dB
};
FirstOrderFigures FirstOrderSectionFigures(double p0, double p1, double p2);
// Gain of the first-order section at `omega` (rad/s) in dB.
double FirstOrderGainDb(double p0, double p1, double p2, double omega);

struct SectionFigures {
    double omega0 = 0;  // rad/s
    double fc = 0;      // Hz
    double q = 0;
    double gainBandwidth = 0;  // Hz
};
SectionFigures SecondOrderSectionFigures(const Section& section);
// Gain of the section at its cut-off as the coefficient report gives it, in dB, with the
// floor of SectionGainDb (a notch's zero at the cut-off).
double SectionGainAtFcDb(const Section& section);
// Gain of the section at `omega` as the gain list gives it, in dB: the magnitude has a floor
// of 1e-7 (-140 dB) and gains within 0.0001 dB of 0 are 0.
double SectionGainDb(const Section& section, double omega);

}  // namespace vorna
