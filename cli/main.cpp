// vorna-cli: the scriptable face of Vorna. Each capability is a verb; verbs answer the
// program's dialogs from their options.
#include <CLI/CLI.hpp>
#include <cstdlib>
#include <iostream>

#include "CliVerbs.h"
#include "LanguageOptions.h"
#include "platform/MessageText.h"
#include "text/Message.h"

int main(int argc, char** argv) {
    // Before any text is read: the options' help texts are read as the verbs are added.
    const vorna::cli::LanguageChoice language =
        vorna::cli::ChooseLanguage(argc, argv, std::getenv("VORNA_LANG"));
    vorna::SetLanguage(language.language);
    vorna::SetFileTextEncoding(vorna::DefaultFileTextEncoding(language.language));
    if (language.ignoredVariable) {
        std::cerr << vorna::MessageText({vorna::TextId::CliLanguageVariableIgnored,
                                         {vorna::EchoedText(*language.ignoredVariable)}})
                  << '\n';
    }

    CLI::App app{vorna::Text(vorna::TextId::CliProgramHelp)};
    app.require_subcommand(1);
    for (const auto& registerVerb : vorna::cli::kVerbs) registerVerb(app);
    vorna::cli::AddLanguageOption(app);
    if (const auto refusal = vorna::cli::EmptyOptionValue(argc, argv)) {
        std::cerr << *refusal << '\n';
        return 2;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e);  // help
        // Every command line the parser refuses ends with 2; the value it echoes is cut.
        std::cerr << vorna::EchoedText(e.what(), 240) << vorna::Text(vorna::TextId::CliRunWithHelp);
        return 2;
    } catch (const std::exception& e) {
        // The verbs catch their own failures; this is one of the parser's.
        std::cerr << vorna::MessageText({vorna::TextId::CliCommandLineUnreadable,
                                         {vorna::EchoedText(e.what(), 240)}})
                  << '\n';
        return 2;
    }
    return vorna::cli::FinishStandardOutput();
}
