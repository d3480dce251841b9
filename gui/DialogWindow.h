#pragma once
// The one dialog renderer: shows any core dialog from its resource (controls placed in dialog
// units of its font), forwards every user action to the dialog model, and after each action
// shows the control states the model holds, moves the focus where the model asks and closes
// when the model has ended.

#include <QDialog>
#include <map>
#include <memory>
#include <vector>

#include "DialogControls.h"
#include "dialogs/Dialog.h"

namespace vorna {

class QtUi;

class DialogWindow : public QDialog, private ControlEvents {
    Q_OBJECT
public:
    // `dialog` has been opened through `ui`.
    DialogWindow(Dialog& dialog, QtUi& ui, QWidget* parent);
    ~DialogWindow() override;

    // The classic dialog face colour behind every dialog and message box of the program.
    static QPalette FacePalette(QPalette base);

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ControlTextEdited(int controlId, const std::string& text) override;
    void ControlSelected(int controlId, int index) override;
    void ControlClicked(int controlId) override;

    // Runs one forwarded user action and shows its outcome.
    template <typename Action>
    void Forward(Action action);
    void ShowState(bool moveFocus);
    // Arrow keys inside a radio group move the check to the neighbouring radio.
    bool MoveInRadioGroup(int controlId, int step);

    Dialog& dialog_;
    QtUi& ui_;
    std::vector<std::unique_ptr<ControlBinding>> bindings_;
    std::map<int, ControlBinding*> byId_;
    int focusShown_ = 0;
};

}  // namespace vorna
