#include "analysis/Cascade.h"

#include <algorithm>
#include <cmath>

namespace vorna::analysis {

int Cascade::SectionCount() const {
    return static_cast<int>(sections.size()) + (first ? 1 : 0);
}

bool AllFinite(const Cascade& cascade) {
    auto finite = [](double v) { return std::isfinite(v); };
    if (!finite(cascade.samplingPeriod)) return false;
    if (cascade.first &&
        !(finite(cascade.first->p0) && finite(cascade.first->p1) && finite(cascade.first->p2)))
        return false;
    return std::all_of(cascade.sections.begin(), cascade.sections.end(), [&](const Section& s) {
        return std::ranges::all_of(InFileOrder(s), finite);
    });
}

Cascade CascadeIn(const DesignResults& results, int kind, Domain domain, double samplingPeriod) {
    Cascade cascade;
    cascade.domain = domain;
    if (domain == Domain::Digital) cascade.samplingPeriod = samplingPeriod;
    if (HasFirstOrderTerm(results, kind))
        cascade.first = FirstOrderSection{results.p0, results.p1, results.p2};
    const int last = LastSectionIndex(results);
    const int count = last < 0 ? 0 : last + 1;
    cascade.sections.assign(results.sections.begin(), results.sections.begin() + count);
    return cascade;
}

Cascade CascadeOf(const DesignResults& results, int kind, double samplingPeriod) {
    const Domain domain = results.convertedToDigital ? Domain::Digital : Domain::Analog;
    return CascadeIn(results, kind, domain, samplingPeriod);
}

}  // namespace vorna::analysis
