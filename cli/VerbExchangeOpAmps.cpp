// vorna-cli exchange-opamps: copies a schematic once per op-amp listed in OPExchange.txt of
// the current directory, as choice 403 of the output command does.

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "CliVerbs.h"
#include "DesignOptions.h"
#include "OutputFilesUi.h"
#include "output/CircuitOutput.h"
#include "output/OpAmpReplacement.h"

namespace vorna::cli {

namespace {

struct ExchangeOptions {
    DesignOptions design;
    std::string schematic;
};

void Exchange(const ExchangeOptions& options) {
    OutputFilesUi ui;
    RunDesignCommand(options.design, ui);
    const std::size_t designMessages = ui.messages.size();
    ui.open = options.schematic;
    ui.AnswerQuestions([](const std::string&, MessageButtons) { return IDYES; });
    CircuitOutput out;
    ExchangeOpAmps(out, ui);
    const std::vector<std::string> shown(
        ui.messages.begin() + static_cast<std::ptrdiff_t>(designMessages), ui.messages.end());
    // An unusable name in OPExchange.txt (a path separator, a control character, too long)
    // is refused input: reported on standard error with exit status 2.
    const bool refused = std::any_of(shown.begin(), shown.end(), [](const std::string& text) {
        return text.find("は使えません") != std::string::npos;
    });
    for (const auto& text : shown) (refused ? std::cerr : std::cout) << text << '\n';
    const bool done = !shown.empty() &&
                      shown.back().find("新しい回路図ファイルを作成しました") != std::string::npos;
    if (refused) {
        SetExitStatus(2);
    } else if (!done) {
        SetExitStatus(1);
    }
}

}  // namespace

void RegisterExchangeOpAmpsVerb(CLI::App& app) {
    auto* verb = app.add_subcommand(
        "exchange-opamps",
        "Copy a schematic once per op-amp of OPExchange.txt, each with its op-amp symbols renamed");
    auto options = std::make_shared<ExchangeOptions>();
    options->design.AddTo(*verb);
    verb->add_option("schematic", options->schematic, "The schematic (.asc) to copy")->required();
    verb->callback([options] { RunVerb([&] { Exchange(*options); }); });
}

}  // namespace vorna::cli
