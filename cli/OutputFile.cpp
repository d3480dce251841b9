#include "OutputFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

#include "CliUi.h"

namespace vorna::cli {

void WriteOutput(const std::string& path, const std::string& bytes) {
    if (path == "-") {
        std::cout << bytes;
        return;
    }
    const std::string temporary = path + ".tmp" + std::to_string(getpid());
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << bytes;
        file.close();
        if (file) {
            if (std::rename(temporary.c_str(), path.c_str()) == 0) return;
        }
    }
    const std::string reason = std::strerror(errno);
    std::remove(temporary.c_str());
    throw CliError("cannot write " + path + ": " + reason);
}

}  // namespace vorna::cli
