#include <gtest/gtest.h>

#include "platform/RecordingCanvas.h"
#include "support/ScriptedUi.h"
#include "view/CoefficientList.h"
#include "view/TestDesigns.h"

namespace vorna {
namespace {

using testing::ScriptedUi;
using testing::SetButterworthLowPass;
using testing::ViewWithDesign;

TEST(ViewPaint, NewViewPaintsTheDefaultDesignsResponse) {
    DesignDocument doc;
    DesignView view(doc);
    RecordingCanvas canvas;
    view.OnDraw(canvas);
    EXPECT_FALSE(view.noDesignYet);
    ASSERT_GE(canvas.texts.size(), 2u);
    EXPECT_EQ(canvas.texts[0].text, "ｱﾅﾛｸﾞ Low Pass  Butterworth   次数=18");
    EXPECT_EQ(canvas.texts[1].text,
              "Fp =  1.0000KHz  attp = 3.0103dB  Fs =  1.5000KHz  atts =  60.00dB");
    EXPECT_EQ(canvas.texts[0].font, view.viewFont);
    EXPECT_NE(canvas.FindText("-80dB"), nullptr);
    EXPECT_FALSE(canvas.LinesWith(view.markPens[3]).empty());  // the phase curve
}

TEST(ViewPaint, DisplayModeZeroDrawsNothing) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 18, 1000);
    w.view.displayMode = DisplayMode::Blank;
    RecordingCanvas screen;
    w.view.OnDraw(screen);
    RecordingCanvas paper;
    w.view.OnPrint(paper);
    EXPECT_TRUE(screen.calls.empty());
    EXPECT_TRUE(paper.calls.empty());
}

TEST(ViewPaint, PrintingDrawsEverythingBlackOnTheScaledPageAndTheScreenKeepsItsColours) {
    for (GraphKind graphKind : {GraphKind::Response, GraphKind::PoleZero}) {
        SCOPED_TRACE(static_cast<int>(graphKind));
        ViewWithDesign w;
        SetButterworthLowPass(w.view, 5, 1000);
        w.view.graphKind = graphKind;
        RecordingCanvas paper;
        w.view.OnPrint(paper);
        ASSERT_EQ(paper.mappings.size(), 1u);
        EXPECT_EQ(paper.mappings[0].width, 680);
        EXPECT_EQ(paper.mappings[0].height, 1200);
        EXPECT_EQ(paper.mappings[0].originX, 100);
        EXPECT_EQ(paper.mappings[0].originY, 100);
        for (const auto& line : paper.lines) ASSERT_EQ(line.pen.color, (Color{0, 0, 0}));
        for (const auto& ellipse : paper.ellipses) ASSERT_EQ(ellipse.pen.color, (Color{0, 0, 0}));
        EXPECT_EQ(w.view.curvePens, DesignView::kCurvePens);
        EXPECT_EQ(w.view.markPens, DesignView::kMarkPens);

        RecordingCanvas screen;
        w.view.OnDraw(screen);
        EXPECT_TRUE(screen.mappings.empty());
        bool coloured = false;
        for (const auto& line : screen.lines)
            coloured = coloured || !(line.pen.color == Color{0, 0, 0});
        EXPECT_TRUE(coloured);
    }
}

TEST(ViewPaint, LargerFontMovesTextLinesButNotTheFrame) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 18, 1000);
    w.view.displayMode = DisplayMode::CoefficientList;
    w.view.viewFont.height = -24;
    RecordingCanvas canvas;
    w.view.OnDraw(canvas);
    EXPECT_EQ(w.view.lineHeight, 24);
    ASSERT_GE(canvas.texts.size(), 3u);
    EXPECT_EQ(canvas.texts[1].y, 25);
    EXPECT_EQ(canvas.texts[2].y, 49);

    w.view.displayMode = DisplayMode::Graph;
    RecordingCanvas graph;
    w.view.OnDraw(graph);
    EXPECT_EQ(graph.LinesWith(w.view.widePen).front().fromY, 100);
}

