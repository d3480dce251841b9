#include "CliVerbs.h"

#include <iostream>

namespace vorna::cli {

namespace {
int exitStatus = 0;
}

void SetExitStatus(int status) { exitStatus = status; }
int ExitStatus() { return exitStatus; }

void RegisterVersionVerb(CLI::App& app) {
    auto* verb = app.add_subcommand("version", "Print the program's name and version");
    verb->callback([] { std::cout << "Vorna Ver.3.30\n"; });
}

}  // namespace vorna::cli
