// vorna-cli: the scriptable face of Vorna. Each capability is a verb; verbs answer the
// program's dialogs from their options.
#include <CLI/CLI.hpp>
#include <iostream>

#include "CliVerbs.h"

int main(int argc, char** argv) {
    CLI::App app{"Vorna: design aid for analog active filters (command-line program)"};
    app.require_subcommand(1);
    for (const auto& registerVerb : vorna::cli::kVerbs) registerVerb(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    return vorna::cli::ExitStatus();
}
