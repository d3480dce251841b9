#include "cli/CliRunner.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "output/TempFolder.h"

namespace vorna::testing {

CliRun RunCliIn(const std::string& directory, const std::string& arguments,
                const std::string& before) {
    // The output goes to files beside the directory, so that it holds only what the program writes.
    const std::string outFile = directory.substr(0, directory.size() - 1) + ".out";
    const std::string errFile = directory.substr(0, directory.size() - 1) + ".err";
    const std::string command = "cd '" + directory + "' && " +
                                (before.empty() ? "" : before + " && ") + "'" +
                                std::string(VORNA_BIN_DIR) + "/vorna-cli' " + arguments + " >'" +
                                outFile + "' 2>'" + errFile + "'";
    const int status = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFile(outFile);
    run.err = ReadFile(errFile);
    std::filesystem::remove(outFile);
    std::filesystem::remove(errFile);
    return run;
}

bool HoldsNoJapanese(const std::string& text) {
    std::string rest = text;
    for (const std::string symbol : {"√", "−", "π", "ω", "σ", "…"})
        for (std::size_t at; (at = rest.find(symbol)) != std::string::npos;)
            rest.erase(at, symbol.size());
    for (const char c : rest)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

std::string Utf16LeToUtf8(const std::string& bytes) {
    std::size_t i = bytes.compare(0, 2, "\xFF\xFE") == 0 ? 2 : 0;
    std::string text;
    for (; i + 1 < bytes.size(); i += 2) {
        const unsigned code =
            static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (code < 0x80) {
            text += static_cast<char>(code);
        } else if (code < 0x800) {
            text += static_cast<char>(0xC0 | code >> 6);
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            text += static_cast<char>(0xE0 | code >> 12);
            text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}

}  // namespace vorna::testing
