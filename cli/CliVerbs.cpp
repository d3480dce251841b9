#include "CliVerbs.h"

#include <iostream>

#include "CliUi.h"

namespace vorna::cli {

namespace {
int exitStatus = 0;
}

void SetExitStatus(int status) {
    exitStatus = status;
}
int ExitStatus() {
    return exitStatus;
}

void RunVerb(const std::function<void()>& verb) {
    try {
        verb();
    } catch (const CliRefusal& refusal) {
        std::cerr << refusal.what() << '\n';
        SetExitStatus(2);
    } catch (const CliError& error) {
        std::cerr << error.what() << '\n';
        SetExitStatus(1);
    }
}

void RegisterVersionVerb(CLI::App& app) {
    auto* verb = app.add_subcommand("version", "Print the program's name and version");
    verb->callback([] { std::cout << "Vorna Ver.3.30\n"; });
}

}  // namespace vorna::cli
