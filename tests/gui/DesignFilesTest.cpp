// Design files on the desktop: opened from the command line, saved, titles with their
// modified marks, the question before a changed design closes, bad files, a maximised
// window, the keyboard focus after a dialog and the files an output names.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "CDesignApp.h"
#include "CMainFrame.h"
#include "Commands.h"
#include "DocumentWindow.h"
#include "GuiTestSupport.h"
#include "app/CKorvelDoc.h"
#include "document/DesignWindowFile.h"
#include "view/CKorvelView.h"

namespace vorna {
namespace {

using testing::Answer;
using testing::ClickControl;
using testing::MessageText;
using testing::ModalDriver;

const QString kTitle = QString::fromUtf8("アクティブフィルタの設計支援ツール Vorna ver.3.30 <-");

// The files opened and saved here stay off the recent list of the other tests.
class DesignFiles : public ::testing::Test {
protected:
    void TearDown() override { QSettings().clear(); }
};

// A band-pass elliptic design file.
QString BandPassFile(const QTemporaryDir& folder, const char* name) {
    CKorvelDoc doc;
    CKorvelView view(doc);
    DesignSettings settings = CaptureSettings(view);
    settings.kind = kBandPass;
    settings.approximation = kElliptic;
    settings.attp = 0.5;
    EXPECT_EQ(ApplySettings(settings, view), std::nullopt);
    const QString path = folder.filePath(QString::fromLatin1(name));
    EXPECT_EQ(SaveDesignFile(path.toStdString(), view), std::nullopt);
    return path;
}

QString ActiveTitle(const CMainFrame& frame) {
    return frame.DocumentArea()->activeSubWindow()->windowTitle();
}

// Chooses the pole-zero plot in dialog 300: a change of the design window.
void ChoosePoleZeroPlot(CMainFrame& frame) {
    ModalDriver driver;
    driver.On(QStringLiteral("dialog300"), [](QWidget* dialog) {
        ClickControl(dialog, 302);
        ClickControl(dialog, 1);
    });
    driver.Run([&] { frame.Action(kCommandGraphSelect)->trigger(); });
}

TEST_F(DesignFiles, CommandLineOpensTheDesignWithItsNameInTheTitle) {
    QTemporaryDir folder;
    const QString path = BandPassFile(folder, "a.vorna");
    CDesignApp app;
    app.InitInstance({path});
    CMainFrame& frame = app.MainFrame();
    ASSERT_EQ(frame.Documents().size(), 1);
    DocumentWindow* document = frame.ActiveDocument();
    EXPECT_EQ(document->Document().kind, kBandPass);
    EXPECT_EQ(document->Document().approximation, kElliptic);
    EXPECT_EQ(document->View().noDesignYet, 0);
    EXPECT_EQ(frame.windowTitle(), kTitle + QStringLiteral(" - a.vorna"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    testing::SaveScreenshot(&frame, QStringLiteral("opened-design"));
}

TEST_F(DesignFiles, SaveMarksAndQuestionsFollowTheChanges) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("saved.vorna"));
    CMainFrame frame;
    DocumentWindow* document = frame.NewDocument();
    EXPECT_EQ(ActiveTitle(frame), QStringLiteral("Korvel1"));
    ChoosePoleZeroPlot(frame);
    EXPECT_EQ(ActiveTitle(frame), QStringLiteral("Korvel1 *"));

    ModalDriver save;
    save.On(QStringLiteral("saveFileChooser"), [&](QWidget* w) {
        auto* chooser = qobject_cast<QFileDialog*>(w);
        EXPECT_EQ(chooser->nameFilters().front(), QString::fromUtf8("KORVEL ﾌｧｲﾙ (*.vorna)"));
        chooser->selectFile(path);
        QMetaObject::invokeMethod(chooser, "accept");
    });
    save.Run([&] { frame.Action(kCommandSave)->trigger(); });
    EXPECT_EQ(ActiveTitle(frame), QStringLiteral("saved.vorna"));
    EXPECT_EQ(document->FilePath(), path);
    EXPECT_EQ(frame.Recent().Paths().front(), path);
    EXPECT_TRUE(frame.findChild<QLabel*>(QStringLiteral("messagePane"))->text().contains(path));

    // A second change is saved by Ctrl+S without a chooser.
    ChoosePoleZeroPlot(frame);
    EXPECT_FALSE(document->IsModified());  // the same choice again changes nothing
    document->View().eSeriesChoice = 5;
    EXPECT_TRUE(document->IsModified());
    ModalDriver quiet;
    quiet.Run([&] { frame.Action(kCommandSave)->trigger(); });
    EXPECT_FALSE(document->IsModified());

    // Closing a changed window asks; Cancel keeps it, No closes it without saving.
    document->View().eSeriesChoice = 1;
    for (const int answer : {IDCANCEL, IDNO}) {
        ModalDriver close;
        close.On(QStringLiteral("messageBox"), [answer](QWidget* box) {
            EXPECT_EQ(MessageText(box), QString::fromUtf8("saved.vorna への変更を保存しますか?"));
            Answer(box, answer);
        });
        close.Run([&] { frame.DocumentArea()->activeSubWindow()->close(); });
        QApplication::processEvents();
        EXPECT_EQ(frame.Documents().size(), answer == IDCANCEL ? 1 : 0);
    }
}

TEST_F(DesignFiles, ExitAsksForEveryChangedDesignAndCancelStops) {
    CMainFrame frame;
    frame.show();
    frame.NewDocument();
    frame.NewDocument()->View().eSeriesChoice = 1;
    frame.NewDocument()->View().eSeriesChoice = 2;
    ModalDriver driver;
    driver.On(QStringLiteral("messageBox"), [](QWidget* box) {
        EXPECT_EQ(MessageText(box), QString::fromUtf8("Korvel2 への変更を保存しますか?"));
        Answer(box, IDNO);
    });
    driver.On(QStringLiteral("messageBox"), [](QWidget* box) {
        EXPECT_EQ(MessageText(box), QString::fromUtf8("Korvel3 への変更を保存しますか?"));
        Answer(box, IDCANCEL);
    });
    driver.Run([&] { frame.Action(kCommandExit)->trigger(); });
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.Documents().size(), 3);
}

TEST_F(DesignFiles, BadFileOpensNothing) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bad.vorna"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"vorna-design\", \"version\": 1}");
    file.close();
    CMainFrame frame;
    frame.NewDocument();
    ModalDriver driver;
    driver.On(QStringLiteral("messageBox"), [&](QWidget* box) {
        EXPECT_EQ(MessageText(box), QString::fromUtf8("設計ファイル「%1」を開けません。\n"
                                                      "「design」がありません。")
                                        .arg(path));
        Answer(box, IDOK);
    });
    driver.Run([&] { frame.OpenDocument(path); });
    EXPECT_EQ(frame.Documents().size(), 1);
    EXPECT_EQ(ActiveTitle(frame), QStringLiteral("Korvel1"));
}

