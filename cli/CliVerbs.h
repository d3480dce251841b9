#pragma once
// The verbs of vorna-cli. Each verb adds its subcommand to the application; its callback
// runs the verb and records the exit status.

#include <CLI/CLI.hpp>
#include <array>
#include <functional>
#include <optional>
#include <string>

namespace vorna::cli {

using VerbRegistration = void (*)(CLI::App& app);

void RegisterVersionVerb(CLI::App& app);
void RegisterDesignVerb(CLI::App& app);
void RegisterReportVerb(CLI::App& app);
void RegisterCircuitVerb(CLI::App& app);
void RegisterExchangeOpAmpsVerb(CLI::App& app);
void RegisterPlotVerb(CLI::App& app);
void RegisterVerifyVerb(CLI::App& app);
void RegisterExportVerb(CLI::App& app);
void RegisterResponseVerb(CLI::App& app);

inline constexpr std::array<VerbRegistration, 9> kVerbs{
    RegisterVersionVerb, RegisterDesignVerb,         RegisterReportVerb,
    RegisterCircuitVerb, RegisterExchangeOpAmpsVerb, RegisterPlotVerb,
    RegisterExportVerb,  RegisterResponseVerb,       RegisterVerifyVerb,
};

// Runs `verb`, printing refusals and errors on stderr and setting the exit status (2 and 1);
// any other exception is a failure (1) with its text.
void RunVerb(const std::function<void()>& verb);

// Exit status of the verb that ran (0 success, 1 failure, 2 input refused).
void SetExitStatus(int status);
int ExitStatus();

// "--option=" with nothing after '=' would make the parser take the next argument as the
// value; the refusal that names it, or nullopt.
std::optional<std::string> EmptyOptionValue(int argc, const char* const* argv);

// Flushes standard output and returns the exit status; a failed write (a full disk) is a
// failure with its message on standard error.
int FinishStandardOutput();

}  // namespace vorna::cli
