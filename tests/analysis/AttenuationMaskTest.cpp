#include <gtest/gtest.h>

#include "analysis/AnalysisDesigns.h"
#include "analysis/AttenuationMask.h"
#include "analysis/PassbandGains.h"
#include "app/DocumentMask.h"

namespace vorna::testing {
namespace {

TEST(AttenuationMask, EveryDesignKeepsToItsOwnMask) {
    for (const CascadeCase& c : CascadeCases({3, 8}, false)) {
        SCOPED_TRACE(c.name);
        const auto mask = analysis::AttenuationMask(MaskEdgesOf(c.design.doc));
        ASSERT_EQ(mask.size(),
                  c.design.doc.kind == kLowPass || c.design.doc.kind == kHighPass ? 2u : 3u);
        // The edges meet their limits exactly, up to rounding, also where an even-order
        // Chebyshev design puts its ripple above unity gain.
        EXPECT_GT(analysis::MaskMarginDb(c.cascade, mask), -1e-6);
    }
}

TEST(AttenuationMask, PassbandSpanHoldsTheRippleAndTheMasksFloor) {
    for (const CascadeCase& c : CascadeCases({5, 6}, false)) {
        SCOPED_TRACE(c.name);
        const analysis::MaskEdges edges = MaskEdgesOf(c.design.doc);
        const double highest = 1e9;
        const analysis::GainSpan span = analysis::PassbandGainSpan(c.cascade, edges, 1, highest);
        // The ripple lies attp above unity gain in an even-order Chebyshev design, below it
        // in every other.
        const bool raised =
            c.design.doc.approximation == kChebyshev && c.design.doc.figures.order % 2 == 0;
        const double attp = c.design.doc.attp;
        EXPECT_NEAR(span.lowDb, raised ? 0 : -attp, 1e-9);
        EXPECT_NEAR(span.highDb, raised ? attp : 0, 1e-9);
        // Curves that leave the mask widen the span to their extremes.
        analysis::MaskEdges tighter = edges;
        tighter.attp = attp / 2;
        EXPECT_NEAR(analysis::PassbandGainSpan(c.cascade, tighter, 1, highest).lowDb,
                    raised ? 0 : -attp, 1e-3);
    }
}

TEST(AttenuationMask, AGainOutsideTheMaskGivesANegativeMargin) {
    CascadeCase c = CascadeCases({8}, false).front();  // Butterworth low-pass, 3 dB at Fc
    auto edges = MaskEdgesOf(c.design.doc);
    edges.attp = 1;  // tighter than the design
    EXPECT_NEAR(analysis::MaskMarginDb(c.cascade, analysis::AttenuationMask(edges)), 1 - 3.0103,
                1e-3);
    EXPECT_TRUE(analysis::AttenuationMask({}).empty());
}

}  // namespace
}  // namespace vorna::testing
