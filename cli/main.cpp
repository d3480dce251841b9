// vorna-cli: the scriptable face of Vorna. Each capability is a verb; verbs answer the
// program's dialogs from their options.
#include <CLI/CLI.hpp>
#include <iostream>

#include "CliVerbs.h"
#include "platform/MessageText.h"

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
        if (e.get_exit_code() == 0) return app.exit(e);  // help
        // Every command line the parser refuses ends with 2; the value it echoes is cut.
        std::cerr << vorna::EchoedText(e.what(), 240)
                  << "\nRun with --help for more information.\n";
        return 2;
    } catch (const std::exception& e) {
        // The verbs catch their own failures; this is one of the parser's.
        std::cerr << "the command line cannot be read: " << vorna::EchoedText(e.what(), 240)
                  << '\n';
        return 2;
    }
    return vorna::cli::FinishStandardOutput();
}
