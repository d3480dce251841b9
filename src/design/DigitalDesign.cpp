#include "design/DigitalDesign.h"

#include <cmath>

#include "design/Approximations.h"
#include "design/SectionPipeline.h"
#include "design/conversion/DigitalConversion.h"

namespace vorna {

double SamplingFrequencyLowerLimit(const DesignSpec& spec, const DesignFigures& figures) {
    switch (spec.kind) {
        case FilterKind::LowPass:
            return 2 * figures.fs;
        case FilterKind::HighPass:
            return 2 * spec.fp * spec.xs;
        case FilterKind::BandPass:
            return 2 * figures.fs2;
        case FilterKind::BandEliminate:
            return 2 * spec.xs * spec.fp2;
    }
    return 0;
}

DigitalOutcome ConvertResults(const DesignSpec& spec, const DesignFigures& figures,
                              const DesignResults& analog, double samplingFrequency) {
    const double limit = SamplingFrequencyLowerLimit(spec, figures);
    if (samplingFrequency < limit || samplingFrequency <= 0)
        return DigitalRefusal{DigitalRule::BelowLowerLimit, limit};
    DesignResults digital = analog;
    const double T = 1 / samplingFrequency;
    digital.convertedToDigital = true;
    if (!IsBand(spec.kind)) {
        digital.omegaC = Prewarp(digital.fc, T);
    } else {
        const double lowerEdge = Prewarp(spec.fp1, T);     // omega a
        const double upperEdge = Prewarp(spec.fp2, T);     // omega b
        const double lowerStop = Prewarp(figures.fs1, T);  // omega c
        digital.omegaC = std::sqrt(lowerEdge * upperEdge);
        const double upperStop = spec.kind == FilterKind::BandPass
                                     ? upperEdge * (lowerEdge / lowerStop)
                                     : upperEdge / (lowerStop / lowerEdge);  // omega d
        digital.bandwidth = ApproximationRowOf(spec.approximation).stopbandNormalised
                                ? upperStop - lowerStop
                                : upperEdge - lowerEdge;
    }
    digital.fc = digital.omegaC / kTwoPi;
    ComputeSections(SectionRequestOf(spec, figures, figures.order), digital);
    const FilterKind kind = spec.kind;
    if (HasFirstOrderTerm(digital, static_cast<int>(kind))) BilinearFirstOrder(digital, T);
    const int last = LastSectionIndex(digital);
    for (int i = 0; i <= last; ++i) BilinearSecondOrder(digital, i, T);
    if (!AllFinite(digital)) return DigitalRefusal{DigitalRule::NotComputable, limit};
    return digital;
}

DigitalOutcome DigitalDesign(const Design& design, double samplingFrequency) {
    return ConvertResults(design.spec, design.figures, design.results, samplingFrequency);
}

}  // namespace vorna
