// A design window driven like a user drives it: a new design through dialog 100 and its
// parameter dialog, the graph choice with a refused entry, the coefficient list, the font,
// printing to a PDF file and copying to the clipboard.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "Commands.h"
#include "DocumentWindow.h"
#include "GuiTestSupport.h"
#include "MainWindow.h"
#include "Printing.h"
#include "ViewWidget.h"
#include "view/GraphFrame.h"

namespace vorna {
namespace {

using testing::Answer;
using testing::ClickControl;
using testing::DarkRows;
using testing::MessageText;
using testing::ModalDriver;
using testing::PickItem;
using testing::SaveScreenshot;
using testing::TypeInto;

class DesignWindow : public ::testing::Test {
protected:
    void SetUp() override {
        frame.show();
        document = frame.NewDocument();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !document->View().noDesignYet; }));
    }

    // Runs a command of the menu bar while `script` works in its windows, then lets the
    // view repaint.
    void Command(int id, const std::function<void(ModalDriver&)>& script) {
        ModalDriver driver;
        script(driver);
        driver.Run([&] { frame.Action(id)->trigger(); });
        Repainted();
    }

    QImage Repainted() {
        QSignalSpy painted(document->Area(), &ViewWidget::Painted);
        document->Area()->repaint();
        EXPECT_GE(painted.count(), 1);
        return document->Area()->grab().toImage();
    }

    MainWindow frame;
    DocumentWindow* document = nullptr;
};

TEST_F(DesignWindow, FirstPaintShowsTheDefaultLowPass) {
    const DesignView& view = document->View();
    EXPECT_EQ(view.resultOrder, 18);
    EXPECT_EQ(view.lineHeight, 16) << "read back from the 16-unit mincho font";
    const QImage image = Repainted();
    // The gain curve runs along the top of the pass band on the left and leaves the frame
    // through its bottom on the right.
    EXPECT_FALSE(DarkRows(image, kFrameLeft + 40, kFrameTop, kFrameBottom).empty());
    SaveScreenshot(&frame, QStringLiteral("main-window"));
}

TEST_F(DesignWindow, FilterSelectionRunsThroughTheRenderedDialogs) {
    const QImage before = Repainted();
    Command(kCommandFilterSelect, [](ModalDriver& driver) {
        driver.On(QStringLiteral("dialog100"), [](QWidget* w) {
            EXPECT_EQ(w->windowTitle(), QString::fromUtf8("フィルタの種類選択"));
            SaveScreenshot(w, QStringLiteral("dialog100"));
            ClickControl(w, 102);
            ClickControl(w, 115);
            ClickControl(w, 1);
        });
        driver.On(QStringLiteral("dialog511"), [](QWidget* w) {
            SaveScreenshot(w, QStringLiteral("dialog511"));
            PickItem(w, 521, 2);
            TypeInto(w, 535, QStringLiteral("2"));
            TypeInto(w, 534, QStringLiteral("8"));
            testing::PressKey(w, Qt::Key_Return);
        });
    });
    const DesignDocument& doc = document->Document();
    EXPECT_EQ(doc.kind, kHighPass);
    EXPECT_EQ(doc.figures.order, 8);
    EXPECT_DOUBLE_EQ(doc.figures.fc, 2000.0);
    EXPECT_EQ(document->View().resultOrder, 8);
    EXPECT_EQ(document->View().displayMode, DisplayMode::Graph);

    const QImage after = Repainted();
    SaveScreenshot(document, QStringLiteral("high-pass"));
    // The curve left the low end of the frame and now crosses its high end at other rows.
    const auto changed = [](const std::vector<int>& a, const std::vector<int>& b) {
        return a != b;
    };
    const int left = kFrameLeft + 40;
    const int right = kFrameRight - 20;
    EXPECT_TRUE(changed(DarkRows(before, left, kFrameTop, kFrameBottom),
                        DarkRows(after, left, kFrameTop, kFrameBottom)));
    EXPECT_TRUE(changed(DarkRows(before, right, kFrameTop, kFrameBottom),
                        DarkRows(after, right, kFrameTop, kFrameBottom)));
    EXPECT_FALSE(DarkRows(after, right, kFrameTop, kFrameBottom).empty());
}

