// The desktop's language: from the command line, else from the settings, where the View
// menu keeps the user's choice and applies it to the windows opened afterwards; the encoding
// of the reports and the journal: the View menu's choice, else the language's.

#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "Commands.h"
#include "DesignApplication.h"
#include "DocumentWindow.h"
#include "GuiTestSupport.h"
#include "LanguageChoice.h"
#include "MainWindow.h"
#include "analysis/AnalysisWindow.h"
#include "analysis/GraphPane.h"
#include "platform/FileTextEncoding.h"
#include "platform/ShiftJisText.h"
#include "text/Message.h"
#include "view/DesignView.h"

namespace vorna {
namespace {

using testing::Answer;
using testing::MessageText;
using testing::ModalDriver;

class DesktopLanguage : public ::testing::Test {
protected:
    void TearDown() override {
        QSettings().remove(QStringLiteral("Settings"));
        SetLanguage(Language::Japanese);
        SetFileTextEncoding(FileTextEncoding::Cp932);
    }
};

TEST_F(DesktopLanguage, CommandLineWinsOverTheSettingAndABadValueIsNamed) {
    const struct {
        std::optional<Language> saved;
        QStringList arguments;
        Language expected;
        const char* badValue;  // named in a message box when not nullptr
    } cases[] = {
        {std::nullopt, {}, Language::Japanese, nullptr},
        {Language::English, {}, Language::English, nullptr},
        {Language::English,
         {QStringLiteral("--lang"), QStringLiteral("ja")},
         Language::Japanese,
         nullptr},
        {std::nullopt,
         {QStringLiteral("-e"), QStringLiteral("--lang=EN")},
         Language::English,
         nullptr},
        {Language::English,
         {QStringLiteral("--lang"), QStringLiteral("fr")},
         Language::English,
         "fr"},
        {std::nullopt, {QStringLiteral("--lang")}, Language::Japanese, ""},
    };
    for (const auto& c : cases) {
        const std::string name = c.arguments.join(u' ').toStdString();
        QSettings().remove(QStringLiteral("Settings"));
        if (c.saved) SaveLanguage(*c.saved);
        DesignApplication app;
        ModalDriver driver;
        if (c.badValue != nullptr) {
            driver.On(QStringLiteral("messageBox"), [&](QWidget* box) {
                EXPECT_EQ(MessageText(box).toStdString(),
                          vorna::MessageText({TextId::DesktopLanguageInvalid, {c.badValue}}))
                    << name;
                Answer(box, IDOK);
            });
        }
        driver.Run([&] { app.InitInstance(c.arguments); });
        EXPECT_EQ(CurrentLanguage(), c.expected) << name;
        EXPECT_EQ(app.MainFrame().menuBar()->actions().front()->text(),
                  QString::fromUtf8(Text(TextId::MenuFile, c.expected)))
            << name;
    }
}

// The title of the filter selection dialog and the file type label of the toolkit's file
// chooser, as a window opened now shows them.
QStringList NewWindowTexts(MainWindow& frame) {
    QStringList texts;
    ModalDriver driver;
    driver.On(QStringLiteral("dialog100"), [&](QWidget* dialog) {
        texts << dialog->windowTitle();
        QMetaObject::invokeMethod(dialog, "reject");
    });
    driver.On(QStringLiteral("openFileChooser"), [&](QWidget* chooser) {
        const auto* label = chooser->findChild<QLabel*>(QStringLiteral("fileTypeLabel"));
        texts << (label != nullptr ? label->text() : QString());
        QMetaObject::invokeMethod(chooser, "reject");
    });
    driver.Run([&] {
        frame.Action(kCommandFilterSelect)->trigger();
        frame.Action(kCommandOpen)->trigger();
    });
    return texts;
}

TEST_F(DesktopLanguage, MenuChoiceAppliesToNewWindowsAtOnceAndIsKeptForTheNextStart) {
    {
        DesignApplication app;
        app.InitInstance({QStringLiteral("-e")});
        MainWindow& frame = app.MainFrame();
        frame.NewDocument();
        EXPECT_TRUE(frame.Action(kCommandLanguageJapanese)->isChecked());
        const QStringList japanese = NewWindowTexts(frame);
        for (const Language language : {Language::English, Language::Japanese, Language::English}) {
            ModalDriver driver;
            driver.On(QStringLiteral("messageBox"), [&](QWidget* box) {
                EXPECT_EQ(MessageText(box),
                          QString::fromUtf8(Text(TextId::LanguageAppliesToNewWindows, language)));
                Answer(box, IDOK);
            });
            const int command =
                language == Language::English ? kCommandLanguageEnglish : kCommandLanguageJapanese;
            driver.Run([&] { frame.Action(command)->trigger(); });
            EXPECT_EQ(CurrentLanguage(), language);
            EXPECT_EQ(CurrentFileTextEncoding(), DefaultFileTextEncoding(language));
            const QStringList texts = NewWindowTexts(frame);
            EXPECT_EQ(texts.front(), QString::fromUtf8(Text(TextId::FilterSelectTitle)));
            if (language == Language::English) {
                EXPECT_EQ(texts.back(), QStringLiteral("Files of type:"));
                EXPECT_TRUE(frame.Action(kCommandEncodingUtf8)->isChecked());
            } else {
                EXPECT_EQ(texts, japanese);
            }
        }
        // The language shown chosen again: nothing to say.
        ModalDriver().Run([&] { frame.Action(kCommandLanguageEnglish)->trigger(); });
    }
    EXPECT_EQ(SavedLanguage(), Language::English);
    DesignApplication app;
    app.InitInstance({QStringLiteral("-e")});
    EXPECT_EQ(CurrentLanguage(), Language::English);
    EXPECT_TRUE(app.MainFrame().Action(kCommandLanguageEnglish)->isChecked());
}

TEST_F(DesktopLanguage, ReportsAreWrittenInTheChosenEncodingElseTheLanguages) {
    const struct {
        const char* language;
        int chosen;  // 0: no encoding chosen
        FileTextEncoding expected;
    } cases[] = {
        {"ja", 0, FileTextEncoding::Cp932},
        {"ja", kCommandEncodingUtf8, FileTextEncoding::Utf8},
        {"en", 0, FileTextEncoding::Utf8},
        {"en", kCommandEncodingCp932, FileTextEncoding::Cp932},
    };
    for (const auto& c : cases) {
        const std::string name = std::string(c.language) + " " + std::to_string(c.chosen);
        QSettings().remove(QStringLiteral("Settings"));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("report.txt"));
        DesignApplication app;
        app.InitInstance({QStringLiteral("--lang"), QString::fromLatin1(c.language)});
        MainWindow& frame = app.MainFrame();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return frame.ActiveDocument()->View().noDesignYet == 0; }));
        if (c.chosen != 0) frame.Action(c.chosen)->trigger();
        ModalDriver driver;
        driver.On(QStringLiteral("dialog400"), [](QWidget* dialog) {
            testing::ClickControl(dialog, 402);
            testing::ClickControl(dialog, IDOK);
        });
        driver.On(QStringLiteral("saveFileChooser"), [&](QWidget* w) {
            // Typed, as the chooser may still be taking its initial "*.txt" as a filter.
            w->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            QMetaObject::invokeMethod(w, "accept");
        });
        driver.On(QStringLiteral("messageBox"), [](QWidget* box) { Answer(box, IDOK); });
        driver.Run([&] { frame.Action(kCommandOutput)->trigger(); });
        QFile report(path);
        ASSERT_TRUE(report.open(QIODevice::ReadOnly)) << name;
        const std::string title = Text(TextId::CoefficientReportTitle);
        const std::string expected =
            c.expected == FileTextEncoding::Utf8 ? title : Utf8ToShiftJis(title);
        EXPECT_NE(report.readAll().toStdString().find(expected), std::string::npos) << name;
    }
    // The last choice is kept for the next start.
    DesignApplication app;
    app.InitInstance({QStringLiteral("-e"), QStringLiteral("--lang"), QStringLiteral("en")});
    EXPECT_EQ(CurrentFileTextEncoding(), FileTextEncoding::Cp932);
}

