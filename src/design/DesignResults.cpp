#include "design/DesignResults.h"

#include <cmath>

namespace vorna {

void DesignResults::ComputeGraphRanges(double attsAchieved, double low, double high) {
    graphFreqMin = std::pow(10, std::floor(std::log10(low / 1.5)));
    double whole = 0;
    double fraction = std::modf(std::log10(3 * high), &whole);
    if (fraction < 0) {
        whole -= 1;
        fraction += 1;
    }
    graphFreqMax = std::ceil(std::pow(10, fraction)) * std::pow(10, whole);
    graphAttMax = std::ceil(attsAchieved / 10) * 10 + 20;
}

}  // namespace vorna
