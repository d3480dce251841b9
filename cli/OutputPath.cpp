#include "OutputPath.h"

#include <cerrno>
#include <filesystem>
#include <iostream>

#include "CliUi.h"
#include "platform/FileWrite.h"
#include "platform/MessageText.h"
#include "text/Message.h"

namespace vorna::cli {

void RequireOutputFile(const std::string& option, const std::string& path) {
    if (path.empty()) throw CliRefusal(MessageText({TextId::CliFileNameEmpty, {option}}));
    const std::string shown = EchoedText(path, kMaxEchoedPathBytes);
    const std::filesystem::path file(path);
    if (file.is_relative()) RequireCurrentFolder();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error.value() == ELOOP)
        throw CliRefusal(MessageText({TextId::CliOutputLinkLoop, {option, shown}}));
    if (error.value() == ENAMETOOLONG)
        throw CliRefusal(MessageText({TextId::CliOutputNameTooLong, {option, shown}}));
    if (std::filesystem::is_directory(status))
        throw CliRefusal(MessageText({TextId::CliOutputIsFolder, {option, shown}}));
    // A link whose file is missing leads to that file, which lands in its own folder.
    int linkError = 0;
    const std::filesystem::path folder =
        std::filesystem::path(WriteTarget(path, linkError)).parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
        throw CliRefusal(
            MessageText({TextId::CliOutputFolderMissing,
                         {option, shown, EchoedText(folder.string(), kMaxEchoedPathBytes)}}));
    }
}

void RequireOutput(const std::string& path) {
    if (path != "-") RequireOutputFile("-o", path);
}

void WriteOutput(const std::string& path, const std::string& bytes) {
    if (path == "-") {
        std::cout << bytes;
        return;
    }
    WriteOutputFile(path, bytes);
}

void WriteOutputFile(const std::string& path, const std::string& bytes) {
    if (const auto reason = WriteFileAtomically(path, bytes))
        throw CliError(MessageText(
            {TextId::CliCannotWriteWithReason, {EchoedText(path, kMaxEchoedPathBytes), *reason}}));
}

}  // namespace vorna::cli
