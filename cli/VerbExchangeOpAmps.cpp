// vorna-cli exchange-opamps: copies a schematic once per op-amp listed in OPExchange.txt of
// the current directory, as choice 403 of the output command does.

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "CliVerbs.h"
#include "DesignOptions.h"
#include "OutputFilesUi.h"
#include "output/CircuitOutput.h"
#include "output/OpAmpReplacement.h"
#include "text/Texts.h"

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
    ui.AnswerQuestions([](const Message&, MessageButtons) { return IDYES; });
    CircuitOutput out;
    const ExchangeOutcome outcome = ExchangeOpAmps(out, ui);
    // Unusable input (an op-amp name, a folder, an oversized file) is refused with exit
    // status 2; anything else that stops the exchange is a failure. Either way the run's
    // messages go to standard error.
    const bool done = outcome == ExchangeOutcome::Done;
    for (std::size_t i = designMessages; i < ui.messages.size(); ++i)
        (done ? std::cout : std::cerr) << ui.messages[i] << '\n';
    if (!done) SetExitStatus(outcome == ExchangeOutcome::Refused ? 2 : 1);
}

}  // namespace

void RegisterExchangeOpAmpsVerb(CLI::App& app) {
    auto* verb = app.add_subcommand("exchange-opamps", Text(TextId::CliExchangeHelp));
    auto options = std::make_shared<ExchangeOptions>();
    options->design.AddTo(*verb);
    verb->add_option("schematic", options->schematic, Text(TextId::CliExchangeSchematicHelp))
        ->required();
    verb->callback([options] { RunVerb([&] { Exchange(*options); }); });
}

}  // namespace vorna::cli
