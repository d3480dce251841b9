#include "analysis/AnalysisDesigns.h"

#include "analysis/Response.h"
#include "design/conversion/DigitalConversion.h"

namespace vorna::testing {

std::vector<CascadeCase> CascadeCases(const std::vector<int>& orders, bool digital, double xs) {
    std::vector<CascadeCase> cases;
    for (int kind = kLowPass; kind <= kBandEliminate; ++kind) {
        for (int approximation = kButterworth; approximation <= kElliptic; ++approximation) {
            for (int order : orders) {
                const DesignCase design{kind, approximation, order, 0.5, xs};
                CascadeCase c{Describe(design), MakeDesign(design), {}};
                c.cascade = analysis::CascadeOf(c.design.results, kind, 0);
                cases.push_back(c);
                if (!digital) continue;
                DesignResults& r = c.design.results;
                if (c.cascade.first) BilinearFirstOrder(r, kTestSamplingPeriod);
                for (int i = 0; i <= r.sectionLast; ++i)
                    BilinearSecondOrder(r, i, kTestSamplingPeriod);
                r.convertedToDigital = true;
                c.name += " digital";
                c.cascade = analysis::CascadeOf(r, kind, kTestSamplingPeriod);
                cases.push_back(c);
            }
        }
    }
    return cases;
}

std::vector<double> GraphOmegas(const CascadeCase& c, int points) {
    const double high =
        c.cascade.IsDigital() ? 0.5 / kTestSamplingPeriod : c.design.results.graphFreqMax;
    return analysis::LogSpaced(kTwoPi * c.design.results.graphFreqMin, kTwoPi * high, points);
}

}  // namespace vorna::testing
