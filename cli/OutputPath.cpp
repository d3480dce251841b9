#include "OutputPath.h"

#include <cerrno>
#include <filesystem>
#include <iostream>

#include "CliUi.h"
#include "platform/FileWrite.h"
#include "platform/MessageText.h"

namespace vorna::cli {

void RequireOutputFile(const std::string& option, const std::string& path) {
    if (path.empty()) throw CliRefusal(option + ": the file name is empty");
    const std::string named = option + " " + EchoedText(path, kMaxEchoedPathBytes) + ": ";
    const std::filesystem::path file(path);
    if (file.is_relative()) RequireCurrentFolder();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error.value() == ELOOP)
        throw CliRefusal(named + "its symbolic links lead round in a circle");
    if (error.value() == ENAMETOOLONG) throw CliRefusal(named + "the name is too long");
    if (std::filesystem::is_directory(status))
        throw CliRefusal(named + "this is a folder, not a file");
    // A link whose file is missing leads to that file, which lands in its own folder.
    int linkError = 0;
    const std::filesystem::path folder =
        std::filesystem::path(WriteTarget(path, linkError)).parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
        throw CliRefusal(named + "the folder " + EchoedText(folder.string(), kMaxEchoedPathBytes) +
                         " does not exist");
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
        throw CliError("cannot write " + EchoedText(path, kMaxEchoedPathBytes) + ": " + *reason);
}

}  // namespace vorna::cli
