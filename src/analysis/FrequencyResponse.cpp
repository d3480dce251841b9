#include "analysis/FrequencyResponse.h"

#include "analysis/Response.h"

namespace vorna {

namespace {

analysis::GainPhase Evaluate(const DesignResults& results, int kind, analysis::Domain domain,
                             double omega, double samplingPeriod) {
    return analysis::GainPhaseAt(analysis::CascadeIn(results, kind, domain, samplingPeriod), omega);
}

}  // namespace

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
