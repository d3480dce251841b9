// The analysis window opened from a design window as a user opens it: it follows the
// design, zooms and pans with keys, reads the cursor and writes each graph as PNG, SVG and
// CSV. Screenshots of every tab go to $VORNA_SCREENSHOT_DIR when it is set.

#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "Commands.h"
#include "DocumentWindow.h"
#include "GuiTestSupport.h"
#include "MainWindow.h"
#include "ViewWidget.h"
#include "analysis/AnalysisWindow.h"
#include "analysis/GraphPane.h"
#include "analysis/SchematicExport.h"
#include "analysis/SchematicPanel.h"
#include "analysis/SchematicView.h"
#include "analysis/VerificationPanel.h"
#include "app/DigitalConversionCommand.h"
#include "app/DocumentResults.h"
#include "dialogs/OutputChoiceDialog.h"
#include "document/DesignWindowFile.h"
#include "output/BillOfMaterials.h"
#include "platform/CLocale.h"
#include "schematic/AscFile.h"
#include "support/AcceptingUi.h"
#include "view/SchematicDrawing.h"

namespace vorna {
namespace {

class AnalysisWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame.show();
        document = frame.NewDocument();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !document->View().noDesignYet; }));
        frame.Action(kCommandAnalysis)->trigger();
        analysis = document->findChild<AnalysisWindow*>();
        ASSERT_NE(analysis, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(analysis));
    }

    // Changes the design behind the design window's back and lets it repaint.
    void Redesign(const std::function<void(DesignView&)>& change) {
        change(document->View());
        QSignalSpy painted(document->Area(), &ViewWidget::Painted);
        document->Area()->repaint();
        ASSERT_GE(painted.count(), 1);
    }

    MainWindow frame;
    DocumentWindow* document = nullptr;
    AnalysisWindow* analysis = nullptr;
};

TEST_F(AnalysisWindowTest, OneWindowPerDesignShowingEveryTabWithTitledAxes) {
    frame.Action(kCommandAnalysis)->trigger();
    EXPECT_EQ(document->findChildren<AnalysisWindow*>().size(), 1);
    const char* const names[] = {"magnitude", "passband", "phase",   "groupdelay",
                                 "step",      "impulse",  "polezero"};
    ASSERT_EQ(analysis->Tabs()->count(), std::size(names) + 2)
        << "and the real circuit's and the schematic's";
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

TEST_F(AnalysisWindowTest, TheShownGraphTakesTheKeysWithoutAClickAndTheWheelFocusesIt) {
    GraphPane* magnitude = analysis->Pane(AnalysisTab::Magnitude);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == magnitude->Plot(); }));
    const double shown = magnitude->Plot()->xAxis->range().size();
    testing::PressKey(analysis, Qt::Key_Plus);
    EXPECT_LT(magnitude->Plot()->xAxis->range().size(), shown);
    GraphPane* phase = analysis->Pane(AnalysisTab::Phase);
    analysis->Tabs()->setCurrentWidget(analysis->Verification());
    EXPECT_EQ(QApplication::focusWidget(), analysis->Verification()->Pane()->Plot());
    analysis->Tabs()->setCurrentWidget(phase);
    EXPECT_EQ(QApplication::focusWidget(), phase->Plot());
    analysis->findChild<QPushButton*>(QStringLiteral("exportCoefficients"))->setFocus();
    const QPointF at(phase->Plot()->width() / 2.0, phase->Plot()->height() / 2.0);
    QWheelEvent wheel(at, phase->Plot()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(phase->Plot(), &wheel);
    EXPECT_EQ(QApplication::focusWidget(), phase->Plot());
}

