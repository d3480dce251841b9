// vorna-cli export: a design's section coefficients at full precision as CSV, JSON or a C
// header.

#include <map>
#include <memory>

#include "AnalysisInput.h"
#include "CliVerbs.h"
#include "OutputPath.h"
#include "analysis/CoefficientExport.h"
#include "platform/MessageText.h"
#include "text/Message.h"
#include "text/Texts.h"

namespace vorna::cli {

namespace {

struct ExportOptions {
    AnalysisInput input;
    std::string format;
    std::string output;
    std::string name{analysis::kDefaultCName};
};

const std::map<std::string, analysis::CoefficientFormat> kFormats{
    {"csv", analysis::CoefficientFormat::Csv},
    {"json", analysis::CoefficientFormat::Json},
    {"c", analysis::CoefficientFormat::CHeader},
};

void Export(const ExportOptions& options) {
    const auto format = kFormats.find(options.format);
    if (format == kFormats.end())
        throw CliRefusal(MessageText({TextId::CliUnknownFormat, {EchoedText(options.format)}}));
    if (!analysis::IsUsableCName(options.name)) {
        throw CliRefusal(MessageText({TextId::CliNotACIdentifier, {EchoedText(options.name)}}));
    }
    RequireOutput(options.output);
    CliUi ui;
    const auto window = options.input.Run(ui);
    WriteOutput(options.output,
                analysis::CoefficientsText(WindowCascade(*window), format->second, options.name));
}

}  // namespace

void RegisterExportVerb(CLI::App& app) {
    auto* verb = app.add_subcommand("export", Text(TextId::CliExportHelp));
    auto options = std::make_shared<ExportOptions>();
    options->input.AddTo(*verb);
    verb->add_option("--format", options->format, Text(TextId::CliFormatHelp))->required();
    verb->add_option("--name", options->name, Text(TextId::CliNameHelp));
    verb->add_option("-o,--output", options->output, Text(TextId::CliOutputHelp))->required();
    verb->callback([options] { RunVerb([&] { Export(*options); }); });
}

}  // namespace vorna::cli
