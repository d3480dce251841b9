#pragma once
// The part of a Ui that no user is at hand for: the file and font choosers are cancelled,
// the desktop opens nothing and both folders are the current one. Message boxes and
// dialogs are left to the subclass, which decides how an unattended run answers them.

#include <optional>
#include <string>

#include "platform/Ui.h"

namespace vorna {

class UnattendedUi : public Ui {
public:
    std::optional<std::string> SaveFileName(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> OpenFileName(const FileDialogRequest&) override {
        return std::nullopt;
    }
    bool ChooseFont(FontDescription&) override { return false; }
    void OpenWithDesktop(const std::string&) override {}
    std::string ProgramDirectory() override { return "./"; }
    std::string CurrentDirectory() override { return "./"; }
};

}  // namespace vorna
