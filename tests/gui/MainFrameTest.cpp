// The main frame: title, menus and their commands, toolbar, status bar, command line,
// document windows, recent files, help documents and the about box.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
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
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUrl>

#include "Commands.h"
#include "DesignApplication.h"
#include "DocumentWindow.h"
#include "GuiTestSupport.h"
#include "MainWindow.h"

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

TEST(MainFrame, StartsWithOneDesignWindowInsideTheScreen) {
    DesignApplication app;
    app.InitInstance({});
    MainWindow& frame = app.MainFrame();
    // 1000 x 900 at (400, 200) where the screen has room; on a smaller one moved and shrunk.
    const QRect available = frame.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(frame.frameGeometry())) << available.width();
    const QSize decoration = frame.frameGeometry().size() - frame.size();
    EXPECT_EQ(frame.size(), QSize(1000, 900).boundedTo(available.size() - decoration));
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

TEST(MainFrame, PlaceAndMaximisedDesignWindowsAreKeptBetweenRuns) {
    {
        MainWindow frame;
        frame.setGeometry(30, 40, 700, 500);
        frame.NewDocument()->parentWidget()->showMaximized();
        frame.SavePlacement();
    }
    {
        MainWindow frame;
        EXPECT_EQ(frame.geometry(), QRect(30, 40, 700, 500));
        EXPECT_TRUE(frame.NewDocument()->parentWidget()->isMaximized());
        frame.setGeometry(-500, 300, 3000, 2000);  // a place the screen no longer has
        frame.DocumentArea()->closeAllSubWindows();
        frame.SavePlacement();
    }
    MainWindow frame;
    EXPECT_TRUE(frame.screen()->availableGeometry().contains(frame.geometry()));
    EXPECT_FALSE(frame.NewDocument()->parentWidget()->isMaximized());
    QSettings().remove(QStringLiteral("MainFrame"));
}

TEST(MainFrame, WindowMenuListsTheWindowsAndArrangesThem) {
    MainWindow frame;
    frame.show();
    for (int i = 0; i < 3; ++i) frame.NewDocument();
    auto* menu = frame.findChild<QMenu*>(QStringLiteral("windowMenu"));
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    emit menu->aboutToShow();  // the list is rebuilt, not added to
    EXPECT_EQ(VisibleTexts(menu),
              (QStringList{QString::fromUtf8("重ねて表示(&C)"), QString::fromUtf8("並べて表示(&T)"),
                           QString::fromUtf8("アイコンの整列(&A)"), QStringLiteral("-"),
                           QStringLiteral("&1 Korvel1"), QStringLiteral("&2 Korvel2"),
                           QStringLiteral("&3 Korvel3")}));
    const QList<QAction*> entries = menu->actions().mid(4);
    EXPECT_TRUE(entries[2]->isChecked());
    entries[0]->trigger();
    EXPECT_EQ(frame.DocumentArea()->activeSubWindow()->windowTitle(), QStringLiteral("Korvel1"));

    const QList<QMdiSubWindow*> windows = frame.DocumentArea()->subWindowList();
    for (QMdiSubWindow* window : windows) window->showMinimized();
    windows[1]->move(200, 100);
    frame.Action(kCommandArrangeIcons)->trigger();
    const int bottom = frame.DocumentArea()->viewport()->height();
    for (QMdiSubWindow* window : windows) {
        EXPECT_EQ(window->geometry().bottom() + 1, bottom) << window->windowTitle().toStdString();
    }
    EXPECT_EQ(windows[1]->x(), windows[0]->width());
}

