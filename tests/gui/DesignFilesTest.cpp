// Design files on the desktop: opened from the command line, saved, titles with their
// modified marks, the question before a changed design closes, bad files, a maximised
// window, the keyboard focus after a dialog and the font chooser's style.

#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QFontDialog>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "Commands.h"
#include "DesignApplication.h"
#include "DocumentWindow.h"
#include "GuiTestSupport.h"
#include "MainWindow.h"
#include "document/DesignWindowFile.h"

namespace vorna {
namespace {

using testing::Answer;
using testing::MessageText;
using testing::ModalDriver;

const QString kTitle = QString::fromUtf8("アクティブフィルタの設計支援ツール Vorna ver.3.30 <-");

// The files opened and saved here stay off the recent list of the other tests.
class DesignFiles : public ::testing::Test {
protected:
    void TearDown() override { QSettings().clear(); }

    // A band-pass elliptic design file.
    QString BandPassFile(const char* name) {
        DocumentWindow window(QStringLiteral("scratch"));
        DesignSettings settings = CaptureSettings(window.View());
        settings.kind = kBandPass;
        settings.approximation = kElliptic;
        EXPECT_EQ(ApplySettings(settings, window.View()), std::nullopt);
        const QString path = folder.filePath(QString::fromLatin1(name));
        EXPECT_EQ(window.SaveAs(path), std::nullopt);
        return path;
    }
    // Runs `trigger`, answering the one message box it shows with `answer`.
    static QString Answered(int answer, const std::function<void()>& trigger) {
        QString text;
        ModalDriver driver;
        driver.On(QStringLiteral("messageBox"), [&](QWidget* box) {
            text = MessageText(box);
            Answer(box, answer);
        });
        driver.Run(trigger);
        return text;
    }
    static QString ActiveTitle(const MainWindow& frame) {
        return frame.DocumentArea()->activeSubWindow()->windowTitle();
    }

    QTemporaryDir folder;
};

TEST_F(DesignFiles, CommandLineOpensTheDesignAndABadFileOpensNothing) {
    DesignApplication app;
    app.InitInstance({BandPassFile("a.vorna")});
    MainWindow& frame = app.MainFrame();
    ASSERT_EQ(frame.Documents().size(), 1);
    EXPECT_EQ(frame.ActiveDocument()->Document().kind, kBandPass);
    EXPECT_FALSE(frame.ActiveDocument()->View().noDesignYet);
    EXPECT_EQ(frame.windowTitle(), kTitle + QStringLiteral(" - a.vorna"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    testing::SaveScreenshot(&frame, QStringLiteral("opened-design"));

    const QString bad = folder.filePath(QStringLiteral("bad.vorna"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"vorna-design\", \"version\": 1}");
    file.close();
    EXPECT_EQ(
        Answered(IDOK, [&] { frame.OpenDocument(bad); }),
        QString::fromUtf8("設計ファイル「%1」を開けません。\n「design」がありません。").arg(bad));
    EXPECT_EQ(frame.Documents().size(), 1);
}

TEST_F(DesignFiles, SaveMarksAndQuestionsFollowTheChanges) {
    const QString path = folder.filePath(QStringLiteral("saved.vorna"));
    MainWindow frame;
    DocumentWindow* document = frame.NewDocument();
    ModalDriver graph;
    graph.On(QStringLiteral("dialog300"), [](QWidget* dialog) {
        testing::ClickControl(dialog, 302);
        testing::ClickControl(dialog, 1);
    });
    graph.Run([&] { frame.Action(kCommandGraphSelect)->trigger(); });
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
    EXPECT_EQ(frame.Recent().Paths().front(), path);

    // Saved again without a chooser. A change then makes exit ask (Cancel stops it) and
    // closing the window ask (No closes it unsaved).
    document->View().eSeriesChoice = 5;
    ModalDriver().Run([&] { frame.Action(kCommandSave)->trigger(); });
    EXPECT_FALSE(document->IsModified());
    document->View().eSeriesChoice = 1;
    const QString question = QString::fromUtf8("saved.vorna への変更を保存しますか?");
    EXPECT_EQ(Answered(IDCANCEL, [&] { frame.close(); }), question);
    EXPECT_EQ(frame.Documents().size(), 1);
    EXPECT_EQ(Answered(IDNO, [&] { frame.DocumentArea()->activeSubWindow()->close(); }), question);
    EXPECT_TRUE(frame.Documents().isEmpty());
}

TEST_F(DesignFiles, FileOpenedOverAMaximisedWindowIsMaximisedAndTitled) {
    MainWindow frame;
    frame.show();
    frame.NewDocument();
    frame.DocumentArea()->activeSubWindow()->showMaximized();
    frame.OpenDocument(BandPassFile("b.vorna"));
    EXPECT_TRUE(frame.DocumentArea()->activeSubWindow()->isMaximized());
    EXPECT_EQ(frame.windowTitle(), kTitle + QStringLiteral(" - [b.vorna]"));
}

TEST_F(DesignFiles, FocusReturnsToTheDesignWindowAfterADialog) {
    MainWindow frame;
    frame.show();
    DocumentWindow* document = frame.NewDocument();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    frame.menuBar()->setFocus();
    ModalDriver driver;
    driver.On(QStringLiteral("dialog300"),
              [](QWidget* dialog) { testing::ClickControl(dialog, 1); });
    driver.Run([&] { frame.Action(kCommandGraphSelect)->trigger(); });
    EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
    ASSERT_NE(frame.focusWidget(), nullptr);
    EXPECT_TRUE(frame.focusWidget() == document || document->isAncestorOf(frame.focusWidget()));
}

// Picking a family keeps the upright style even when the family's upright style is not
// called "Regular" (DejaVu's "Book", listed after "Oblique").
TEST_F(DesignFiles, FontChooserKeepsANewFamilyUpright) {
    MainWindow frame;
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
