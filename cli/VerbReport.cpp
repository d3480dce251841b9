// vorna-cli report: appends the coefficient report or the gain list of a design to a file,
// exactly as choices 402 and 405 of the output command write them.

#include <iostream>
#include <memory>

#include "CliVerbs.h"
#include "ConversionOptions.h"
#include "DesignOptions.h"
#include "OutputFilesUi.h"
#include "OutputPath.h"
#include "app/DocumentShown.h"
#include "output/TextReports.h"
#include "platform/MessageText.h"

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
                       : "cannot write " + EchoedText(options.output));
}

}  // namespace

void RegisterReportVerb(CLI::App& app) {
    auto* verb = app.add_subcommand(
        "report", "Design a filter and append its coefficient report or gain list to a file");
    auto options = std::make_shared<ReportOptions>();
    options->design.AddTo(*verb);
    options->conversion.AddDigitalTo(*verb);
    verb->add_option("--type", options->type,
                     "coefficients: the coefficient report; gainlist: the gain list")
        ->required()
        ->check(CLI::IsMember({"coefficients", "gainlist"}));
    verb->add_option("-o,--output", options->output,
                     "Text file the report is appended to (Shift-JIS)")
        ->required();
    verb->callback([options] { RunVerb([&] { Report(*options); }); });
}

}  // namespace vorna::cli