TEST(MainFrame, ToolkitChoosersSpeakJapanese) {
    DesignApplication app;
    app.InitInstance({QStringLiteral("-e")});
    ModalDriver driver;
    driver.On(QStringLiteral("openFileChooser"), [&](QWidget* chooser) {
        const auto* label = chooser->findChild<QLabel*>(QStringLiteral("fileTypeLabel"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8("ファイルの種類:"));
        testing::SaveScreenshot(chooser, QStringLiteral("openFileChooser"));
        QMetaObject::invokeMethod(chooser, "reject");
    });
    driver.Run([&] { app.MainFrame().Action(kCommandOpen)->trigger(); });
}

TEST(MainFrame, MenuBarHoldsFileSixPlainCommandsAndHelp) {
    MainWindow frame;
    const QStringList expected{
        QString::fromUtf8("ﾌｧｲﾙ(&F)"),           QString::fromUtf8("フィルタの種類選択(&S)"),
        QString::fromUtf8("パラメータ入力(&P)"), QString::fromUtf8("フィルタの変換(&C)"),
        QString::fromUtf8("グラフ表示(&G)"),     QString::fromUtf8("表示・出力(&D)"),
        QString::fromUtf8("フォント(&M)"),       QString::fromUtf8("解析(&A)"),
        QString::fromUtf8("表示(&V)"),           QString::fromUtf8("ｳｨﾝﾄﾞｳ(&W)"),
        QString::fromUtf8("ﾍﾙﾌﾟ(&H)"),
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
    EXPECT_EQ(actions[7], frame.Action(kCommandAnalysis));
    EXPECT_EQ(VisibleTexts(actions[8]->menu()),
              (QStringList{QString::fromUtf8("言語(&L)"), QString::fromUtf8("文字コード(&E)")}));
    EXPECT_EQ(VisibleTexts(actions[10]->menu()).size(), 6);  // four documents, separator, about
}

TEST(MainFrame, CommandsCarryTheirStatusPromptsAndKeys) {
    MainWindow frame;
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
    MainWindow frame;
    const int documentCommands[] = {600,
                                    640,
                                    610,
                                    620,
                                    630,
                                    650,
                                    660,
                                    kCommandCopy,
                                    kCommandPrint,
                                    kCommandPrintPreview,
                                    kCommandCascade,
                                    kCommandTile,
                                    kCommandArrangeIcons};
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
    const QString path = folder.filePath(QStringLiteral("design.vorna"));
    testing::WriteNewDesignFile(path);
    const struct {
        QStringList arguments;
        int windows;
        QString title;
    } cases[] = {
        {{}, 1, QStringLiteral("Korvel1")},
        {{QStringLiteral("-e")}, 0, {}},
        {{QStringLiteral("/E")}, 0, {}},
        {{QStringLiteral("-Embedding")}, 0, {}},
        {{path}, 1, QStringLiteral("design.vorna")},
    };
    for (const auto& c : cases) {
        DesignApplication app;
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
        paths << folder.filePath(QStringLiteral("d%1.vorna").arg(i));
        testing::WriteNewDesignFile(paths.back());
    }
    {
        MainWindow frame;
        for (const QString& path : paths) frame.OpenDocument(path);
        EXPECT_EQ(frame.Documents().size(), 5);
        frame.OpenDocument(paths[2]);  // already open: that window comes to the front
        EXPECT_EQ(frame.Documents().size(), 5);
        EXPECT_EQ(frame.DocumentArea()->activeSubWindow()->windowTitle(),
                  QStringLiteral("d2.vorna"));
        EXPECT_EQ(frame.Recent().Paths(), (QStringList{paths[4], paths[3], paths[2], paths[1]}));
    }
    MainWindow again;  // the list is kept between runs
    EXPECT_EQ(again.Recent().Paths().size(), 4);
    EXPECT_TRUE(again.Action(kCommandRecentFirst)->text().endsWith(QStringLiteral("d4.vorna")));
    QFile::remove(paths[4]);
    ModalDriver driver;
    driver.On(QStringLiteral("messageBox"), [&](QWidget* box) {
        EXPECT_TRUE(MessageText(box).contains(QStringLiteral("d4.vorna")))
            << MessageText(box).toStdString();
        Answer(box, 1);
    });
    driver.Run([&] { again.Action(kCommandRecentFirst)->trigger(); });
    EXPECT_TRUE(again.Documents().isEmpty());
    EXPECT_EQ(again.Recent().Paths(), (QStringList{paths[3], paths[2], paths[1]}));
}

TEST(MainFrame, OpenChooserOffersTheDocumentFileType) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("filter.vorna"));
    testing::WriteNewDesignFile(path);
    MainWindow frame;
    ModalDriver driver;
    driver.On(QStringLiteral("openFileChooser"), [&](QWidget* w) {
        auto* chooser = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->nameFilters().front(), QString::fromUtf8("KORVEL ﾌｧｲﾙ (*.vorna)"));
        chooser->selectFile(path);
        QMetaObject::invokeMethod(chooser, "accept");
    });
    driver.Run([&] { frame.Action(kCommandOpen)->trigger(); });
    ASSERT_EQ(frame.Documents().size(), 1);
    EXPECT_EQ(frame.DocumentArea()->activeSubWindow()->windowTitle(),
              QStringLiteral("filter.vorna"));
}

TEST(MainFrame, DroppedFilesOpenAsDocuments) {
    QTemporaryDir folder;
    QList<QUrl> urls;
    for (const char* name : {"a.vorna", "b.vorna"}) {
        testing::WriteNewDesignFile(folder.filePath(QString::fromLatin1(name)));
        urls << QUrl::fromLocalFile(folder.filePath(QString::fromLatin1(name)));
    }
    MainWindow frame;
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(500, 400), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(500, 400), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    ASSERT_EQ(frame.Documents().size(), 2);
    EXPECT_EQ(frame.DocumentArea()->activeSubWindow()->windowTitle(), QStringLiteral("b.vorna"));
}

