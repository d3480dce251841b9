#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/RecordingCanvas.h"
#include "view/PoleZeroPlot.h"
#include "view/TestDesigns.h"

namespace vorna {
namespace {

using testing::SetButterworthLowPass;
using testing::SetNotchLowPass;
using testing::ViewWithDesign;
using Line = RecordingCanvas::Line;

// Poles are drawn as two crossing 4 x 4 lines in magenta.
int CrossCount(const RecordingCanvas& canvas, const DesignView& view) {
    return static_cast<int>(canvas.LinesWith(view.markPens[3]).size()) / 2;
}

int ZeroMarkCount(const RecordingCanvas& canvas, const DesignView& view) {
    int count = 0;
    for (const auto& e : canvas.ellipses) {
        if (e.pen == view.curvePens[0] && e.right - e.left == 6) ++count;
    }
    return count;
}

TEST(PoleZeroPlot, RangeCoversTheLargestRoot) {
    struct Case {
        const char* name;
        std::function<void(DesignView&)> design;
        std::vector<double> ranges;  // acceptable values; empty: any finite value from 2 up
    };
    const Case cases[] = {
        {"Butterworth order 18", [](DesignView& v) { SetButterworthLowPass(v, 18, 1000); }, {2, 4}},
        {"Butterworth order 5", [](DesignView& v) { SetButterworthLowPass(v, 5, 1000); }, {2, 4}},
        {"elliptic zeros at 2.3 wc", [](DesignView& v) { SetNotchLowPass(v, 1000, 2.3); }, {6}},
        {"nothing away from the origin",
         [](DesignView& v) {
             SetButterworthLowPass(v, 2, 1000);
             v.sections[0] = Section{0, 0, 0, 0, 0};
         },
         {2}},
        {"no cut-off frequency",
         [](DesignView& v) {
             SetButterworthLowPass(v, 2, 1000);
             v.omegaC = 0;
         },
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ViewWithDesign w;
        c.design(w.view);
        const double range = PoleZeroRange(w.view, ShownDesignOf(w.doc));
        if (c.ranges.empty()) {
            EXPECT_TRUE(std::isfinite(range) && range >= 2) << range;
        } else {
            EXPECT_NE(std::find(c.ranges.begin(), c.ranges.end(), range), c.ranges.end()) << range;
        }
        RecordingCanvas canvas;
        DrawPoleZeroPlot(w.view, ShownDesignOf(w.doc), canvas);  // must not stall or divide by zero
    }
}

TEST(PoleZeroPlot, AnalogButterworthPolesLieOnTheUnitCircle) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 18, 1000);
    RecordingCanvas canvas;
    DrawPoleZeroPlot(w.view, ShownDesignOf(w.doc), canvas);
    const double range = PoleZeroRange(w.view, ShownDesignOf(w.doc));
    const int radius = static_cast<int>(330 / range);
    ASSERT_FALSE(canvas.ellipses.empty());
    const auto& circle = canvas.ellipses.front();
    EXPECT_EQ(circle.pen, w.view.curvePens[4]);
    EXPECT_EQ(circle.left, 344 - radius);
    EXPECT_EQ(circle.bottom, 265 + radius);
    EXPECT_EQ(CrossCount(canvas, w.view), 18);
    EXPECT_EQ(ZeroMarkCount(canvas, w.view), 0);
    for (const auto& root : PoleZeroRoots(w.view, ShownDesignOf(w.doc))) {
        EXPECT_NEAR(std::hypot(root.position.re, root.position.im), 1, 1e-9);
        EXPECT_LT(root.position.re, 0);
    }
    EXPECT_TRUE(canvas.LinesWith(w.view.curvePens[5]).empty());  // no +-5 lines
    for (const char* text : {"Ｓ平面", "横軸は実軸/wc", "縦軸は虚軸/wc", "x : 極   o : 零"}) {
        EXPECT_NE(canvas.FindText(text), nullptr) << text;
    }
    EXPECT_EQ(canvas.FindText("Ｓ平面")->y, 105);
    EXPECT_EQ(canvas.FindText("x : 極   o : 零")->y, 165);
}

TEST(PoleZeroPlot, EllipticZerosSitOnTheImaginaryAxisOutsideTheCircle) {
    ViewWithDesign w;
    SetNotchLowPass(w.view, 1000, 2.3);
    RecordingCanvas canvas;
    DrawPoleZeroPlot(w.view, ShownDesignOf(w.doc), canvas);
    EXPECT_EQ(PoleZeroRange(w.view, ShownDesignOf(w.doc)), 6);
    EXPECT_EQ(ZeroMarkCount(canvas, w.view), 2);
    // S = 330 / 6 = 55 units per wc: the zeros at +-2.3 lie 126.5 units above and below.
    std::vector<std::pair<int, int>> zeros;
    for (const auto& e : canvas.ellipses) {
        if (e.right - e.left == 6) zeros.push_back({e.left + 3, e.top + 3});
    }
    ASSERT_EQ(zeros.size(), 2u);
    for (const auto& [x, y] : zeros) {
        EXPECT_EQ(x, 344);
        EXPECT_NEAR(std::abs(y - 265), 126.5, 1.0);
    }
    // Grid lines at 0 (black), +-1 (green); labels "%2d" beside and below the frame.
    EXPECT_EQ(canvas.LinesWith(w.view.curvePens[3]).size(), 4u);
    EXPECT_NE(canvas.FindText("-1"), nullptr);
    EXPECT_NE(canvas.FindText(" 0"), nullptr);
}

TEST(PoleZeroPlot, WideRangesGetLinesEveryFifthUnit) {
    ViewWithDesign w;
    SetNotchLowPass(w.view, 1000, 6.5);  // R = 14: lines at +-5
    RecordingCanvas canvas;
    DrawPoleZeroPlot(w.view, ShownDesignOf(w.doc), canvas);
    EXPECT_EQ(PoleZeroRange(w.view, ShownDesignOf(w.doc)), 14);
    EXPECT_EQ(canvas.LinesWith(w.view.curvePens[5]).size(), 4u);
    EXPECT_NE(canvas.FindText(" 5"), nullptr);
    EXPECT_NE(canvas.FindText("-5"), nullptr);

    // An absurd range draws no dense grid rather than millions of lines.
    SetNotchLowPass(w.view, 1000, 1e12);
    RecordingCanvas wide;
    DrawPoleZeroPlot(w.view, ShownDesignOf(w.doc), wide);
    EXPECT_TRUE(wide.LinesWith(w.view.curvePens[5]).empty());
}

TEST(PoleZeroPlot, DigitalDesignUsesTheZPlaneAndFirstOrderMarksComeFirst) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 3, 1000);
    w.view.convertedToDigital = true;
    w.view.p0 = -0.9;  // pole at 0.9
    w.view.p1 = 0.05;
    w.view.p2 = 0.05;  // zero at -1
    w.view.sections[0] = Section{-1.8, 0.9, 1, 2, 1};
    EXPECT_EQ(PoleZeroRange(w.view, ShownDesignOf(w.doc)), 2);  // |P0| < 1 counts as 0
    RecordingCanvas canvas;
    DrawPoleZeroPlot(w.view, ShownDesignOf(w.doc), canvas);
    EXPECT_NE(canvas.FindText("Ｚ平面"), nullptr);
    EXPECT_NE(canvas.FindText("横軸は実軸"), nullptr);
    const auto crosses = canvas.LinesWith(w.view.markPens[3]);
    ASSERT_EQ(crosses.size(), 6u);
    // First-order pole at 0.9: x = ceil(344 + 0.9 * 165) = 493.
    EXPECT_EQ(crosses[0], (Line{491, 263, 495, 267, w.view.markPens[3]}));
    // The first zero mark after the unit circle is the first-order zero at -1: x = 179.
    ASSERT_GE(canvas.ellipses.size(), 2u);
    EXPECT_EQ(canvas.ellipses[1].left, 179 - 3);
}

TEST(PoleZeroPlot, HighPassFirstOrderZeroIsAtTheOrigin) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 3, 1000);
    w.doc.kind = kHighPass;
    w.view.p1 = 1;
    w.view.p2 = 0;
    RecordingCanvas canvas;
    DrawPoleZeroPlot(w.view, ShownDesignOf(w.doc), canvas);
    ASSERT_GE(canvas.ellipses.size(), 2u);
    const auto& zero = canvas.ellipses[1];
    EXPECT_EQ(zero.left, 341);
    EXPECT_EQ(zero.top, 262);
    EXPECT_EQ(zero.right, 347);
    EXPECT_EQ(zero.bottom, 268);
}

}  // namespace
}  // namespace vorna