TEST_F(AnalysisWindowTest, AViewBeyondTheCurvesEvaluatesThemThereInTheSameTurns) {
    analysis->findChild<QCheckBox*>(QStringLiteral("unwrapPhase"))->setChecked(true);
    for (AnalysisTab tab :
         {AnalysisTab::Magnitude, AnalysisTab::Phase, AnalysisTab::GroupDelay, AnalysisTab::Step}) {
        GraphPane* pane = analysis->Pane(tab);
        SCOPED_TRACE(pane->Graph().title);
        QCPAxis* x = pane->Plot()->xAxis;
        const bool log = x->scaleType() == QCPAxis::stLogarithmic;
        const QCPRange first = x->range();
        const double probe = log ? std::sqrt(first.lower * first.upper) : first.upper / 2;
        const double before = pane->Graph().exact ? pane->Graph().exact(probe) : 0;
        // Zoomed out: the curves reach the view's ends.
        const QCPRange wide = log ? QCPRange(first.lower / 100, first.upper * 100)
                                  : QCPRange(first.lower, first.upper * 4);
        x->setRange(wide);
        const Curve& out = pane->Graph().curves.front();
        if (log) {
            EXPECT_LE(out.x.front(), wide.lower);
        }
        EXPECT_GE(out.x.back(), wide.upper);
        if (pane->Graph().exact) {
            EXPECT_NEAR(pane->Graph().exact(probe), before, 1e-9);
        }
        if (!log) continue;
        // Zoomed far in: the view holds many points.
        const QCPRange narrow(probe, probe * 1.001);
        x->setRange(narrow);
        const Curve& in = pane->Graph().curves.front();
        const auto inside =
            std::count_if(in.x.begin(), in.x.end(), [&](double v) { return narrow.contains(v); });
        EXPECT_GT(inside, 100);
        if (pane->Graph().exact) {
            EXPECT_NEAR(pane->Graph().exact(probe), before, 1e-9);
        }
    }
}

TEST_F(AnalysisWindowTest, RippleAboveUnityGainIsShownAndKeepsToTheMask) {
    QTemporaryDir folder;
    for (const char* order : {"6", "5"}) {
        SCOPED_TRACE(order);
        const QString file = folder.filePath(QStringLiteral("chebyshev%1.vorna").arg(order));
        QProcess cli;
        cli.start(QStringLiteral(VORNA_BIN_DIR "/vorna-cli"),
                  {"design", "--kind", "lp", "--approx", "chebyshev", "--by-order", "--order",
                   order, "--attp", "0.1", "--fc", "1KHz", "--save", file});
        ASSERT_TRUE(cli.waitForFinished(30000));
        ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        DocumentWindow* design = frame.OpenDocument(file);
        ASSERT_NE(design, nullptr);
        AnalysisWindow* window = ShowAnalysisWindow(*design);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        const GraphData& passband = window->Pane(AnalysisTab::Passband)->Graph();
        double top = -1;
        for (std::size_t i = 0; i < passband.curves[0].x.size(); ++i) {
            if (passband.curves[0].x[i] > design->Document().fp) break;
            top = std::max(top, passband.curves[0].y[i]);
            EXPECT_GT(passband.curves[0].y[i], passband.y.low);
            EXPECT_LT(passband.curves[0].y[i], passband.y.high);
        }
        EXPECT_GT(top, order[0] == '6' ? 0.09 : -1e-3);
        const GraphData& magnitude = window->Pane(AnalysisTab::Magnitude)->Graph();
        for (const MaskRegion& region : magnitude.mask) {
            if (!region.ceiling) {
                EXPECT_GT(region.limit, passband.y.low) << "the floor is shown";
            }
            for (std::size_t i = 0; i < magnitude.curves[0].x.size(); ++i) {
                const double hz = magnitude.curves[0].x[i];
                const double gain = magnitude.curves[0].y[i];
                if (hz < region.x0 || hz > region.x1 || std::isnan(gain)) continue;
                EXPECT_TRUE(region.ceiling ? gain <= region.limit + 1e-6
                                           : gain >= region.limit - 1e-6)
                    << hz << " Hz: " << gain << " dB";
            }
        }
        window->Tabs()->setCurrentIndex(static_cast<int>(AnalysisTab::Passband));
        testing::SaveScreenshot(window, QStringLiteral("analysis-passband-chebyshev%1").arg(order));
    }
}

