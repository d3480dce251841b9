#include "design/conversion/FrequencyResponse.h"

#include <algorithm>

#include "analysis/Response.h"
#include "design/DesignResults.h"
#include "design/FilterKinds.h"

namespace vorna {

namespace {

analysis::GainPhase Evaluate(const DesignResults& results, int kind, analysis::Domain domain,
                             double omega, double samplingPeriod) {
    return analysis::GainPhaseAt(analysis::CascadeIn(results, kind, domain, samplingPeriod), omega);
}

}  // namespace

bool HasFirstOrderTerm(const DesignResults& results, int kind) {
    const std::optional<FilterKind> filterKind = FilterKindOf(kind);
    return results.resultOddOrder == 1 &&
           (filterKind == FilterKind::LowPass || filterKind == FilterKind::HighPass);
}

int LastSectionIndex(const DesignResults& results) {
    return std::min(results.sectionLast, static_cast<int>(results.sections.size()) - 1);
}

double AnalogGainDb(const DesignResults& results, int kind, double omega) {
    return Evaluate(results, kind, analysis::Domain::Analog, omega, 0).gainDb;
}

double AnalogPhase(const DesignResults& results, int kind, double omega) {
    return Evaluate(results, kind, analysis::Domain::Analog, omega, 0).phase;
}

double DigitalGainDb(const DesignResults& results, int kind, double omega, double samplingPeriod) {
    return Evaluate(results, kind, analysis::Domain::Digital, omega, samplingPeriod).gainDb;
}

double DigitalPhase(const DesignResults& results, int kind, double omega, double samplingPeriod) {
    return Evaluate(results, kind, analysis::Domain::Digital, omega, samplingPeriod).phase;
}

}  // namespace vorna
