// The desktop's language: from the command line, else from the settings, where the View
// menu keeps the user's choice for the next start.

#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTest>

#include "Commands.h"
#include "DesignApplication.h"
#include "DocumentWindow.h"
#include "GuiTestSupport.h"
#include "LanguageChoice.h"
#include "MainWindow.h"
#include "analysis/AnalysisWindow.h"
#include "analysis/GraphPane.h"
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

TEST_F(DesktopLanguage, MenuChoiceIsKeptForTheNextStartAndAnnouncedInTheNewLanguage) {
    {
        DesignApplication app;
        app.InitInstance({QStringLiteral("-e")});
        MainWindow& frame = app.MainFrame();
        EXPECT_TRUE(frame.Action(kCommandLanguageJapanese)->isChecked());
        ModalDriver driver;
        driver.On(QStringLiteral("messageBox"), [](QWidget* box) {
            EXPECT_EQ(MessageText(box), QString::fromUtf8(Text(TextId::LanguageAppliesAtNextStart,
                                                               Language::English)));
            Answer(box, IDOK);
        });
        driver.Run([&] { frame.Action(kCommandLanguageEnglish)->trigger(); });
        EXPECT_EQ(CurrentLanguage(), Language::Japanese);  // this run keeps its language
        EXPECT_TRUE(frame.Action(kCommandLanguageEnglish)->isChecked());
    }
    EXPECT_EQ(SavedLanguage(), Language::English);
    DesignApplication app;
    app.InitInstance({QStringLiteral("-e")});
    EXPECT_EQ(CurrentLanguage(), Language::English);
    EXPECT_TRUE(app.MainFrame().Action(kCommandLanguageEnglish)->isChecked());
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