TEST_F(DesignWindow, GraphChoiceRefusesTooFewPointsAndSwitchesToThePoleZeroPlot) {
    const QImage response = Repainted();
    Command(kCommandGraphSelect, [](ModalDriver& driver) {
        driver.On(QStringLiteral("dialog300"), [](QWidget* w) {
            SaveScreenshot(w, QStringLiteral("dialog300"));
            ClickControl(w, 302);
            TypeInto(w, 2401, QStringLiteral("5"));
            ClickControl(w, 1);
            EXPECT_TRUE(w->isVisible()) << "a refused entry keeps the dialog open";
            TypeInto(w, 2401, QStringLiteral("100"));
            ClickControl(w, 1);
        });
        driver.On(QStringLiteral("messageBox"), [](QWidget* box) {
            EXPECT_EQ(MessageText(box),
                      QStringLiteral("Please enter an integer between 10 and 1000."));
            SaveScreenshot(box, QStringLiteral("message"));
            Answer(box, 1);
        });
    });
    EXPECT_EQ(document->View().graphKind, GraphKind::PoleZero);
    EXPECT_EQ(document->View().pointsPerDecade, 100);
    EXPECT_NE(Repainted(), response);
    SaveScreenshot(document, QStringLiteral("pole-zero"));
}

TEST_F(DesignWindow, CoefficientReportChoiceShowsTheCoefficientList) {
    const QImage graph = Repainted();
    Command(kCommandOutput, [](ModalDriver& driver) {
        driver.On(QStringLiteral("dialog400"), [](QWidget* w) {
            SaveScreenshot(w, QStringLiteral("dialog400"));
            ClickControl(w, 402);
            ClickControl(w, 1);
        });
        driver.On(QStringLiteral("saveFileChooser"), [](QWidget* chooser) { chooser->close(); });
    });
    EXPECT_EQ(document->View().displayMode, DisplayMode::CoefficientList);
    const QImage list = Repainted();
    EXPECT_NE(list, graph);
    // No frame: the frame's left edge is gone below the header.
    EXPECT_TRUE(DarkRows(list, kFrameLeft, kFrameTop + 40, kFrameBottom - 40).empty());
    SaveScreenshot(document, QStringLiteral("coefficients"));
}

TEST_F(DesignWindow, FontChoiceChangesTheLineStepAndCancelKeepsTheFont) {
    const FontDescription original = document->View().viewFont;
    Command(kCommandFont, [](ModalDriver& driver) {
        driver.On(QStringLiteral("fontChooser"), [](QWidget* chooser) { chooser->close(); });
    });
    EXPECT_EQ(document->View().viewFont, original);
    Command(kCommandFont, [](ModalDriver& driver) {
        driver.On(QStringLiteral("fontChooser"), [](QWidget* chooser) {
            auto* dialog = qobject_cast<QFontDialog*>(chooser);
            QFont bigger = dialog->currentFont();
            bigger.setPointSize(18);
            dialog->setCurrentFont(bigger);
            dialog->accept();
        });
    });
    EXPECT_EQ(document->View().viewFont.height, -24);
    EXPECT_EQ(document->View().viewFont.faceName, original.faceName);
    EXPECT_EQ(document->View().lineHeight, 24);
}

TEST_F(DesignWindow, PrintsOnePageToAPdfFile) {
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("design.pdf")));
    ASSERT_TRUE(PrintView(printer, document->View()));
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(pdf.readAll());
    EXPECT_EQ(content.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
    EXPECT_GT(pdf.size(), 2000);
    // Printing leaves the screen's coloured pens in place.
    EXPECT_EQ(document->View().curvePens, DesignView::kCurvePens);
}

TEST_F(DesignWindow, PrintPreviewShowsOnePage) {
    Command(kCommandPrintPreview, [](ModalDriver& driver) {
        driver.On(QStringLiteral("printPreview"), [](QWidget* preview) {
            const auto* pages = preview->findChild<QPrintPreviewWidget*>();
            ASSERT_NE(pages, nullptr);
            EXPECT_EQ(pages->pageCount(), 1);
            SaveScreenshot(preview, QStringLiteral("print-preview"));
            preview->close();
        });
    });
}

TEST_F(DesignWindow, CopyPutsTheVisiblePartOnTheClipboard) {
    frame.DocumentArea()->activeSubWindow()->resize(400, 300);
    QApplication::processEvents();
    document->verticalScrollBar()->setValue(document->verticalScrollBar()->maximum() / 2);
    QApplication::clipboard()->clear();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_Insert, Qt::ControlModifier);
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), document->viewport()->size() * copied.devicePixelRatio());
    EXPECT_LT(copied.height(), kViewHeight);
}

}  // namespace
}  // namespace vorna