// Records what the desktop was asked to open instead of opening it.
class DesktopRecorder : public QObject {
    Q_OBJECT
public:
    DesktopRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~DesktopRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QStringList opened;
public slots:
    void Open(const QUrl& url) { opened << url.toLocalFile(); }
};

TEST(MainFrame, HelpDocumentsOpenFromTheirFolderAndMissingOnesAreReported) {
    QTemporaryDir folder;
    QFile present(folder.filePath(QString::fromUtf8("Vorna 設計例-ver145.pdf")));
    ASSERT_TRUE(present.open(QIODevice::WriteOnly));
    present.close();
    MainWindow frame;
    frame.SetHelpFolder(folder.path());
    DesktopRecorder desktop;
    const struct {
        int id;
        const char* document;
        bool present;
    } cases[] = {
        {kCommandHelp, "Vorna 操作説明書.pdf", false},
        {kCommandDesignExamples, "Vorna 設計例-ver145.pdf", true},
        {kCommandHelpIndex, "Vorna 設計例-ver210.pdf", false},
        {kCommandHelpUsing, "アクティブフィルタの設計.pdf", false},
    };
    for (const auto& c : cases) {
        const QString path =
            QDir::toNativeSeparators(folder.filePath(QString::fromUtf8(c.document)));
        desktop.opened.clear();
        ModalDriver driver;
        if (!c.present) {
            driver.On(QStringLiteral("messageBox"), [&](QWidget* box) {
                EXPECT_EQ(MessageText(box),
                          path + QString::fromUtf8("\nﾍﾙﾌﾟ文書が見つかりません。"));
                Answer(box, 1);
            });
        }
        driver.Run([&] { frame.Action(c.id)->trigger(); });
        EXPECT_EQ(desktop.opened, c.present ? QStringList{path} : QStringList{}) << c.document;
    }
}

TEST(MainFrame, EnglishHelpFallsBackToTheJapaneseDocumentWhileItsOwnIsMissing) {
    QTemporaryDir folder;
    for (const char* name : {"Vorna Operating Manual.pdf", "Vorna 設計例-ver145.pdf"}) {
        QFile present(folder.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(present.open(QIODevice::WriteOnly));
    }
    const testing::LanguageScope english(Language::English);
    MainWindow frame;
    frame.SetHelpFolder(folder.path());
    DesktopRecorder desktop;
    const struct {
        int id;
        const char* opened;  // nullptr: the English document is reported missing
    } cases[] = {
        {kCommandHelp, "Vorna Operating Manual.pdf"},
        {kCommandDesignExamples, "Vorna 設計例-ver145.pdf"},
        {kCommandHelpUsing, nullptr},
    };
    for (const auto& c : cases) {
        desktop.opened.clear();
        ModalDriver driver;
        if (c.opened == nullptr) {
            driver.On(QStringLiteral("messageBox"), [&](QWidget* box) {
                EXPECT_TRUE(MessageText(box).startsWith(QDir::toNativeSeparators(
                    folder.filePath(QStringLiteral("Active Filter Design.pdf")))));
                Answer(box, 1);
            });
        }
        driver.Run([&] { frame.Action(c.id)->trigger(); });
        EXPECT_EQ(desktop.opened, c.opened != nullptr
                                      ? QStringList{QDir::toNativeSeparators(
                                            folder.filePath(QString::fromUtf8(c.opened)))}
                                      : QStringList{})
            << c.id;
    }
}

TEST(MainFrame, ADocumentNoProgramOpensIsReportedWithItsPath) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromUtf8("Vorna 設計例-ver145.pdf"));
    QFile present(path);
    ASSERT_TRUE(present.open(QIODevice::WriteOnly));
    present.close();
    MainWindow frame;
    frame.SetHelpFolder(folder.path());
    // The test platform has no program for any file.
    QString text;
    ModalDriver driver;
    driver.On(QStringLiteral("messageBox"), [&](QWidget* box) {
        text = MessageText(box);
        Answer(box, 1);
    });
    driver.Run([&] { frame.Action(kCommandDesignExamples)->trigger(); });
    EXPECT_TRUE(text.startsWith(QDir::toNativeSeparators(path) + u'\n')) << text.toStdString();
}

TEST(MainFrame, AboutBoxShowsVersionAndDate) {
    MainWindow frame;
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

#include "MainFrameTest.moc"
