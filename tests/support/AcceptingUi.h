#pragma once
// A user who answers every message with OK and closes every dialog with OK as it opens,
// for tests and benchmarks that run whole designs or syntheses without a script. Files,
// fonts and the desktop are never offered anything. Subclasses change how a dialog is
// answered.

#include <optional>
#include <string>
#include <vector>

#include "dialogs/Dialog.h"
#include "platform/UnattendedUi.h"

namespace vorna::testing {

class AcceptingUi : public UnattendedUi {
public:
    std::vector<std::string> messages;
    int dialogs = 0;

    int MessageBox(const Message& message, MessageButtons) override {
        messages.push_back(MessageText(message));
        return IDOK;
    }
    int RunModal(Dialog& dialog) override {
        ++dialogs;
        dialog.Open(*this);
        Answer(dialog);
        return dialog.Result();
    }

protected:
    // Works in the open dialog until it closes; the default presses OK.
    virtual void Answer(Dialog& dialog) { dialog.UserClick(IDOK); }
};

}  // namespace vorna::testing
