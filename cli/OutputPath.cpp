#include "OutputPath.h"

#include <filesystem>
#include <iostream>

#include "CliUi.h"
#include "platform/FileWrite.h"
#include "platform/MessageText.h"

namespace vorna::cli {

void RequireOutputFile(const std::string& option, const std::string& path) {
    if (path.empty()) throw CliRefusal(option + ": the file name is empty");
    const std::filesystem::path file(path);
    std::error_code error;
    if (std::filesystem::is_directory(file, error))
        throw CliRefusal(option + " " + EchoedText(path) + ": this is a folder, not a file");
    const std::filesystem::path folder = file.parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
        throw CliRefusal(option + " " + EchoedText(path) + ": the folder " +
                         EchoedText(folder.string()) + " does not exist");
    }
}

void WriteOutput(const std::string& path, const std::string& bytes) {
    if (path == "-") {
        std::cout << bytes;
        return;
    }
    if (WriteFileAtomically(path, bytes)) throw CliError("cannot write " + EchoedText(path));
}

}  // namespace vorna::cli
