#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analysis/FrequencyResponse.h"
#include "platform/RecordingCanvas.h"
#include "view/GraphFrame.h"
#include "view/ResponseGraph.h"
#include "view/TestDesigns.h"

namespace vorna {
namespace {

using testing::SetButterworthLowPass;
using testing::ViewWithDesign;
using Line = RecordingCanvas::Line;

const Pen& Green(const DesignView& v) {
    return v.curvePens[3];
}

std::vector<std::string> Labels(const RecordingCanvas& canvas, int x) {
    std::vector<std::string> labels;
    for (const auto& t : canvas.texts) {
        if (t.x == x) labels.push_back(t.text);
    }
    return labels;
}

std::vector<Line> HorizontalGridLines(const RecordingCanvas& canvas, const Pen& pen) {
    std::vector<Line> result;
    for (const auto& l : canvas.LinesWith(pen)) {
        if (l.fromY == l.toY && l.fromX == kFrameLeft && l.toX == kFrameRight) result.push_back(l);
    }
    return result;
}

TEST(ResponseGraph, DecibelLabelsAndGridFollowTheAttenuationRange) {
    struct Case {
        double attMax;
        std::vector<std::string> labels;
        std::size_t gridLines;
    };
    const Case cases[] = {
        {80,
         {" 10dB", "  0dB", "-10dB", "-20dB", "-30dB", "-40dB", "-50dB", "-60dB", "-70dB", "-80dB"},
         8},
        {120, {"  0dB", "-20dB", "-40dB", "-60dB", "-80dB", "-100dB", "-120dB"}, 6},
        {20, {" 10dB", "  0dB", "-10dB", "-20dB"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.attMax);
        ViewWithDesign w;
        SetButterworthLowPass(w.view, 18, 1000);
        w.view.graphAttMax = c.attMax;
        RecordingCanvas canvas;
        DrawResponseAxes(w.view, canvas);
        EXPECT_EQ(Labels(canvas, 1), c.labels);
        EXPECT_EQ(HorizontalGridLines(canvas, Green(w.view)).size(), c.gridLines);
    }
}

TEST(ResponseGraph, FrameZeroDecibelLineAndFrequencyGrid) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 18, 1000);  // 100 Hz .. 5 kHz, 80 dB
    RecordingCanvas canvas;
    const ResponseScale scale = DrawResponseAxes(w.view, canvas);
    EXPECT_EQ(scale.zeroDbY, 136);  // 100 + 330 * 10 / 90

    const auto frame = canvas.LinesWith(w.view.widePen);
    EXPECT_EQ(frame, (std::vector<Line>{{50, 100, 639, 100, w.view.widePen},
                                        {50, 430, 639, 430, w.view.widePen},
                                        {50, 100, 50, 430, w.view.widePen},
                                        {639, 100, 639, 430, w.view.widePen}}));
    EXPECT_EQ(canvas.LinesWith(w.view.markPens[1]),
              (std::vector<Line>{{50, 136, 639, 136, w.view.markPens[1]}}));

    // Labels at 1 and 3 of every decade, 10 units left of their line, 10 below the frame.
    std::vector<std::string> labels;
    for (const auto& t : canvas.texts) {
        if (t.y == kFrameBottom + 10) labels.push_back(t.text);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"100   ", "300   ", "1K    ", "3K    "}));
    EXPECT_EQ(canvas.FindText("100   ")->x, 40);
    // Decade lines in black (none on the left edge), the 3s in cyan, the rest in green.
    const int x1k = static_cast<int>(50 + 589 / std::log10(50.0));
    EXPECT_EQ(canvas.LinesWith(w.view.curvePens[4]),
              (std::vector<Line>{{x1k, 100, x1k, 430, w.view.curvePens[4]}}));
    EXPECT_EQ(canvas.LinesWith(w.view.curvePens[5]).size(), 2u);  // 300 Hz, 3 kHz
    EXPECT_EQ(canvas.FindText("1K    ")->x, x1k - 10);
}

TEST(ResponseGraph, GainCurveRunsFromTheLeftEdgeToOneStepPastTheRightEdge) {
    for (int points : {10, 201, 1000}) {
        SCOPED_TRACE(points);
        ViewWithDesign w;
        SetButterworthLowPass(w.view, 18, 1000);
        w.view.graphAttMax = 400;  // the whole curve inside the frame
        w.view.pointsPerDecade = points;
        RecordingCanvas canvas;
        const ResponseScale scale = ComputeResponseScale(w.view);
        DrawGainCurve(w.view, ShownDesignOf(w.doc), canvas, scale, ResponseDomain::Analog);
        const auto& curve = canvas.lines;
        ASSERT_FALSE(curve.empty());
        // Starts at 100 Hz on the 0 dB line, flat in the pass band.
        EXPECT_EQ(curve.front().fromX, kFrameLeft);
        EXPECT_EQ(curve.front().fromY, scale.zeroDbY);
        const double step = scale.perDecade / points;
        EXPECT_GE(curve.back().toX, kFrameRight);
        EXPECT_LE(curve.back().toX, kFrameRight + step);
        // Ends at 5 kHz: 18 * 20 * log10(5) dB down.
        const double expectedY =
            scale.zeroDbY - AnalogGainDb(w.view, kLowPass, kTwoPi * 5000) * scale.per10Db / 10;
        EXPECT_NEAR(curve.back().toY, expectedY, points == 10 ? 25 : 3);
        // One segment per computed point.
        EXPECT_NEAR(static_cast<double>(curve.size()), points * scale.decades, 1.0);
    }
}

