#pragma once
// Helpers of the desktop program's tests: a Qt application for every test, a driver that
// works in modal windows while a command waits for them, and the user's actions on the
// widgets of a rendered dialog.

#include <QImage>
#include <QObject>
#include <QString>
#include <QWidget>
#include <deque>
#include <functional>

#include "text/Texts.h"

namespace vorna::testing {

// Acts in modal windows (dialogs, message boxes) as they open, one step per window, in the
// order given; a step matches the window by its object name ("dialog100", "messageBox").
class ModalDriver {
public:
    using Action = std::function<void(QWidget*)>;

    ModalDriver& On(const QString& objectName, Action action);
    // Runs `trigger` and returns when it has returned. Steps that were never reached fail
    // the test; after `timeoutMs` every open modal window is closed so that nothing hangs.
    void Run(const std::function<void()>& trigger, int timeoutMs = 30000);

private:
    struct Step {
        QString objectName;
        Action action;
    };
    void Poll();

    QObject timers_;  // pending polls end with the driver
    std::deque<Step> steps_;
    std::vector<QWidget*> acting_;
    qint64 deadline_ = 0;
    bool running_ = false;
};

QWidget* ControlWidget(QWidget* dialog, int controlId);
// Replaces the text of an edit box or editable combo box by typing.
void TypeInto(QWidget* dialog, int controlId, const QString& text);
// Clicks a push button, radio button or check box with the mouse.
void ClickControl(QWidget* dialog, int controlId);
// Chooses list item `index` of a combo box.
void PickItem(QWidget* dialog, int controlId, int index);
// Presses a key in whatever widget of the window has the focus.
void PressKey(QWidget* window, int key);
// The text of a message box, and a click on its answer (IDOK, IDCANCEL, IDYES, IDNO).
QString MessageText(QWidget* messageBox);
void Answer(QWidget* messageBox, int answer);

// Every text in `language` while it lives; Japanese again afterwards.
class LanguageScope {
public:
    explicit LanguageScope(Language language) { SetLanguage(language); }
    ~LanguageScope() { SetLanguage(Language::Japanese); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

// Writes the design file of a new design window to `path`.
void WriteNewDesignFile(const QString& path);

// Saves a picture of `widget` as <name>.png in $VORNA_SCREENSHOT_DIR when it is set.
void SaveScreenshot(QWidget* widget, const QString& name);

// Rows y in (top, bottom) of column x whose pixel is nearly black.
std::vector<int> DarkRows(const QImage& image, int x, int top, int bottom);

}  // namespace vorna::testing
