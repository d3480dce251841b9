// vorna-cli export: a design's section coefficients at full precision as CSV, JSON or a C
// header.

#include <map>
#include <memory>

#include "AnalysisInput.h"
#include "CliVerbs.h"
#include "OutputPath.h"
#include "analysis/CoefficientExport.h"
#include "platform/MessageText.h"

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
        throw CliRefusal("--format: unknown format \"" + EchoedText(options.format) +
                         "\" (csv, json or c)");
    if (!analysis::IsUsableCName(options.name)) {
        throw CliRefusal("--name " + EchoedText(options.name) +
                         ": not a C identifier (a letter, then letters, digits or underscores, "
                         "63 at most) or a C keyword");
    }
    RequireOutput(options.output);
    CliUi ui;
    const auto window = options.input.Run(ui);
    WriteOutput(options.output,
                analysis::CoefficientsText(WindowCascade(*window), format->second, options.name));
}

}  // namespace

void RegisterExportVerb(CLI::App& app) {
    auto* verb = app.add_subcommand(
        "export", "Design a filter and write its section coefficients at full precision");
    auto options = std::make_shared<ExportOptions>();
    options->input.AddTo(*verb);
    verb->add_option("--format", options->format,
                     "csv, json, or c (a header with double sos[N][6] and sos_gain)")
        ->required();
    verb->add_option("--name", options->name,
                     "Name of the C header's coefficients: NAME, NAME_gain, NAME_SECTIONS "
                     "(default sos)");
    verb->add_option("-o,--output", options->output, "File to write (- for standard output)")
        ->required();
    verb->callback([options] { RunVerb([&] { Export(*options); }); });
}

}  // namespace vorna::cli
