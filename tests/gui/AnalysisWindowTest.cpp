// The analysis window opened from a design window as a user opens it: it follows the
// design, zooms and pans with keys, reads the cursor and writes each graph as PNG, SVG and
// CSV. Screenshots of every tab go to $VORNA_SCREENSHOT_DIR when it is set.

#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "CMainFrame.h"
#include "Commands.h"
#include "DocumentWindow.h"
#include "GuiTestSupport.h"
#include "ViewWidget.h"
#include "analysis/AnalysisWindow.h"
#include "analysis/GraphPane.h"
#include "design/conversion/DigitalConversion.h"

namespace vorna {
namespace {

class AnalysisWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame.show();
        document = frame.NewDocument();
        ASSERT_TRUE(QTest::qWaitFor([&] { return document->View().noDesignYet == 0; }));
        frame.Action(kCommandAnalysis)->trigger();
        analysis = document->findChild<AnalysisWindow*>();
        ASSERT_NE(analysis, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(analysis));
    }

    // Changes the design behind the design window's back and lets it repaint.
    void Redesign(const std::function<void(CKorvelView&)>& change) {
        change(document->View());
        QSignalSpy painted(document->Area(), &ViewWidget::Painted);
        document->Area()->repaint();
        ASSERT_GE(painted.count(), 1);
    }

    CMainFrame frame;
    DocumentWindow* document = nullptr;
    AnalysisWindow* analysis = nullptr;
};

TEST_F(AnalysisWindowTest, OneWindowPerDesignShowingEveryTabWithTitledAxes) {
    frame.Action(kCommandAnalysis)->trigger();
    EXPECT_EQ(document->findChildren<AnalysisWindow*>().size(), 1);
    const char* const names[] = {"magnitude", "passband", "phase",   "groupdelay",
                                 "step",      "impulse",  "polezero"};
    ASSERT_EQ(analysis->Tabs()->count(), std::size(names));
    for (int tab = 0; tab < analysis->Tabs()->count(); ++tab) {
        analysis->Tabs()->setCurrentIndex(tab);
        QTest::qWait(20);
        auto* pane = static_cast<GraphPane*>(analysis->Tabs()->widget(tab));
        EXPECT_FALSE(pane->Plot()->xAxis->label().isEmpty());
        EXPECT_FALSE(pane->Plot()->yAxis->label().isEmpty());
        EXPECT_GT(pane->Plot()->height(), analysis->height() / 2) << "the plot fills its pane";
        testing::SaveScreenshot(analysis, QStringLiteral("analysis-%1").arg(names[tab]));
    }
}

TEST_F(AnalysisWindowTest, KeysZoomAndPanAndHomeResets) {
    GraphPane* pane = analysis->Pane(AnalysisTab::Magnitude);
    QCPAxis* x = pane->Plot()->xAxis;
    const QCPRange shown = x->range();
    pane->Plot()->setFocus();
    QTest::keyClick(pane->Plot(), Qt::Key_Plus);
    EXPECT_LT(x->range().upper / x->range().lower, shown.upper / shown.lower);
    QTest::keyClick(pane->Plot(), Qt::Key_Right);
    EXPECT_GT(x->range().lower, shown.lower);
    QTest::keyClick(pane->Plot(), Qt::Key_Home);
    EXPECT_DOUBLE_EQ(x->range().lower, shown.lower);
    EXPECT_DOUBLE_EQ(x->range().upper, shown.upper);
}

TEST_F(AnalysisWindowTest, CursorReadsTheCurveAtTheCutOff) {
    GraphPane* pane = analysis->Pane(AnalysisTab::Magnitude);
    QCPAxis* x = pane->Plot()->xAxis;
    x->setRange(999, 1001);
    pane->Plot()->replot();
    const QPoint at(static_cast<int>(x->coordToPixel(1000)), pane->Plot()->height() / 2);
    QTest::mouseMove(pane->Plot(), at);
    pane->ReadCursor(at);
    const QString text = pane->CursorText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("周波数 99")) ||
                text.startsWith(QStringLiteral("周波数 100")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("利得 -3.01"))) << text.toStdString();
}

TEST_F(AnalysisWindowTest, DigitalDesignStopsAtHalfTheSamplingFrequency) {
    Redesign([](CKorvelView& view) { ConvertToDigital(view, 48000); });
    const GraphData& graph = analysis->Pane(AnalysisTab::Magnitude)->Graph();
    ASSERT_TRUE(graph.nyquist.has_value());
    EXPECT_EQ(*graph.nyquist, 24000);
    EXPECT_EQ(graph.curves[0].x.back(), 24000);
    EXPECT_GT(graph.x.high, 24000) << "the marker stands inside the frame";
    EXPECT_EQ(analysis->Pane(AnalysisTab::PoleZero)->Graph().x.quantity, "実軸");
}

TEST_F(AnalysisWindowTest, ExportsEachFormatAndRefusesWhatItCannotWrite) {
    QTemporaryDir folder;
    GraphPane* pane = analysis->Pane(AnalysisTab::Phase);
    const QString png = folder.filePath(QStringLiteral("phase.png"));
    const QString svg = folder.filePath(QStringLiteral("phase.svg"));
    const QString csv = folder.filePath(QStringLiteral("phase.csv"));
    for (const QString& path : {png, svg, csv}) EXPECT_EQ(pane->ExportTo(path), QString());
    EXPECT_GE(QImage(png).width(), 800);
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svgFile.readAll().contains("<svg"));
    QFile csvFile(csv);
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csvFile.readAll().split('\n');
    EXPECT_EQ(lines.front(), QStringLiteral("周波数 [Hz],位相 [度]").toUtf8());
    EXPECT_EQ(lines.size(), pane->Graph().curves[0].x.size() + 2);

    const QString unwritable = folder.filePath(QStringLiteral("missing/phase.png"));
    EXPECT_NE(pane->ExportTo(unwritable), QString());
    EXPECT_NE(pane->ExportTo(folder.filePath(QStringLiteral("phase.txt"))), QString());
    EXPECT_FALSE(QFile::exists(unwritable));
}

}  // namespace
}  // namespace vorna
