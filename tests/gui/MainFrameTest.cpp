// The main frame: title, menus and their commands, toolbar, status bar, command line,
// document windows, recent files, help documents and the about box.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUrl>

#include "CDesignApp.h"
#include "CMainFrame.h"
#include "Commands.h"
#include "DocumentWindow.h"
#include "GuiTestSupport.h"

namespace vorna {
namespace {

using testing::Answer;
using testing::ClickControl;
using testing::MessageText;
using testing::ModalDriver;

const QString kTitle = QString::fromUtf8("アクティブフィルタの設計支援ツール Vorna ver.3.30 <-");

QStringList TopLevelTexts(const QMenuBar* bar) {
    QStringList texts;
    for (const QAction* action : bar->actions()) texts << action->text();
    return texts;
}

QStringList VisibleTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (action->isVisible())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

TEST(MainFrame, StartsWithOneDesignWindowAtTheGivenPlace) {
    CDesignApp app;
    app.InitInstance({});
    CMainFrame& frame = app.MainFrame();
    EXPECT_EQ(frame.geometry(), QRect(400, 200, 1000, 900));
    ASSERT_EQ(frame.Documents().size(), 1);
    EXPECT_EQ(frame.DocumentArea()->activeSubWindow()->windowTitle(), QStringLiteral("Korvel1"));
    EXPECT_EQ(frame.windowTitle(), kTitle + QStringLiteral(" - Korvel1"));
    frame.NewDocument();
    EXPECT_EQ(frame.windowTitle(), kTitle + QStringLiteral(" - Korvel2"));
    frame.DocumentArea()->activeSubWindow()->showMaximized();
    EXPECT_EQ(frame.windowTitle(), kTitle + QStringLiteral(" - [Korvel2]"));
    frame.DocumentArea()->closeAllSubWindows();
    EXPECT_EQ(frame.windowTitle(), kTitle);
}

TEST(MainFrame, MenuBarHoldsFileSixPlainCommandsAndHelp) {
    CMainFrame frame;
    const QStringList expected{
        QString::fromUtf8("ﾌｧｲﾙ(&F)"),           QString::fromUtf8("フィルタの種類選択(&S)"),
        QString::fromUtf8("パラメータ入力(&P)"), QString::fromUtf8("フィルタの変換(&C)"),
        QString::fromUtf8("グラフ表示(&G)"),     QString::fromUtf8("表示・出力(&D)"),
        QString::fromUtf8("フォント(&M)"),       QString::fromUtf8("ﾍﾙﾌﾟ(&H)"),
    };
    EXPECT_EQ(TopLevelTexts(frame.menuBar()), expected);
    const QList<QAction*> actions = frame.menuBar()->actions();
    for (qsizetype i = 1; i <= 6; ++i)
        EXPECT_EQ(actions[i]->menu(), nullptr) << "item " << i << " is a popup";
    EXPECT_EQ(actions[1], frame.Action(kCommandFilterSelect));
    EXPECT_EQ(actions[6], frame.Action(kCommandFont));

    const QStringList file = VisibleTexts(actions[0]->menu());
    EXPECT_EQ(file.mid(0, 3),
              (QStringList{QString::fromUtf8("新規作成(&N)"), QString::fromUtf8("開く(&O)..."),
                           QString::fromUtf8("データファイルを開く(&D)")}));
    EXPECT_TRUE(file.contains(QString::fromUtf8("印刷ﾌﾟﾚﾋﾞｭｰ(&V)")));
    EXPECT_TRUE(file.contains(QString::fromUtf8("最近使ったﾌｧｲﾙ")));
    EXPECT_EQ(file.back(), QString::fromUtf8("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"));
    EXPECT_EQ(VisibleTexts(actions[7]->menu()).size(), 6);  // four documents, separator, about
}

TEST(MainFrame, CommandsCarryTheirStatusPromptsAndKeys) {
    CMainFrame frame;
    const struct {
        int id;
        const char* prompt;
    } cases[] = {
        {kCommandAbout, "ﾌﾟﾛｸﾞﾗﾑ情報､ﾊﾞｰｼﾞｮﾝ､版権の表示"},
        {kCommandHelp, "現在の作業やｺﾏﾝﾄﾞに関するﾍﾙﾌﾟを表示"},
        {kCommandDesignExamples, "設計例を表示"},
        {kCommandHelpIndex, "ﾍﾙﾌﾟ項目を表示"},
        {kCommandHelpUsing, "ﾍﾙﾌﾟの使い方の説明を表示"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frame.Action(c.id)->statusTip(), QString::fromUtf8(c.prompt)) << c.id;
    EXPECT_EQ(frame.Action(kCommandHelp)->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(
        frame.Action(kCommandCopy)->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Insert)));
    EXPECT_TRUE(
        frame.Action(kCommandCopy)->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_C)));

    const auto* toolbar = frame.findChild<QToolBar*>(QStringLiteral("toolBar"));
    ASSERT_NE(toolbar, nullptr);
    QList<int> slotIds;
    for (QAction* action : toolbar->actions()) {
        slotIds << (action->isSeparator() ? 0 : action->objectName().mid(7).toInt());
    }
    EXPECT_EQ(slotIds, (QList<int>{kCommandNew, 0, kCommandCopy, 0, kCommandPrint, kCommandAbout}));

    QStringList panes;
    for (const QLabel* label : frame.statusBar()->findChildren<QLabel*>()) panes << label->text();
    EXPECT_EQ(panes,
              (QStringList{QString::fromUtf8("ﾚﾃﾞｨ"), QString::fromUtf8("ｶﾅ"),
                           QStringLiteral("CAP"), QStringLiteral("NUM"), QStringLiteral("SCRL")}));
}