TEST(CoefficientList, FormsAndFirstOrderPartFollowKindOrderAndDomain) {
    struct Case {
        const char* name;
        int kind, order, digital;
        std::vector<std::string> expectedStart;
    };
    const Case cases[] = {
        {"even low-pass",
         kLowPass,
         18,
         0,
         {"２次式の形式", "      Pn_2 * s^2 + Pn_3 * s + Pn_4",
          "Hn = ------------------------------", "          s^2 + Pn_0 * s + Pn_1", "２次式"}},
        {"odd band-pass", kBandPass, 5, 0, {"２次式の形式"}},
        {"odd low-pass",
         kLowPass,
         5,
         0,
         {"１次式の形式", "      P1 * s + P2", "H0 = -------------", "         s + P0",
          "２次式の形式"}},
        {"digital odd high-pass",
         kHighPass,
         5,
         1,
         {"１次式の形式", "      P1 + P2 * zm", "H0 = --------------", "       1 + P0 * zm",
          "２次式の形式", "      Pn_2 + Pn_3 * zm + Pn_4 * zm^2",
          "Hn = --------------------------------", "       1 + Pn_0 * zm + Pn_1 * zm^2", "１次式"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ViewWithDesign w;
        SetButterworthLowPass(w.view, c.order, 1000);
        w.doc.kind = c.kind;
        w.view.convertedToDigital = c.digital;
        const auto lines = CoefficientListLines(w.view, ShownDesignOf(w.doc));
        ASSERT_GE(lines.size(), c.expectedStart.size());
        EXPECT_EQ(std::vector<std::string>(
                      lines.begin(), lines.begin() + static_cast<long>(c.expectedStart.size())),
                  c.expectedStart);
        EXPECT_EQ(lines.back().substr(0, 4), c.order == 18 ? "   9" : "   2");
    }
}

TEST(CoefficientList, ValuesInEngineeringForm) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 3, 1000);
    w.view.p0 = 6283.185307179586;
    w.view.sections[0] = Section{6283.185307179586, 39478417.6, 0, 0, 39478417.6};
    const auto lines = CoefficientListLines(w.view, ShownDesignOf(w.doc));
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "     P0 =   6.2832K    P1 =    0         P2 =   6.2832K"),
              lines.end());
    EXPECT_EQ(lines[lines.size() - 2],
              "   n        Pn_0        Pn_1        Pn_2        Pn_3        Pn_4");
    EXPECT_EQ(lines.back(), "   1     6.2832K  39.4784Meg          0           0   39.4784Meg");
}

TEST(GraphSelectCommand, SwitchesGraphAndPointsAndRefusesOutOfRangeCounts) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 18, 1000);
    w.view.displayMode = DisplayMode::CoefficientList;
    int repaints = 0;
    w.view.onInvalidate = [&] { ++repaints; };
    ScriptedUi ui;
    ui.ExpectDialog(300)
        .ExpectText(2401, "201")
        .Inspect([](const Dialog& d) { EXPECT_TRUE(d.Control(301).checked); })
        .Click(302)
        .Type(2401, "5")
        .Ok()
        .ExpectFocus(2401)
        .Type(2401, "1000")
        .Ok();
    ui.ExpectMessage("Please enter an integer between 10 and 1000.");
    w.view.OnGraphSelect(ui);
    ui.VerifyDone();
    EXPECT_EQ(w.view.graphKind, GraphKind::PoleZero);
    EXPECT_EQ(w.view.pointsPerDecade, 1000);
    EXPECT_EQ(w.view.displayMode, DisplayMode::Graph);
    EXPECT_EQ(repaints, 1);

    ScriptedUi cancelling;
    cancelling.ExpectDialog(300).Click(301).Type(2401, "10").Cancel();
    w.view.OnGraphSelect(cancelling);
    EXPECT_EQ(w.view.graphKind, GraphKind::PoleZero);
    EXPECT_EQ(w.view.pointsPerDecade, 1000);
    EXPECT_EQ(repaints, 1);
}

TEST(FontCommand, ChosenFontIsKeptAndCancellingStillRepaints) {
    ViewWithDesign w;
    int repaints = 0;
    w.view.onInvalidate = [&] { ++repaints; };
    ScriptedUi ui;
    ui.ExpectFont([](FontDescription& font) {
        EXPECT_EQ(font.faceName, "ＭＳ 明朝");
        font.height = -20;
        return true;
    });
    ui.ExpectFont(nullptr);
    w.view.OnFont(ui);
    EXPECT_EQ(w.view.viewFont.height, -20);
    w.view.OnFont(ui);
    EXPECT_EQ(w.view.viewFont.height, -20);
    EXPECT_EQ(repaints, 2);
    ui.VerifyDone();
}

}  // namespace
}  // namespace vorna
