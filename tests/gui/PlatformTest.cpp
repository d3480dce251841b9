// The desktop's platform pieces: the QPainter canvas, the font stand-ins, dialog units,
// file chooser filters and the command line.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include "CommandLine.h"
#include "DialogUnits.h"
#include "FileFilters.h"
#include "FontMapping.h"
#include "QtCanvas.h"

namespace vorna {
namespace {

QImage WhitePage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(QtCanvas, DrawsWithTheSelectedPenAndFillsEllipsesWhite) {
    QImage image = WhitePage(60, 60);
    {
        QPainter painter(&image);
        QtCanvas canvas(painter);
        canvas.SelectPen({{255, 0, 0}, 1, PenStyle::Solid});
        canvas.MoveTo(5, 10);
        canvas.LineTo(50, 10);
        canvas.SelectPen({{0, 0, 255}, 2, PenStyle::Solid});
        canvas.MoveTo(5, 30);
        canvas.LineTo(5, 50);
        canvas.SelectPen({{0, 0, 0}, 1, PenStyle::Solid});
        canvas.MoveTo(20, 40);
        canvas.LineTo(55, 40);
        canvas.Ellipse(30, 32, 46, 48);  // drawn over the black line
    }
    EXPECT_EQ(image.pixelColor(25, 10), QColor(255, 0, 0)) << "one-pixel lines stay sharp";
    EXPECT_EQ(image.pixelColor(4, 40), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(5, 40), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(38, 40), QColor(Qt::white)) << "the ellipse is filled white";
    EXPECT_EQ(image.pixelColor(25, 40), QColor(0, 0, 0));
}

TEST(QtCanvas, DottedPenLeavesGaps) {
    QImage image = WhitePage(40, 5);
    {
        QPainter painter(&image);
        QtCanvas canvas(painter);
        canvas.SelectPen({{0, 0, 0}, 1, PenStyle::Dotted});
        canvas.MoveTo(0, 2);
        canvas.LineTo(40, 2);
    }
    int dark = 0;
    for (int x = 0; x < 40; ++x) dark += image.pixelColor(x, 2).lightness() < 128 ? 1 : 0;
    EXPECT_GT(dark, 12);
    EXPECT_LT(dark, 28);
}

TEST(QtCanvas, TextHasItsTopLeftCornerAtThePointAndTheViewFontsHeight) {
    QImage image = WhitePage(200, 60);
    int height = 0;
    {
        QPainter painter(&image);
        QtCanvas canvas(painter);
        canvas.SelectFont(FontDescription{});
        height = canvas.TextHeight();
        canvas.TextOut(20, 20, "次数=18");
    }
    EXPECT_EQ(height, 16);
    int top = 60;
    int bottom = 0;
    int left = 200;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (image.pixelColor(x, y).lightness() < 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
            }
        }
    }
    EXPECT_GE(top, 20);
    EXPECT_LT(bottom, 20 + 16);
    EXPECT_GE(left, 20);
    EXPECT_LT(left, 24);
}

TEST(QtCanvas, IsotropicMappingFitsThePageKeepingTheAspect) {
    const struct {
        QSize page;
        double scale;
    } cases[] = {{{1360, 4800}, 2.0}, {{6800, 2400}, 2.0}};
    for (const auto& c : cases) {
        QImage image(c.page, QImage::Format_RGB32);
        QPainter painter(&image);
        QtCanvas canvas(painter);
        canvas.SetIsotropicMapping(680, 1200, 100, 100);
        EXPECT_EQ(painter.transform(), QTransform(c.scale, 0, 0, c.scale, 100, 100));
    }
}