TEST(MainFrame, DocumentCommandsNeedADocumentWindow) {
    CMainFrame frame;
    const int documentCommands[] = {600, 640, 610,          620,           630,
                                    650, 660, kCommandCopy, kCommandPrint, kCommandPrintPreview};
    for (int id : documentCommands) {
        EXPECT_FALSE(frame.Action(id)->isEnabled()) << id;
    }
    frame.NewDocument();
    for (int id : documentCommands) {
        EXPECT_TRUE(frame.Action(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(frame.Action(kCommandNew)->isEnabled());
}

TEST(MainFrame, CommandLineSwitchesAndPaths) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("design.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const struct {
        QStringList arguments;
        int windows;
        QString title;
    } cases[] = {
        {{}, 1, QStringLiteral("Korvel1")},        {{QStringLiteral("-e")}, 0, {}},
        {{QStringLiteral("/E")}, 0, {}},           {{QStringLiteral("-Embedding")}, 0, {}},
        {{path}, 1, QStringLiteral("design.txt")},
    };
    for (const auto& c : cases) {
        CDesignApp app;
        app.InitInstance(c.arguments);
        ASSERT_EQ(app.MainFrame().Documents().size(), c.windows)
            << c.arguments.join(u' ').toStdString();
        if (c.windows == 1) {
            EXPECT_EQ(app.MainFrame().DocumentArea()->activeSubWindow()->windowTitle(), c.title);
        }
    }
}

TEST(MainFrame, OpenedDocumentsGoOnTheRecentListAndMissingOnesAreReported) {
    QTemporaryDir folder;
    QStringList paths;
    for (int i = 0; i < 5; ++i) {
        paths << folder.filePath(QStringLiteral("d%1.txt").arg(i));
        QFile file(paths.back());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    {
        CMainFrame frame;
        for (const QString& path : paths) frame.OpenDocument(path);
        EXPECT_EQ(frame.Documents().size(), 5);
        frame.OpenDocument(paths[2]);  // already open: that window comes to the front
        EXPECT_EQ(frame.Documents().size(), 5);
        EXPECT_EQ(frame.DocumentArea()->activeSubWindow()->windowTitle(), QStringLiteral("d2.txt"));
        EXPECT_EQ(frame.Recent().Paths(), (QStringList{paths[4], paths[3], paths[2], paths[1]}));
    }
    CMainFrame again;  // the list is kept between runs
    EXPECT_EQ(again.Recent().Paths().size(), 4);
    EXPECT_TRUE(again.Action(kCommandRecentFirst)->text().endsWith(QStringLiteral("d4.txt")));
    QFile::remove(paths[4]);
    ModalDriver driver;
    driver.On(QStringLiteral("messageBox"), [&](QWidget* box) {
        EXPECT_TRUE(MessageText(box).contains(QStringLiteral("d4.txt")))
            << MessageText(box).toStdString();
        Answer(box, 1);
    });
    driver.Run([&] { again.Action(kCommandRecentFirst)->trigger(); });
    EXPECT_TRUE(again.Documents().isEmpty());
    EXPECT_EQ(again.Recent().Paths(), (QStringList{paths[3], paths[2], paths[1]}));
}

TEST(MainFrame, OpenChooserOffersTheDocumentFileType) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("filter.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    CMainFrame frame;
    ModalDriver driver;
    driver.On(QStringLiteral("openFileChooser"), [&](QWidget* w) {
        auto* chooser = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->nameFilters().front(), QString::fromUtf8("KORVEL ﾌｧｲﾙ (*.txt)"));
        chooser->selectFile(path);
        QMetaObject::invokeMethod(chooser, "accept");
    });
    driver.Run([&] { frame.Action(kCommandOpen)->trigger(); });
    ASSERT_EQ(frame.Documents().size(), 1);
    EXPECT_EQ(frame.DocumentArea()->activeSubWindow()->windowTitle(), QStringLiteral("filter.txt"));
}

TEST(MainFrame, DroppedFilesOpenAsDocuments) {
    QTemporaryDir folder;
    QList<QUrl> urls;
    for (const char* name : {"a.txt", "b.txt"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        urls << QUrl::fromLocalFile(file.fileName());
    }
    CMainFrame frame;
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(500, 400), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(500, 400), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    ASSERT_EQ(frame.Documents().size(), 2);
    EXPECT_EQ(frame.DocumentArea()->activeSubWindow()->windowTitle(), QStringLiteral("b.txt"));
}

TEST(MainFrame, HelpDocumentsThatAreMissingOpenNothing) {
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    CMainFrame frame;
    ModalDriver driver;  // no steps: any window that opened would stay unanswered
    driver.Run([&] {
        for (const int id :
             {kCommandHelp, kCommandDesignExamples, kCommandHelpIndex, kCommandHelpUsing}) {
            frame.Action(id)->trigger();
        }
    });
    QDir::setCurrent(previous);
}

TEST(MainFrame, AboutBoxShowsVersionAndDate) {
    CMainFrame frame;
    ModalDriver driver;
    driver.On(QStringLiteral("dialog10"), [](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("バージョン情報"));
        QStringList texts;
        for (const QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
        for (const char* text :
             {"Vorna Ver.3.30", "アクティブフィルタの設計支援ツール", "1995/03/14"}) {
            EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
        }
        const auto* icon = testing::ControlWidget(dialog, 1001);
        ASSERT_NE(icon, nullptr);
        EXPECT_FALSE(qobject_cast<const QLabel*>(icon)->pixmap().isNull());
        testing::SaveScreenshot(dialog, QStringLiteral("dialog10"));
        ClickControl(dialog, 1);
    });
    driver.Run([&] { frame.Action(kCommandAbout)->trigger(); });
}

}  // namespace
}  // namespace vorna
