#include "OutputFile.h"

#include <iostream>

#include "CliUi.h"
#include "platform/FileWrite.h"
#include "platform/MessageText.h"

namespace vorna::cli {

void WriteOutput(const std::string& path, const std::string& bytes) {
    if (path == "-") {
        std::cout << bytes;
        return;
    }
    if (!ReplaceFile(path, bytes)) throw CliError("cannot write " + EchoedText(path));
}

}  // namespace vorna::cli
