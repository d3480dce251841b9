#pragma once
// The desktop's side of the core's user interface: message boxes, the dialog renderer,
// the file and font choosers, the desktop's "open" action and the program's folders.

#include <QPointer>
#include <QWidget>

#include "platform/Ui.h"

namespace vorna {

class QtUi : public Ui {
public:
    // Dialogs and message boxes open over `mainWindow` (or over the dialog open at the time).
    explicit QtUi(QWidget* mainWindow);

    int MessageBox(const Message& message, MessageButtons buttons) override;
    // A message box with a text already worded, e.g. in a language other than the current one.
    int MessageBoxText(const QString& text, MessageButtons buttons);
    int RunModal(Dialog& dialog) override;
    std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
    std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
    bool ChooseFont(FontDescription& font) override;
    // Names the files in the status bar's message pane.
    void FilesWritten(const std::vector<std::string>& paths) override;
    void OpenWithDesktop(const std::string& path) override;
    std::string ProgramDirectory() override;
    std::string CurrentDirectory() override;

    // How many message boxes have been shown so far.
    int MessagesShown() const { return messagesShown_; }

private:
    QWidget* DialogParent() const;
    std::optional<std::string> ChooseFile(const FileDialogRequest& request, bool save);

    QPointer<QWidget> mainWindow_;
    int messagesShown_ = 0;
};

// The title of the program's message boxes.
inline constexpr const char* kMessageBoxTitle = "Vorna";

}  // namespace vorna
