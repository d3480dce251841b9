#include <gtest/gtest.h>

#include "platform/RecordingCanvas.h"
#include "platform/ShiftJisText.h"
#include "view/SummaryLines.h"
#include "view/TestDesigns.h"

namespace vorna {
namespace {

using testing::SetButterworthLowPass;
using testing::ViewWithDesign;

std::vector<std::string> WrittenLines(const DesignView& view, bool withReference,
                                      SchematicSummary* summary = nullptr) {
    std::vector<std::string> lines;
    SchematicSummary texts =
        WriteSummaryLines([&](const std::string& line) { lines.push_back(line); }, view,
                          ShownDesignOf(view.GetDocument()), withReference);
    if (summary) *summary = texts;
    return lines;
}

TEST(SummaryLines, DefaultDesignHeaderOnScreenAndInFiles) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 18, 1000);
    const std::string specification =
        "Fp =  1.0000KHz  attp = 3.0103dB  Fs =  1.5000KHz  atts =  60.00dB";
    EXPECT_EQ(SummaryHeaderLines(w.view, ShownDesignOf(w.doc)),
              (std::vector<std::string>{"ｱﾅﾛｸﾞ Low Pass  Butterworth   次数=18", specification}));

    w.doc.referenceMode = 1;
    SchematicSummary summary;
    EXPECT_EQ(WrittenLines(w.view, true, &summary),
              (std::vector<std::string>{
                  "ｱﾅﾛｸﾞ Low Pass  Butterworth  次数=18                           参照モード=1\n",
                  specification + "\n"}));
    EXPECT_EQ(WrittenLines(w.view, false)[0], "ｱﾅﾛｸﾞ Low Pass  Butterworth  次数=18\n");
    EXPECT_EQ(summary.title, "Low Pass  Butterworth   order = 18");
    EXPECT_EQ(summary.specification,
              "Fp =  1.0000KHz  attp =  3.01dB  Fs =  1.5000KHz  atts = 60.00dB");
}

TEST(SummaryLines, DigitalDesignNamesTheSampleRate) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 5, 1000);
    w.view.convertedToDigital = true;
    w.view.samplingFrequency = 48000;
    EXPECT_EQ(SummaryHeaderLines(w.view, ShownDesignOf(w.doc))[0],
              "ﾃﾞｼﾞﾀﾙ Low Pass Butterworth  次数=5  ｻﾝﾌﾟﾙﾚｰﾄ =  48.0000K");
    EXPECT_EQ(WrittenLines(w.view, true)[0],
              "ﾃﾞｼﾞﾀﾙ Low Pass Butterworth  次数=5  ｻﾝﾌﾟﾙﾚｰﾄ =  48.0000KHz\n");
}

TEST(SummaryLines, BandDesignsShowBothEdges) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 6, 1000);
    w.doc.kind = kBandEliminate;
    w.doc.approximation = kElliptic;
    w.doc.figures.attsAchieved = 61.234;
    SchematicSummary summary;
    const auto lines = WrittenLines(w.view, false, &summary);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"ｱﾅﾛｸﾞ Band Eject  Elliptic  次数=6\n",
                                        "Fp1 =  1.0000KHz  Fp2 =  3.0000KHz  attp = 3.0103dB\n",
                                        "Fs1 =  2.0000KHz  Fs2 =  4.5000KHz  atts =  61.23dB\n"}));
    EXPECT_EQ(summary.specification,
              "Fp1 =  1.0000KHz  Fp2 =  3.0000KHz  attp =  3.01dB Fs1 =  2.0000KHz  Fs2 =  "
              "4.5000KHz  atts = 61.23dB");
}

TEST(SummaryLines, HeaderIsDrawnLineByLineAtTheLineStep) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 18, 1000);
    w.view.lineHeight = 24;
    RecordingCanvas canvas;
    EXPECT_EQ(DrawSummaryHeader(w.view, ShownDesignOf(w.doc), canvas), 1 + 2 * 24);
    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_EQ(canvas.texts[0].x, 1);
    EXPECT_EQ(canvas.texts[0].y, 1);
    EXPECT_EQ(canvas.texts[1].y, 25);
}

TEST(ShiftJisText, ConvertsKanaAndKanjiAndReplacesWhatCodePage932Lacks) {
    EXPECT_EQ(Utf8ToShiftJis("ｱﾅﾛｸﾞ"), "\xB1\xC5\xDB\xB8\xDE");
    EXPECT_EQ(Utf8ToShiftJis("次数=5\n"), "\x8E\x9F\x90\x94=5\n");
    EXPECT_EQ(Utf8ToShiftJis("a\xF0\x9F\x98\x80z"), "a?z");  // an emoji
    EXPECT_EQ(Utf8ToShiftJis("a\xFFz"), "a?z");              // not UTF-8
}

}  // namespace
}  // namespace vorna
