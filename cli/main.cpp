// vorna-cli: the scriptable face of Vorna. Each capability is a verb; verbs answer the
// program's dialogs from their options.
#include <CLI/CLI.hpp>
#include <iostream>

#include "CliVerbs.h"

int main(int argc, char** argv) {
    CLI::App app{"Vorna: design aid for analog active filters (command-line program)"};
    app.require_subcommand(1);
    for (const auto& registerVerb : vorna::cli::kVerbs) registerVerb(app);
    if (const auto refusal = vorna::cli::EmptyOptionValue(argc, argv)) {
        std::cerr << *refusal << '\n';
        return 2;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Help ends with 0; every command line the parser refuses with 2.
        return app.exit(e) == 0 ? 0 : 2;
    }
    return vorna::cli::FinishStandardOutput();
}