TEST_F(AnalysisWindowTest, SvgExportDrawsNothingOutsideTheAxes) {
    GraphPane* pane = analysis->Pane(AnalysisTab::Magnitude);
    analysis->Tabs()->setCurrentWidget(pane);
    // A view that cuts the curve, the pass-band floor and the stop-band ceiling.
    pane->Plot()->xAxis->setRange(700, 2000);
    pane->Plot()->yAxis->setRange(-40, -1);
    pane->Plot()->replot();
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("cut.png"));
    const QString svg = folder.filePath(QStringLiteral("cut.svg"));
    ASSERT_EQ(pane->ExportTo(png), QString());
    ASSERT_EQ(pane->ExportTo(svg), QString());
    const QImage drawn = QImage(png).convertToFormat(QImage::Format_RGB32);
    QImage rendered(drawn.size(), QImage::Format_RGB32);
    rendered.fill(Qt::white);
    QPainter painter(&rendered);
    QSvgRenderer(svg).render(&painter);
    painter.end();
    // The PNG is clipped to the axes: what the SVG colours lies where the PNG's colours lie.
    const auto coloured = [](const QImage& image) {
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.hsvSaturation() > 80 && c.value() < 250) box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    };
    const QRect axes = coloured(drawn);
    ASSERT_FALSE(axes.isEmpty());
    EXPECT_TRUE(axes.adjusted(-2, -2, 2, 2).contains(coloured(rendered)))
        << coloured(rendered).width() << " x " << coloured(rendered).height();
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
    Redesign([](DesignView& view) { ASSERT_TRUE(ConvertToDigital(view, 48000)); });
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
    // A C header's name of the user's, which must be a C identifier.
    const QString named = folder.filePath(QStringLiteral("lp.h"));
    EXPECT_EQ(analysis->ExportCoefficients(named, QStringLiteral("lp")), QString());
    QFile header(named);
    ASSERT_TRUE(header.open(QIODevice::ReadOnly));
    EXPECT_TRUE(header.readAll().contains("static const double lp_gain"));
    const QString refused = folder.filePath(QStringLiteral("int.h"));
    EXPECT_NE(analysis->ExportCoefficients(refused, QStringLiteral("int")), QString());
    EXPECT_FALSE(QFile::exists(refused));
}

// Accepts every dialog of the circuit output run (choosing it in the output command's) and
// writes its schematic to `schematic`.
class SchematicUser : public testing::AcceptingUi {
public:
    explicit SchematicUser(QString schematic) : schematic_(std::move(schematic)) {}
    std::optional<std::string> SaveFileName(const FileDialogRequest&) override {
        return schematic_.toStdString();
    }
    std::string ProgramDirectory() override { return VORNA_BIN_DIR "/"; }

protected:
    void Answer(Dialog& dialog) override {
        if (dialog.Id() == kOutputChoiceDialogId) dialog.UserClick(kOutputSchematic);
        dialog.UserClick(IDOK);
    }

private:
    QString schematic_;
};