TEST(ResponseGraph, StopBandBelowTheFrameRunsAlongTheBottomWithoutSegments) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 18, 1000);  // -80 dB at the bottom, about 1.67 kHz
    RecordingCanvas canvas;
    const ResponseScale scale = ComputeResponseScale(w.view);
    DrawGainCurve(w.view, ShownDesignOf(w.doc), canvas, scale, ResponseDomain::Analog);
    const auto& curve = canvas.lines;
    ASSERT_FALSE(curve.empty());
    for (const auto& l : curve) ASSERT_FALSE(l.fromY == kFrameBottom && l.toY == kFrameBottom);
    EXPECT_EQ(curve.back().toY, kFrameBottom);
    EXPECT_LT(curve.back().toX, 500);
}

TEST(ResponseGraph, GainFarAboveTheFrameIsDrawnUnclippedAndAnExactZeroSitsOnTheBottom) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 2, 1000);
    // +1000 dB everywhere: numerator 1e50 against a denominator of about 1 at 1 kHz.
    w.view.sections[0] = Section{w.view.sections[0].den1, w.view.sections[0].den0, 0, 0,
                                 1e50 * w.view.sections[0].den0};
    RecordingCanvas canvas;
    const ResponseScale scale = DrawResponseAxes(w.view, canvas);
    canvas.lines.clear();
    DrawGainCurve(w.view, ShownDesignOf(w.doc), canvas, scale, ResponseDomain::Analog);
    ASSERT_FALSE(canvas.lines.empty());
    EXPECT_LT(canvas.lines.front().fromY, -3000);

    // Numerator exactly zero: -600 dB, on the bottom edge, so no segment at all.
    w.view.sections[0] = Section{w.view.sections[0].den1, w.view.sections[0].den0, 0, 0, 0};
    canvas.lines.clear();
    DrawGainCurve(w.view, ShownDesignOf(w.doc), canvas, scale, ResponseDomain::Analog);
    EXPECT_TRUE(canvas.lines.empty());
}

TEST(ResponseGraph, PhaseCurveHasItsDottedReferenceAndStaysInItsBand) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 18, 1000);
    RecordingCanvas canvas;
    const ResponseScale scale = ComputeResponseScale(w.view);
    DrawPhaseCurve(w.view, ShownDesignOf(w.doc), canvas, scale, ResponseDomain::Analog);
    ASSERT_FALSE(canvas.lines.empty());
    EXPECT_EQ(canvas.lines.front(), (Line{50, 265, 639, 265, w.view.dottedPen}));
    const auto phase = canvas.LinesWith(w.view.markPens[3]);
    ASSERT_FALSE(phase.empty());
    const double phaseAt100Hz = AnalogPhase(w.view, kLowPass, kTwoPi * 100);
    EXPECT_EQ(phase.front().fromX, 50);
    EXPECT_EQ(phase.front().fromY, static_cast<int>(265 - phaseAt100Hz * 110 / kTwoPi));
    for (const auto& l : phase) {
        ASSERT_GE(l.toY, 265 - 55);
        ASSERT_LE(l.toY, 320);
    }
}

TEST(ResponseGraph, DegenerateRangesAndPointCountsNeverStallOrDivideByZero) {
    struct Case {
        const char* name;
        double freqMin, freqMax, attMax;
        int points;
    };
    const double nan = std::nan("");
    const Case cases[] = {
        {"zero lower frequency", 0, 5000, 80, 201},
        {"empty range", 1000, 1000, 80, 201},
        {"reversed range", 5000, 100, 80, 201},
        {"not a number", nan, nan, nan, 201},
        {"no dB span", 100, 5000, -10, 201},
        {"huge dB span", 100, 5000, 1e300, 201},
        {"widest frequency range", 1e-300, 1e300, 80, 1000},
        {"no points", 100, 5000, 80, 0},
        {"too many points", 100, 5000, 80, 1000000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ViewWithDesign w;
        SetButterworthLowPass(w.view, 18, 1000);
        w.view.graphFreqMin = c.freqMin;
        w.view.graphFreqMax = c.freqMax;
        w.view.graphAttMax = c.attMax;
        w.view.pointsPerDecade = c.points;
        RecordingCanvas canvas;
        DrawResponseGraph(w.view, ShownDesignOf(w.doc), canvas);
        EXPECT_LT(canvas.lines.size(), 2000000u);
    }
}

}  // namespace
}  // namespace vorna
