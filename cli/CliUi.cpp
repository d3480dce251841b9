#include "CliUi.h"

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <iostream>

#include "text/Message.h"
#include "text/Texts.h"

namespace vorna::cli {

namespace {

std::string Joined(const std::vector<std::string>& lines, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (!text.empty()) text += '\n';
        text += lines[i];
    }
    return text;
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

std::string RequireCurrentFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    if (error) {
        throw CliRefusal(Text(TextId::CliCurrentFolderMissing));
    }
    return folder.string();
}

void CliUi::Answer(int dialogId, DialogAnswer answer, FieldOptions fields) {
    answers_[dialogId] = Entry{std::move(answer), std::move(fields)};
}

int CliUi::MessageBox(const Message& message, MessageButtons buttons) {
    messages.push_back(MessageText(message));
    if (buttons == MessageButtons::Ok) return IDOK;
    if (!questions_) {
        throw CliError(MessageText({TextId::CliQuestionUnanswerable, {messages.back()}}));
    }
    return questions_(message, buttons);
}

int CliUi::RunModal(Dialog& dialog) {
    const auto found = answers_.find(dialog.Id());
    if (found == answers_.end()) {
        throw CliError(MessageText({TextId::CliDialogUnanswerable,
                                    {std::to_string(dialog.Id()), dialog.Resource().title}}));
    }
    Entry& entry = found->second;
    if (entry.answered) {
        // The program shows the dialog again: the answer was refused.
        std::string reason = Joined(messages, entry.messagesBefore);
        if (reason.empty())
            reason = MessageText({TextId::CliDialogRefusedEntries, {std::to_string(dialog.Id())}});
        throw CliRefusal(reason);
    }
    entry.answered = true;
    entry.messagesBefore = messages.size();
    dialog.Open(*this);
    entry.answer(dialog);
    if (!dialog.Ended()) {
        // The dialog's data exchange refused a field and stays open, its focus on the field.
        std::string reason = Joined(messages, entry.messagesBefore);
        if (reason.empty())
            reason = MessageText({TextId::CliDialogDidNotClose, {std::to_string(dialog.Id())}});
        const auto option = entry.fields.find(dialog.FocusControl());
        if (option == entry.fields.end()) throw CliRefusal(reason);
        throw CliRefusal(option->second + ": " + reason);
    }
    entry.messagesBefore = messages.size();
    return dialog.Result();
}

std::optional<std::string> CliUi::SaveFileName(const FileDialogRequest& request) {
    throw CliError(MessageText({TextId::CliSaveFileUnchoosable, {request.title}}));
}

std::optional<std::string> CliUi::OpenFileName(const FileDialogRequest& request) {
    throw CliError(MessageText({TextId::CliOpenFileUnchoosable, {request.title}}));
}

bool CliUi::ChooseFont(FontDescription&) {
    throw CliError(Text(TextId::CliFontUnchoosable));
}

void CliUi::OpenWithDesktop(const std::string&) {}

std::string CliUi::ProgramDirectory() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "./";
    return WithSlash(std::filesystem::path(std::string(path, static_cast<std::size_t>(length)))
                         .parent_path()
                         .string());
}

void CliUi::FilesWritten(const std::vector<std::string>& paths) {
    for (const auto& path : paths)
        std::cerr << MessageText({TextId::CliFileWritten, {path}}) << '\n';
}

std::string CliUi::CurrentDirectory() {
    return WithSlash(RequireCurrentFolder());
}

}  // namespace vorna::cli
