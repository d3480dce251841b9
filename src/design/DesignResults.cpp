#include "design/DesignResults.h"

#include <algorithm>
#include <cmath>

#include "design/FilterKinds.h"

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

namespace {

bool Finite(double value) {
    return std::isfinite(value);
}

}  // namespace

bool AllFinite(std::initializer_list<double> values) {
    return std::ranges::all_of(values, Finite);
}

bool AllFinite(const DesignResults& results) {
    const auto& r = results;
    return AllFinite({r.fc, r.invTwoPi, r.bandwidth, r.omegaC, r.sectionGain, r.graphFreqMin,
                      r.graphFreqMax, r.graphAttMax, r.p0, r.p1, r.p2}) &&
           std::ranges::all_of(r.sections, [](const Section& section) {
               return std::ranges::all_of(InFileOrder(section), Finite);
           });
}

bool HasFirstOrderTerm(const DesignResults& results, int kind) {
    const std::optional<FilterKind> filterKind = FilterKindOf(kind);
    return results.resultOddOrder == 1 &&
           (filterKind == FilterKind::LowPass || filterKind == FilterKind::HighPass);
}

int LastSectionIndex(const DesignResults& results) {
    return std::min(results.sectionLast, static_cast<int>(results.sections.size()) - 1);
}

}  // namespace vorna
