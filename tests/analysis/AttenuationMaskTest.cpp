#include <gtest/gtest.h>

#include "analysis/AnalysisDesigns.h"
#include "analysis/AttenuationMask.h"
#include "app/DocumentMask.h"

namespace vorna::testing {
namespace {

TEST(AttenuationMask, EveryDesignKeepsToItsOwnMask) {
    for (const CascadeCase& c : CascadeCases({3, 8}, false)) {
        SCOPED_TRACE(c.name);
        const auto mask = analysis::AttenuationMask(MaskEdgesOf(c.design.doc));
        ASSERT_EQ(mask.size(),
                  c.design.doc.kind == kLowPass || c.design.doc.kind == kHighPass ? 2u : 3u);
        // The edges meet their limits exactly, up to rounding; an even-order Chebyshev design
        // has unity gain at DC and its ripple above 0 dB, so it ends attp short of the
        // stop-band attenuation computed for the prototype.
        const bool raised = c.design.doc.approximation == kChebyshev && c.design.doc.order % 2 == 0;
        EXPECT_GT(analysis::MaskMarginDb(c.cascade, mask),
                  raised ? -c.design.doc.attp - 1e-6 : -1e-6);
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