TEST_F(AnalysisWindowTest, VerifiesTheRealisedCircuitWithEnvelopeYieldAndSectionTable) {
    QTemporaryDir folder;
    const QString home = QDir::currentPath();
    QDir::setCurrent(folder.path());  // the run appends to journal.txt here
    SchematicUser user(folder.filePath(QStringLiteral("circuit.asc")));
    VerificationPanel* panel = analysis->Verification();
    const bool made = document->MakeCircuitOutput(user);
    QDir::setCurrent(home);
    ASSERT_TRUE(made) << (user.messages.empty() ? "" : user.messages.back());
    const verify::RealisedCircuit* circuit = document->Circuit().Circuit();

    // The verify button asks for the options only and simulates the circuit kept.
    QTimer::singleShot(0, panel, [panel] {
        auto* dialog = panel->findChild<VerificationDialog*>();
        if (dialog == nullptr) {
            ADD_FAILURE() << "a circuit output ran again";
            QApplication::activeModalWidget()->close();
            return;
        }
        auto* opAmp = dialog->findChild<QComboBox*>(QString(), Qt::FindDirectChildrenOnly);
        opAmp->setCurrentIndex(opAmp->count() - 1);
        dialog->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly)
            ->setText(QStringLiteral("1e12"));
        dialog->findChild<QSpinBox*>(QString(), Qt::FindDirectChildrenOnly)->setValue(0);
        dialog->accept();
    });
    const std::vector<ElementValue> written = circuit->elements;
    panel->findChild<QPushButton*>(QStringLiteral("verifyCircuit"))->click();
    EXPECT_TRUE(panel->YieldLine().startsWith(QStringLiteral("GB積 1 THz ")))
        << panel->YieldLine().toStdString();
    ASSERT_EQ(document->Circuit().Circuit(), circuit);
    EXPECT_EQ(circuit->elements.size(), written.size());
    EXPECT_EQ(panel->Table()->horizontalHeaderItem(3)->text().toStdString(),
              Text(TextId::SectionGainColumn));
    const QString compensatedNote =
        QString::fromStdString(Format(Text(TextId::CompensatedForOtherGbw), "1 MHz"));
    EXPECT_FALSE(panel->YieldLine().contains(compensatedNote));

    VerificationOptions options;
    options.gbwHz = 1e12;
    options.tolerance.runs = 200;
    panel->Verify(*circuit, options);
    const GraphData& graph = panel->Pane()->Graph();
    ASSERT_EQ(graph.curves.size(), 7) << "simulated, ideal and five envelope curves";
    // Each has a colour of its own, clearly apart from the others'.
    QCustomPlot* plot = panel->Pane()->Plot();
    for (int i = 0; i < plot->plottableCount(); ++i) {
        for (int j = 0; j < i; ++j) {
            const QColor a = plot->plottable(i)->pen().color();
            const QColor b = plot->plottable(j)->pen().color();
            EXPECT_GT(std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                          std::abs(a.blue() - b.blue()),
                      100)
                << i << " and " << j;
        }
    }
    for (std::size_t i = 0; i < graph.curves[0].y.size(); i += 50) {
        EXPECT_NEAR(graph.curves[0].y[i], graph.curves[1].y[i], 0.1) << "a near-ideal op-amp";
    }
    EXPECT_TRUE(panel->YieldLine().contains(QStringLiteral("歩留まり")))
        << panel->YieldLine().toStdString();
    EXPECT_EQ(panel->Table()->rowCount(), document->View().sectionLast + 1);
    // A circuit pre-compensated for another GBW says so.
    verify::RealisedCircuit compensated = *circuit;
    compensated.compensationGbwHz = 1e6;
    options.tolerance.runs = 0;
    panel->Verify(compensated, options);
    EXPECT_TRUE(panel->YieldLine().contains(compensatedNote)) << panel->YieldLine().toStdString();
    options.gbwHz = 1e6;
    panel->Verify(compensated, options);
    EXPECT_FALSE(panel->YieldLine().contains(compensatedNote));
    options.gbwHz = 1e12;
    options.tolerance.runs = 200;
    panel->Verify(*circuit, options);
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

