#pragma once
// The core's only way to talk to the user: message boxes, modal dialogs, file and font
// choosers, the desktop's "open" action and the program's folders. The desktop program,
// the command-line program and the tests each supply their own implementation.

#include <optional>
#include <string>
#include <vector>

#include "text/Message.h"

namespace vorna {

class Dialog;
struct FontDescription;

// Results of message boxes and modal dialogs (the framework's command ids).
enum DialogResult : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDYES = 6,
    IDNO = 7,
};

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// One filter line of a file chooser: what the user reads and the patterns it stands for,
// for example a text file description and "*.txt".
struct FileFilter {
    std::string description;
    std::string patterns;  // ';'-separated, e.g. "*.asc" or "*.txt;*.log"
};

struct FileDialogRequest {
    std::string title;                // empty: the platform's own
    std::string initialName;          // proposed file name
    std::string defaultExtension;     // without dot; appended when the user types none
    std::vector<FileFilter> filters;  // empty: all files
    // The chosen file is appended to: the chooser says so and does not ask whether to
    // replace an existing file.
    bool appends = false;
};

class Ui {
public:
    virtual ~Ui() = default;

    // Shows `message` with the given buttons and returns IDOK, IDCANCEL, IDYES or IDNO. A Ui
    // that answers questions itself tells them apart by the message's id.
    virtual int MessageBox(const Message& message, MessageButtons buttons) = 0;

    // Runs `dialog` modally: initialises it, lets the user work in it and returns the
    // code it ended with (IDOK, IDCANCEL or a dialog-specific code). Nested modal dialogs
    // are run by calling RunModal again from a dialog's handlers.
    virtual int RunModal(Dialog& dialog) = 0;

    // The Save As chooser (asks before overwriting an existing file unless the request
    // appends); nullopt on Cancel.
    virtual std::optional<std::string> SaveFileName(const FileDialogRequest& request) = 0;
    // The Open chooser; nullopt on Cancel.
    virtual std::optional<std::string> OpenFileName(const FileDialogRequest& request) = 0;

    // The font chooser, initialised from `font`; writes the choice back and returns true
    // on OK, leaves `font` alone and returns false on Cancel.
    virtual bool ChooseFont(FontDescription& font) = 0;

    // Tells the user which files a command has written (absolute paths, in the order
    // written). The default tells nothing.
    virtual void FilesWritten(const std::vector<std::string>& /*paths*/) {}

    // Asks the desktop to open `path` with its associated application; a desktop says so,
    // with the path, when no application takes it.
    virtual void OpenWithDesktop(const std::string& path) = 0;

    // The folder that holds the program file (the "sys" folder lies inside it), with a
    // trailing '/'.
    virtual std::string ProgramDirectory() = 0;
    // The process's current directory, with a trailing '/'.
    virtual std::string CurrentDirectory() = 0;
};

}  // namespace vorna
