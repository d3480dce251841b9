#include "CliVerbs.h"

#include <iostream>
#include <string_view>

#include "CliUi.h"
#include "platform/MessageText.h"
#include "text/Message.h"
#include "text/Texts.h"

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

std::optional<std::string> EmptyOptionValue(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--") break;
        if (argument.starts_with("--") && argument.ends_with('=')) {
            return MessageText({TextId::CliEmptyOptionValue,
                                {EchoedText(argument.substr(0, argument.size() - 1))}});
        }
    }
    return std::nullopt;
}

int FinishStandardOutput() {
    std::cout.flush();
    if (std::cout) return exitStatus;
    std::cerr << Text(TextId::CliStandardOutputUnwritable) << '\n';
    return exitStatus == 0 ? 1 : exitStatus;
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
    } catch (const std::exception& error) {
        // A fault of the program: it still ends with a message and a failure status.
        std::cerr << MessageText({TextId::CliUnexpectedError,
                                  {EchoedText(error.what(), kMaxEchoedPathBytes)}})
                  << '\n';
        SetExitStatus(1);
    }
}

void RegisterVersionVerb(CLI::App& app) {
    auto* verb = app.add_subcommand("version", Text(TextId::CliVersionHelp));
    verb->callback([] { std::cout << "Vorna Ver.3.30\n"; });
}

}  // namespace vorna::cli
