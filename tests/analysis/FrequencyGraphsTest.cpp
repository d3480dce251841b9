#include <gtest/gtest.h>

#include <limits>

#include "analysis/AnalysisDesigns.h"
#include "analysis/FrequencyGraphs.h"
#include "app/DocumentMask.h"

namespace vorna::testing {
namespace {

using analysis::FrequencyGraph;

// Every graph's curve covers its range at the one grid; a digital design's ends at half the
// sampling frequency; the pass-band graph holds every pass band and shows its gains.
TEST(FrequencyGraphs, RangesGridAndShownGainsOfEveryKind) {
    for (const CascadeCase& c : CascadeCases({5}, true)) {
        SCOPED_TRACE(c.name);
        const DesignResults& r = c.design.results;
        const analysis::GraphSource source{c.cascade, MaskEdgesOf(c.design.doc), r.graphFreqMin,
                                           r.graphFreqMax, r.graphAttMax};
        const double highest = c.cascade.IsDigital() ? 0.5 / kTestSamplingPeriod
                                                     : std::numeric_limits<double>::infinity();
        for (const FrequencyGraph graph : {FrequencyGraph::Magnitude, FrequencyGraph::Passband,
                                           FrequencyGraph::Phase, FrequencyGraph::GroupDelay}) {
            const auto data = analysis::FrequencyGraphOf(graph, source);
            ASSERT_EQ(data.frequencies.size(), analysis::kFrequencyGraphPoints);
            ASSERT_EQ(data.values.size(), data.frequencies.size());
            EXPECT_DOUBLE_EQ(data.frequencies.front(), data.hz.low);
            EXPECT_DOUBLE_EQ(data.frequencies.back(), data.hz.high);
            EXPECT_LE(data.hz.high, highest * (1 + 1e-12));
            EXPECT_EQ(data.shown.has_value(),
                      graph == FrequencyGraph::Magnitude || graph == FrequencyGraph::Passband);
        }
        const auto passband = analysis::FrequencyGraphOf(FrequencyGraph::Passband, source);
        for (const analysis::MaskBand& band : passband.mask) {
            if (band.kind != analysis::BandKind::Pass) continue;
            if (band.lowHz > 0) {
                EXPECT_LT(passband.hz.low, band.lowHz);
            }
            if (band.HasUpperEnd() && band.highHz < highest) {
                EXPECT_GT(passband.hz.high, band.highHz);
            }
        }
        // The floor of the mask and the reference, with room.
        EXPECT_LT(passband.shown->low, source.edges.referenceDb - source.edges.attp);
        EXPECT_GT(passband.shown->high, source.edges.referenceDb);
    }
}

}  // namespace
}  // namespace vorna::testing
