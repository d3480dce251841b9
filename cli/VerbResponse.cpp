// vorna-cli response: a design's step or impulse response as CSV (time, value).

#include <cmath>
#include <memory>
#include <optional>

#include "AnalysisInput.h"
#include "CliVerbs.h"
#include "OutputPath.h"
#include "analysis/TimeResponse.h"
#include "platform/CLocale.h"
#include "platform/MessageText.h"
#include "text/Message.h"
#include "text/Texts.h"

namespace vorna::cli {

namespace {

// The point counts the graphs can use.
constexpr int kFewestPoints = 2;
constexpr int kMostPoints = 100000;

struct ResponseOptions {
    AnalysisInput input;
    std::string type;
    std::optional<double> endTime;
    int points = 1000;
    std::string output;
};

std::optional<analysis::Excitation> ExcitationNamed(const std::string& name) {
    if (name == "step") return analysis::Excitation::Step;
    if (name == "impulse") return analysis::Excitation::Impulse;
    return std::nullopt;
}

void Respond(const ResponseOptions& options) {
    const auto excitation = ExcitationNamed(options.type);
    if (!excitation)
        throw CliRefusal(MessageText({TextId::CliUnknownResponse, {EchoedText(options.type)}}));
    if (options.endTime && !(std::isfinite(*options.endTime) && *options.endTime > 0))
        throw CliRefusal(Text(TextId::CliEndTimeNotPositive));
    if (options.points < kFewestPoints || options.points > kMostPoints)
        throw CliRefusal(Format(Text(TextId::CliPointsOutOfRange), kFewestPoints, kMostPoints));
    RequireOutput(options.output);
    CliUi ui;
    const auto window = options.input.Run(ui);
    const analysis::Cascade cascade = WindowCascade(*window);
    const std::optional<double> end =
        options.endTime ? options.endTime : analysis::SettlingTime(cascade);
    if (!end) throw CliError(Text(TextId::CliResponseDoesNotSettle));
    const auto samples = analysis::TimeResponse(cascade, *excitation, *end, options.points);
    if (!samples && options.endTime) {
        throw CliRefusal(
            MessageText({TextId::CliResponseNotComputableWithPoints, {Format("%.15g", *end)}}));
    }
    if (!samples)
        throw CliError(MessageText({TextId::CliResponseNotComputable, {Format("%.17g", *end)}}));
    std::string csv = "time,value\n";
    for (const auto& sample : *samples) csv += Format("%.17g,%.17g\n", sample.time, sample.value);
    WriteOutput(options.output, csv);
}

}  // namespace

void RegisterResponseVerb(CLI::App& app) {
    auto* verb = app.add_subcommand("response", Text(TextId::CliResponseHelp));
    auto options = std::make_shared<ResponseOptions>();
    options->input.AddTo(*verb);
    verb->add_option("--type", options->type, Text(TextId::CliResponseTypeHelp))->required();
    verb->add_option("--t-end", options->endTime, Text(TextId::CliEndTimeHelp));
    verb->add_option("--points", options->points, Text(TextId::CliResponsePointsHelp))
        ->capture_default_str();
    verb->add_option("-o,--output", options->output, Text(TextId::CliCsvOutputHelp))->required();
    verb->callback([options] { RunVerb([&] { Respond(*options); }); });
}

}  // namespace vorna::cli
