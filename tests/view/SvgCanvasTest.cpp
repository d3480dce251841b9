#include <gtest/gtest.h>

#include "app/DocumentResults.h"
#include "view/SvgCanvas.h"
#include "view/TestDesigns.h"

namespace vorna {
namespace {

using testing::SetButterworthLowPass;
using testing::ViewWithDesign;

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(SvgCanvas, JoinsConnectedSegmentsOfOnePenIntoOnePolyline) {
    SvgCanvas canvas(680, 1200);
    canvas.SelectPen({{0, 0, 0}, 2, PenStyle::Solid});
    canvas.MoveTo(0, 0);
    canvas.LineTo(10, 0);
    canvas.LineTo(10, 10);
    canvas.MoveTo(20, 20);  // a gap starts a new polyline
    canvas.LineTo(30, 20);
    canvas.SelectPen({{255, 0, 255}, 1, PenStyle::Dotted});
    canvas.LineTo(30, 30);  // another pen too
    const std::string svg = canvas.Document();
    EXPECT_NE(svg.find("<polyline points=\"0,0 10,0 10,10\" fill=\"none\" stroke=\"#000000\" "
                       "stroke-width=\"2\"/>"),
              std::string::npos);
    EXPECT_NE(svg.find("points=\"20,20 30,20\""), std::string::npos);
    EXPECT_NE(svg.find("points=\"30,20 30,30\" fill=\"none\" stroke=\"#ff00ff\" stroke-width=\"1\" "
                       "stroke-dasharray"),
              std::string::npos);
    EXPECT_EQ(Count(svg, "<polyline"), 3);
}

TEST(SvgCanvas, TextIsEscapedUtf8AtItsTopLeftAndLongListsLengthenThePage) {
    SvgCanvas canvas(680, 1200);
    FontDescription font;
    font.height = -16;
    canvas.SelectFont(font);
    canvas.TextOut(1, 1, "Ｓ平面 <a&b>");
    canvas.TextOut(1, 1990, "last line");
    const std::string svg = canvas.Document();
    EXPECT_NE(svg.find(">Ｓ平面 &lt;a&amp;b&gt;</text>"), std::string::npos);
    EXPECT_NE(
        svg.find("<text x=\"1\" y=\"15\" font-size=\"16\" font-family=\"'ＭＳ 明朝', 'MS Mincho'"),
        std::string::npos);
    EXPECT_NE(svg.find("serif\""), std::string::npos);
    EXPECT_NE(svg.find("height=\"2006\" viewBox=\"0 0 680 2006\""), std::string::npos);
    EXPECT_EQ(XmlEscape("a\x01\"b"), "a?&quot;b");
}

TEST(SvgCanvas, ResponseGraphOfTheDefaultDesignShowsHeaderGridAndBothCurves) {
    ViewWithDesign w;
    RecomputeResults(w.view, w.doc);
    SvgCanvas canvas(kViewWidth, kViewHeight);
    w.view.OnDraw(canvas);
    const std::string svg = canvas.Document();
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("ｱﾅﾛｸﾞ Low Pass  Butterworth   次数=18"), std::string::npos);
    EXPECT_NE(svg.find("-80dB"), std::string::npos);
    EXPECT_NE(svg.find("stroke=\"#00ff00\""), std::string::npos);  // grid
    EXPECT_NE(svg.find("stroke=\"#ff00ff\""), std::string::npos);  // phase
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

}  // namespace
}  // namespace vorna
