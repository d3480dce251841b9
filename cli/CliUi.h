#pragma once
// The Ui of vorna-cli: it answers dialogs from a table of answer functions by dialog id,
// records every message box text, and stops the run with a CliRefusal when the program
// refuses what the options entered (a dialog's own range message, or the same dialog shown
// again after a check) and with a CliError when it asks anything the command line
// cannot answer. It never loops.

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "dialogs/Dialog.h"
#include "platform/Ui.h"

namespace vorna::cli {

// The entries were refused; what() is the program's message (exit status 2).
struct CliRefusal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The run needs something the command line cannot give (exit status 1).
struct CliError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The current folder; throws CliRefusal when it no longer exists (deleted or renamed).
std::string RequireCurrentFolder();

class CliUi : public Ui {
public:
    // Fills an open dialog as a user would and presses its button.
    using DialogAnswer = std::function<void(Dialog&)>;
    // Answers a question (OK/Cancel or Yes/No) by its id; throws CliError when it cannot.
    using QuestionAnswer = std::function<int(const Message& question, MessageButtons buttons)>;
    // The option that filled each control of a dialog, as typed ("--order 2.5"), by control
    // id: a refusal of the dialog's own check of the control names it.
    using FieldOptions = std::map<int, std::string>;

    void Answer(int dialogId, DialogAnswer answer, FieldOptions fields = {});
    void AnswerQuestions(QuestionAnswer answer) { questions_ = std::move(answer); }

    // Every message box text shown, in order.
    std::vector<std::string> messages;

    int MessageBox(const Message& message, MessageButtons buttons) override;
    int RunModal(Dialog& dialog) override;
    std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
    std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
    bool ChooseFont(FontDescription& font) override;
    void OpenWithDesktop(const std::string& path) override;
    std::string ProgramDirectory() override;
    // Throws CliRefusal when the current folder no longer exists.
    std::string CurrentDirectory() override;
    // Names every file written on stderr, one "wrote PATH" line each.
    void FilesWritten(const std::vector<std::string>& paths) override;

private:
    struct Entry {
        DialogAnswer answer;
        FieldOptions fields;
        bool answered = false;
        std::size_t messagesBefore = 0;  // messages shown before the last answer
    };
    std::map<int, Entry> answers_;
    QuestionAnswer questions_;
};

}  // namespace vorna::cli
