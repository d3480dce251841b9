// vorna-cli report: appends the coefficient report or the gain list of a design to a file,
// exactly as choices 402 and 405 of the output command write them.

#include <iostream>
#include <memory>

#include "CliVerbs.h"
#include "ConversionOptions.h"
#include "DesignOptions.h"
#include "LanguageOptions.h"
#include "OutputFilesUi.h"
#include "OutputPath.h"
#include "app/DocumentShown.h"
#include "output/TextReports.h"
#include "platform/MessageText.h"
#include "text/Message.h"
#include "text/Texts.h"

namespace vorna::cli {

namespace {

struct ReportOptions {
    DesignOptions design;
    ConversionOptions conversion;
    std::string type;
    std::string output;
};

void Report(const ReportOptions& options) {
    RequireOutputFile("-o", options.output);
    OutputFilesUi ui;
    const auto window = RunDesignCommand(options.design, ui);
    options.conversion.Convert(*window);
    ui.saveAs = options.output;
    const std::size_t designMessages = ui.messages.size();
    const ShownDesign design = ShownDesignOf(window->doc);
    const bool written = options.type == "coefficients"
                             ? WriteCoefficientReport(window->view, design, ui)
                             : WriteGainList(window->view, design, ui);
    if (written) return;
    // The program's message says why the report could not be written.
    throw CliError(ui.messages.size() > designMessages
                       ? ui.messages.back()
                       : MessageText({TextId::CliCannotWrite, {EchoedText(options.output)}}));
}

}  // namespace

void RegisterReportVerb(CLI::App& app) {
    auto* verb = app.add_subcommand("report", Text(TextId::CliReportHelp));
    auto options = std::make_shared<ReportOptions>();
    options->design.AddTo(*verb);
    options->conversion.AddDigitalTo(*verb);
    verb->add_option("--type", options->type, Text(TextId::CliReportTypeHelp))
        ->required()
        ->check(CLI::IsMember({"coefficients", "gainlist"}));
    verb->add_option("-o,--output", options->output, Text(TextId::CliReportOutputHelp))->required();
    AddEncodingOption(*verb);
    verb->callback([options] { RunVerb([&] { Report(*options); }); });
}

}  // namespace vorna::cli
