#include "analysis/TimeResponse.h"

namespace vorna::analysis {

std::optional<double> SettlingTime(const Cascade&) {
    return std::nullopt;
}

double DcGain(const Cascade&) {
    return 1;
}

std::optional<std::vector<TimeSample>> TimeResponse(const Cascade&, Excitation, double, int) {
    return std::nullopt;
}

}  // namespace vorna::analysis
