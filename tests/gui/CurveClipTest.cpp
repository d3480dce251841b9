// Curves cut to the view of a graph, as the SVG export draws them.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/CurveClip.h"

namespace vorna {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(CurveClip, LinesEndOnTheViewsEdgesAndMarksOutsideAreLeftOut) {
    const ViewBox unit{0, 2, 0, 1};
    const ViewBox decade{100, 1000, -1, 1, AxisScale::Logarithmic};
    const struct {
        const char* what;
        Curve curve;
        ViewBox view;
        std::vector<double> x, y;  // NaN y: a gap
    } cases[] = {
        {"out at the top and back",
         {"", {0, 1, 2}, {0, 2, 0}},
         unit,
         {0, 0.5, 1, 1.5, 2},
         {0, 1, kNaN, 1, 0}},
        {"inside", {"", {0, 1, 2}, {0, 0.5, 0}}, unit, {0, 1, 2}, {0, 0.5, 0}},
        {"all outside", {"", {3, 4}, {0, 0}}, unit, {}, {}},
        {"cut in the log scale", {"", {10, 1000, 10000}, {0, 0, 0}}, decade, {100, 1000}, {0, 0}},
        {"a gap kept", {"", {0, 0.5, 1, 1.5}, {0, 0, kNaN, 1}}, unit, {0, 0.5}, {0, 0}},
        {"marks", {"", {0, 5, 1}, {0, 5, 1}, CurveStyle::PoleMarks}, unit, {0, 1}, {0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<Curve> cut = CurvesWithinView({c.curve}, c.view);
        ASSERT_EQ(cut.size(), 1u);
        ASSERT_EQ(cut[0].x.size(), c.x.size());
        ASSERT_EQ(cut[0].y.size(), c.y.size());
        for (std::size_t i = 0; i < c.x.size(); ++i) {
            EXPECT_NEAR(cut[0].x[i], c.x[i], 1e-9 * std::fabs(c.x[i]) + 1e-12) << i;
            if (std::isnan(c.y[i])) {
                EXPECT_TRUE(std::isnan(cut[0].y[i])) << i;
            } else {
                EXPECT_NEAR(cut[0].y[i], c.y[i], 1e-12) << i;
            }
        }
        EXPECT_EQ(cut[0].style, c.curve.style);
    }
}

}  // namespace
}  // namespace vorna