TEST_F(DesignFiles, FileOpenedOverAMaximisedWindowIsMaximisedAndTitled) {
    QTemporaryDir folder;
    const QString path = BandPassFile(folder, "b.vorna");
    CMainFrame frame;
    frame.show();
    frame.NewDocument();
    frame.DocumentArea()->activeSubWindow()->showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.OpenDocument(path);
    QApplication::processEvents();
    EXPECT_TRUE(frame.DocumentArea()->activeSubWindow()->isMaximized());
    EXPECT_EQ(frame.windowTitle(), kTitle + QStringLiteral(" - [b.vorna]"));
    testing::SaveScreenshot(&frame, QStringLiteral("opened-maximised"));
}

TEST_F(DesignFiles, FocusReturnsToTheDesignWindowAfterADialog) {
    CMainFrame frame;
    frame.show();
    DocumentWindow* document = frame.NewDocument();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    frame.menuBar()->setFocus();
    ChoosePoleZeroPlot(frame);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
    QWidget* focus = frame.focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus == document || document->isAncestorOf(focus))
        << focus->metaObject()->className();
}

// Picking a family in the font chooser keeps the upright style when the family has one,
// even when its upright style is not called "Regular" (DejaVu's "Book").
TEST_F(DesignFiles, FontChooserKeepsANewFamilyUpright) {
    CMainFrame frame;
    DocumentWindow* document = frame.NewDocument();
    ModalDriver driver;
    driver.On(QStringLiteral("fontChooser"), [](QWidget* chooser) {
        QListView* families = chooser->findChildren<QListView*>().front();
        const auto found = families->model()->match(families->model()->index(0, 0), Qt::DisplayRole,
                                                    QStringLiteral("DejaVu Sans Mono"));
        ASSERT_FALSE(found.isEmpty());
        families->setCurrentIndex(found.front());
        qobject_cast<QFontDialog*>(chooser)->accept();
    });
    driver.Run([&] { frame.Action(kCommandFont)->trigger(); });
    EXPECT_EQ(document->View().viewFont.faceName, "DejaVu Sans Mono");
    EXPECT_FALSE(document->View().viewFont.italic);
    EXPECT_EQ(document->View().viewFont.weight, 400);
}

}  // namespace
}  // namespace vorna
