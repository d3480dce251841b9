// The analysis window opened from a design window as a user opens it: it follows the
// design, zooms and pans with keys, reads the cursor and writes each graph as PNG, SVG and
// CSV. Screenshots of every tab go to $VORNA_SCREENSHOT_DIR when it is set.

#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "CMainFrame.h"
#include "Commands.h"
#include "DocumentWindow.h"
#include "GuiTestSupport.h"
#include "ViewWidget.h"
#include "analysis/AnalysisWindow.h"
#include "analysis/GraphPane.h"
#include "analysis/VerificationPanel.h"
#include "app/DigitalConversionCommand.h"
#include "support/AcceptingUi.h"

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
    ASSERT_EQ(analysis->Tabs()->count(), std::size(names) + 1) << "and the real circuit's";
    for (std::size_t tab = 0; tab < std::size(names); ++tab) {
        GraphPane* pane = analysis->Pane(static_cast<AnalysisTab>(tab));
        analysis->Tabs()->setCurrentWidget(pane);
        QTest::qWait(20);
        EXPECT_FALSE(pane->Plot()->xAxis->label().isEmpty());
        EXPECT_FALSE(pane->Plot()->yAxis->label().isEmpty());
        EXPECT_GT(pane->Plot()->height(), analysis->height() / 2) << "the plot fills its pane";
        EXPECT_EQ(pane->Graph().note, "") << names[tab];
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
    Redesign([](CKorvelView& view) { ASSERT_TRUE(ConvertToDigital(view, 48000)); });
    const GraphData& graph = analysis->Pane(AnalysisTab::Magnitude)->Graph();
    ASSERT_TRUE(graph.nyquist.has_value());
    EXPECT_EQ(*graph.nyquist, 24000);
    EXPECT_EQ(graph.curves[0].x.back(), 24000);
    EXPECT_GT(graph.x.high, 24000) << "the marker stands inside the frame";
    testing::SaveScreenshot(analysis, QStringLiteral("analysis-digital"));
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

TEST_F(AnalysisWindowTest, WritesTheCoefficientsInTheFormatTheExtensionNames) {
    QTemporaryDir folder;
    const struct {
        const char* name;
        const char* start;
    } files[] = {{"sos.csv", "section,n2,n1,n0,d2,d1,d0\n"}, {"sos.json", "{"}, {"sos.h", ""}};
    for (const auto& f : files) {
        const QString path = folder.filePath(QString::fromUtf8(f.name));
        EXPECT_EQ(analysis->ExportCoefficients(path), QString()) << f.name;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << f.name;
        const QByteArray text = file.readAll();
        EXPECT_TRUE(text.startsWith(f.start)) << f.name;
        EXPECT_GT(text.size(), 100) << f.name;
    }
    EXPECT_NE(analysis->ExportCoefficients(folder.filePath(QStringLiteral("sos.txt"))), QString());
}

// Accepts every dialog of the circuit output run and writes its schematic to `schematic`.
class SchematicUser : public testing::AcceptingUi {
public:
    explicit SchematicUser(QString schematic) : schematic_(std::move(schematic)) {}
    std::optional<std::string> SaveFileName(const FileDialogRequest&) override {
        return schematic_.toStdString();
    }
    std::string ProgramDirectory() override { return VORNA_BIN_DIR "/"; }

private:
    QString schematic_;
};

TEST_F(AnalysisWindowTest, VerifiesTheRealisedCircuitWithEnvelopeYieldAndSectionTable) {
    QTemporaryDir folder;
    const QString home = QDir::currentPath();
    QDir::setCurrent(folder.path());  // the run appends to journal.txt here
    SchematicUser user(folder.filePath(QStringLiteral("circuit.asc")));
    VerificationPanel* panel = analysis->Verification();
    const std::optional<verify::RealisedCircuit> circuit = panel->RealiseDesign(user);
    QDir::setCurrent(home);
    ASSERT_TRUE(circuit.has_value()) << (user.messages.empty() ? "" : user.messages.back());

    VerificationOptions options;
    options.gbwHz = 1e12;
    options.tolerance.runs = 200;
    panel->Verify(*circuit, options);
    const GraphData& graph = panel->Pane()->Graph();
    ASSERT_EQ(graph.curves.size(), 7) << "simulated, ideal and five envelope curves";
    for (std::size_t i = 0; i < graph.curves[0].y.size(); i += 50) {
        EXPECT_NEAR(graph.curves[0].y[i], graph.curves[1].y[i], 0.1) << "a near-ideal op-amp";
    }
    EXPECT_TRUE(panel->YieldLine().contains(QStringLiteral("歩留まり")))
        << panel->YieldLine().toStdString();
    EXPECT_EQ(panel->Table()->rowCount(), document->View().sectionLast + 1);
    const QString csv = folder.filePath(QStringLiteral("sections.csv"));
    EXPECT_EQ(panel->ExportTable(csv), QString());
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count('\n'), panel->Table()->rowCount() + 1);

    // Stopped from its progress dialog, a run keeps the results shown and says so; the event
    // loop went on meanwhile.
    const std::vector<double> shown = graph.curves[0].y;
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
    tick.start(5);
    QTimer::singleShot(0, panel, [panel] {
        panel->findChild<QProgressDialog*>(QStringLiteral("verificationProgress"))->cancel();
    });
    options.tolerance.runs = 100000;
    panel->Verify(*circuit, options);
    EXPECT_GT(ticks, 2);
    EXPECT_EQ(panel->Pane()->Graph().curves[0].y, shown);
    EXPECT_TRUE(panel->YieldLine().contains(QStringLiteral("歩留まり")));
    EXPECT_TRUE(panel->YieldLine().endsWith(
        QStringLiteral("検証を中止しました｡表示は前回の結果のままです｡")));
    analysis->Tabs()->setCurrentWidget(panel);
    QTest::qWait(20);
    testing::SaveScreenshot(analysis, QStringLiteral("analysis-circuit"));
}

}  // namespace
}  // namespace vorna