// The circuit of the design window's output command in the schematic tab: drawn, listed by
// value (its CSV as the command line writes it), exported; after a change of the design it
// is still shown, said to be the previous design's.
TEST_F(AnalysisWindowTest, SchematicTabShowsListsAndExportsTheLastCircuitOutput) {
    SchematicPanel* panel = analysis->Schematic();
    EXPECT_EQ(panel->Notice().toStdString(), Text(TextId::SchematicNoCircuitYet));
    EXPECT_EQ(panel->Bom()->rowCount(), 0);
    analysis->Tabs()->setCurrentWidget(panel);
    QTest::qWait(20);
    testing::SaveScreenshot(analysis, QStringLiteral("analysis-schematic-none"));
    QTemporaryDir folder;
    const QString home = QDir::currentPath();
    const std::pair<const char*, int> designs[] = {
        {"lowpass", kLowPass}, {"bandpass", kBandPass}, {"notch", kBandEliminate}};
    for (const auto& [name, kind] : designs) {
        DesignSettings settings = CaptureSettings(document->View());
        settings.kind = kind;
        settings.byOrder = true;
        settings.order = 4;
        ASSERT_EQ(ApplySettings(settings, document->View()), std::nullopt);
        RecomputeResults(document->View(), document->Document());
        const QString asc = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".asc"));
        SchematicUser user(asc);
        QDir::setCurrent(folder.path());
        document->View().OnOutput(user);
        QDir::setCurrent(home);
        const verify::RealisedCircuit* circuit = document->Circuit().Circuit();
        ASSERT_NE(circuit, nullptr) << name << (user.messages.empty() ? "" : user.messages.back());
        EXPECT_EQ(panel->Notice(), QString());

        QFile file(asc);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        std::vector<std::string> problems;
        const installation::Schematic written = installation::ParseAsc(
            installation::AscLines(file.readAll().toStdString(), &problems), &problems);
        ASSERT_TRUE(problems.empty()) << problems.front();
        const std::vector<BomLine> parts = BillOfMaterials(written);
        EXPECT_EQ(panel->BomText(), BomCsv(parts)) << name;
        int quantity = 0;
        for (int row = 0; row < panel->Bom()->rowCount(); ++row)
            quantity += panel->Bom()->item(row, 3)->text().toInt();
        EXPECT_EQ(quantity, static_cast<int>(parts.size())) << name;
        EXPECT_LT(panel->Bom()->rowCount(), static_cast<int>(parts.size())) << "grouped";

        const DrawingSize size = SchematicDrawingSize(written);
        for (const char* extension : {"svg", "png", "pdf", "txt"}) {
            const QString path =
                folder.filePath(QStringLiteral("%1.%2").arg(name, QString::fromLatin1(extension)));
            const bool refused = std::string_view(extension) == "txt";
            EXPECT_EQ(ExportSchematic(circuit->schematic, path.toStdString()).isEmpty(), !refused);
            EXPECT_EQ(QFile::exists(path), !refused) << extension;
        }
        EXPECT_EQ(
            QImage(folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"))).width(),
            2 * size.width);
        QFile pdf(folder.filePath(QString::fromLatin1(name) + QStringLiteral(".pdf")));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_TRUE(pdf.read(5) == "%PDF-");

        analysis->Tabs()->setCurrentWidget(panel);
        QTest::qWait(20);
        const double fitted = panel->View()->Scale();
        panel->View()->ZoomIn();
        EXPECT_GT(panel->View()->Scale(), fitted);
        panel->View()->Fit();
        EXPECT_DOUBLE_EQ(panel->View()->Scale(), fitted);
        testing::SaveScreenshot(analysis, QStringLiteral("analysis-schematic-%1").arg(name));
    }

    Redesign([](DesignView& view) {
        view.GetDocument().fp1 = 1100;
        RecomputeResults(view, view.GetDocument());
    });
    EXPECT_EQ(panel->Notice().toStdString(), Text(TextId::CircuitOfPreviousDesign));
    EXPECT_EQ(analysis->Verification()->Notice(), panel->Notice());
    EXPECT_GT(panel->Bom()->rowCount(), 0) << "still shown";
    testing::SaveScreenshot(analysis, QStringLiteral("analysis-schematic-previous"));
}

}  // namespace
}  // namespace vorna