TEST(FontMapping, StandInsAndRoundTrip) {
    const struct {
        const char* face;
        const char* family;
    } cases[] = {{"ＭＳ 明朝", "IPAMincho"},
                 {"ＭＳ ゴシック", "IPAGothic"},
                 {"ＭＳ Ｐ明朝", "IPAPMincho"},
                 {"MS Gothic", "IPAGothic"},
                 {"DejaVu Sans", "DejaVu Sans"}};
    for (const auto& c : cases)
        EXPECT_EQ(InstalledFamily(c.face), QString::fromUtf8(c.family)) << c.face;

    FontDescription view;
    const QFont font = ToQFont(view);
    EXPECT_EQ(font.pixelSize(), 16);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAMincho"));
    EXPECT_EQ(ToFontDescription(font, view), view) << "an unchanged font keeps its description";

    QFont bold = font;
    bold.setFamily(QStringLiteral("IPAGothic"));
    bold.setWeight(QFont::Bold);
    bold.setPointSize(15);
    const FontDescription chosen = ToFontDescription(bold, view);
    EXPECT_EQ(chosen.faceName, "ＭＳ ゴシック");
    EXPECT_EQ(chosen.height, -20);
    EXPECT_EQ(chosen.weight, 700);
    EXPECT_EQ(chosen.charSet, 128);

    FontDescription cell = view;
    cell.height = 20;  // a cell height: character height and internal leading together
    EXPECT_NEAR(CellMetricsOf(ToQFont(cell)).Height(), 20, 1);
}

TEST(DialogUnits, ScaleWithRounding) {
    const DialogUnits units(7, 15);
    EXPECT_EQ(units.X(4), 7);
    EXPECT_EQ(units.X(10), 18);  // 17.5 rounds up
    EXPECT_EQ(units.Y(8), 15);
    EXPECT_EQ(units.Y(3), 6);  // 5.625
    // Edges are converted, not sizes, so that neighbours meet without gaps.
    EXPECT_EQ(units.Rect(1, 1, 1, 1), QRect(2, 2, 2, 2));
}

TEST(FileFilters, PatternsInParentheses) {
    EXPECT_EQ(ToNameFilters({{"テキスト ファイル (*.txt)", "*.txt"}, {"ログ", "*.log;*.txt"}}),
              (QStringList{QString::fromUtf8("テキスト ファイル (*.txt)"),
                           QString::fromUtf8("ログ (*.log *.txt)")}));
    EXPECT_EQ(ToNameFilters({}).size(), 1);
}

TEST(CommandLine, SwitchesAndPaths) {
    using Kind = StartupRequest::Kind;
    const struct {
        QStringList arguments;
        Kind kind;
    } cases[] = {
        {{}, Kind::NewDocument},
        {{QStringLiteral("-e")}, Kind::NoDocument},
        {{QStringLiteral("/E")}, Kind::NoDocument},
        {{QStringLiteral("-Embedding")}, Kind::NoDocument},
        {{QStringLiteral("-x")}, Kind::OpenDocument},
        {{QStringLiteral("e")}, Kind::OpenDocument},
        {{QStringLiteral("/")}, Kind::OpenDocument},
        {{QStringLiteral("a.txt")}, Kind::OpenDocument},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseCommandLine(c.arguments).kind, c.kind)
            << c.arguments.join(u' ').toStdString();
    EXPECT_EQ(ParseCommandLine({QStringLiteral("a.txt")}).path, QStringLiteral("a.txt"));
}

TEST(CommandLine, LanguageOptionStandsAnywhereAndLeavesTheRest) {
    using Kind = StartupRequest::Kind;
    const struct {
        QStringList arguments;
        std::optional<QString> language;
        Kind kind;
        QString path;
    } cases[] = {
        {{QStringLiteral("--lang"), QStringLiteral("en")},
         QStringLiteral("en"),
         Kind::NewDocument,
         {}},
        {{QStringLiteral("-e"), QStringLiteral("--lang=ja")},
         QStringLiteral("ja"),
         Kind::NoDocument,
         {}},
        {{QStringLiteral("a.vorna"), QStringLiteral("--lang")},
         QString(),
         Kind::OpenDocument,
         QStringLiteral("a.vorna")},
        {{QStringLiteral("--language"), QStringLiteral("en")},
         std::nullopt,
         Kind::OpenDocument,
         QStringLiteral("--language")},
    };
    for (const auto& c : cases) {
        const StartupRequest request = ParseCommandLine(c.arguments);
        const std::string name = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(request.language, c.language) << name;
        EXPECT_EQ(request.kind, c.kind) << name;
        EXPECT_EQ(request.path, c.path) << name;
    }
}

}  // namespace
}  // namespace vorna
