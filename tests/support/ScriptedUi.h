#pragma once
// A scripted user for tests: the test lists, in the order they will appear, the dialogs
// and message boxes it expects and what the user does in each. Anything unexpected (another
// dialog, another text, a dialog still open when its script ends, a script step never
// reached) fails the test with a clear description; an unexpected dialog or message also
// throws, so that no command can loop on a script that has run out.

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "dialogs/Dialog.h"
#include "platform/Canvas.h"
#include "platform/Ui.h"

namespace vorna::testing {

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What the user does in one open dialog, in order.
class DialogScript {
public:
    explicit DialogScript(int dialogId) : dialogId_(dialogId) {}

    DialogScript& Type(int controlId, std::string text);      // replace an edit's text
    DialogScript& Pick(int controlId, std::string itemText);  // choose a combo item
    DialogScript& PickIndex(int controlId, int index);
    DialogScript& Click(int controlId);  // button, radio or check box
    DialogScript& Ok() { return Click(IDOK); }
    DialogScript& Cancel() { return Click(IDCANCEL); }
    DialogScript& Enter();                                      // presses the default button
    DialogScript& Escape();                                     // closes like the close box
    DialogScript& ExpectText(int controlId, std::string text);  // a control shows this text
    DialogScript& ExpectFocus(int controlId);
    DialogScript& Inspect(std::function<void(const Dialog&)> check);

    int DialogId() const { return dialogId_; }
    void Play(Dialog& dialog) const;

private:
    using Action = std::function<void(Dialog&)>;
    int dialogId_;
    std::vector<std::pair<std::string, Action>> actions_;
};

class ScriptedUi : public Ui {
public:
    ScriptedUi();
    ~ScriptedUi() override;

    DialogScript& ExpectDialog(int dialogId);
    // A message by its id, and its arguments when the expectation lists any.
    void ExpectMessage(Message message, int answer = IDOK);
    // A message by its whole text, for the tests that check the texts themselves.
    void ExpectMessage(std::string text, int answer = IDOK);
    void ExpectSaveFile(std::optional<std::string> answer);
    void ExpectOpenFile(std::optional<std::string> answer);
    // The font chooser: `choose` edits the font and returns true for OK; nullptr cancels.
    void ExpectFont(std::function<bool(FontDescription&)> choose);

    // Fails the test when any expected step was not reached.
    void VerifyDone();

    // Every message box text shown and its id, in order; every path opened with the desktop.
    std::vector<std::string> messages;
    std::vector<TextId> messageIds;
    std::vector<std::string> openedPaths;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<std::string> filesWritten;  // every path a command named as written
    std::string programDirectory = "./";
    std::string currentDirectory = "./";

    int MessageBox(const Message& message, MessageButtons buttons) override;
    int RunModal(Dialog& dialog) override;
    std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
    std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
    bool ChooseFont(FontDescription& font) override;
    void OpenWithDesktop(const std::string& path) override;
    void FilesWritten(const std::vector<std::string>& paths) override {
        filesWritten.insert(filesWritten.end(), paths.begin(), paths.end());
    }
    std::string ProgramDirectory() override { return programDirectory; }
    std::string CurrentDirectory() override { return currentDirectory; }

private:
    struct Step;
    [[noreturn]] void Unexpected(const std::string& description);

    std::deque<std::unique_ptr<Step>> steps_;
    bool verified_ = false;
};

}  // namespace vorna::testing