TEST_F(DesktopLanguage, ToolkitChoosersSpeakEnglishWithEnglishChosen) {
    DesignApplication app;
    app.InitInstance({QStringLiteral("-e"), QStringLiteral("--lang"), QStringLiteral("en")});
    ModalDriver driver;
    driver.On(QStringLiteral("openFileChooser"), [&](QWidget* chooser) {
        const auto* label = chooser->findChild<QLabel*>(QStringLiteral("fileTypeLabel"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QStringLiteral("Files of type:"));
        testing::SaveScreenshot(chooser, QStringLiteral("openFileChooser-en"));
        QMetaObject::invokeMethod(chooser, "reject");
    });
    driver.Run([&] { app.MainFrame().Action(kCommandOpen)->trigger(); });
}

// Every text a widget of `root` or its windows shows: titles, menu and tool texts with their
// prompts, labels, buttons, frames, tabs and the graphs' titles and axes.
QStringList ShownTexts(QWidget* root) {
    QStringList texts{root->windowTitle()};
    for (const QAction* action : root->findChildren<QAction*>())
        texts << action->text() << action->statusTip() << action->toolTip();
    for (const QWidget* widget : root->findChildren<QWidget*>()) texts << widget->windowTitle();
    for (const QLabel* label : root->findChildren<QLabel*>()) texts << label->text();
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QGroupBox* box : root->findChildren<QGroupBox*>()) texts << box->title();
    for (const QTabWidget* tabs : root->findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    }
    for (const QCustomPlot* plot : root->findChildren<QCustomPlot*>()) {
        for (const QCPAxisRect* rect : plot->axisRects()) {
            for (const QCPAxis* axis : rect->axes()) texts << axis->label();
        }
        for (int i = 0; i < plot->plotLayout()->elementCount(); ++i) {
            if (const auto* title = qobject_cast<QCPTextElement*>(plot->plotLayout()->elementAt(i)))
                texts << title->text();
        }
    }
    return texts;
}

TEST_F(DesktopLanguage, EnglishDesktopShowsNoJapaneseCharacter) {
    DesignApplication app;
    app.InitInstance({QStringLiteral("--lang"), QStringLiteral("en")});
    MainWindow& frame = app.MainFrame();
    DocumentWindow* document = frame.ActiveDocument();
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return document->View().noDesignYet == 0; }));
    testing::SaveScreenshot(&frame, QStringLiteral("mainframe-en"));
    frame.Action(kCommandAnalysis)->trigger();
    auto* analysis = document->findChild<AnalysisWindow*>();
    ASSERT_NE(analysis, nullptr);
    for (int i = 0; i < analysis->Tabs()->count(); ++i) {
        analysis->Tabs()->setCurrentIndex(i);
        QTest::qWait(20);
        testing::SaveScreenshot(analysis, QStringLiteral("analysis-%1-en").arg(i));
    }
    const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    // Japanese is named in its own script, as the menu text and its tip.
    const QString ownName = LanguageMenuText(Language::Japanese).remove(u'&');
    for (const QString& text : ShownTexts(&frame)) {
        if (QString(text).remove(u'&') == ownName) continue;
        EXPECT_FALSE(text.contains(japanese)) << text.toStdString();
    }
}

}  // namespace
}  // namespace vorna
