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
        throw CliRefusal("--type: unknown response \"" + EchoedText(options.type) +
                         "\" (step or impulse)");
    if (options.endTime && !(std::isfinite(*options.endTime) && *options.endTime > 0))
        throw CliRefusal("--t-end: the end time must be a positive number of seconds");
    if (options.points < kFewestPoints || options.points > kMostPoints)
        throw CliRefusal(Format("--points: the number of points must lie between %d and %d",
                                kFewestPoints, kMostPoints));
    RequireOutput(options.output);
    CliUi ui;
    const auto window = options.input.Run(ui);
    const analysis::Cascade cascade = WindowCascade(*window);
    const std::optional<double> end =
        options.endTime ? options.endTime : analysis::SettlingTime(cascade);
    if (!end)
        throw CliError(
            "the response does not settle, so its length cannot be computed; give --t-end");
    const auto samples = analysis::TimeResponse(cascade, *excitation, *end, options.points);
    if (!samples && options.endTime) {
        throw CliRefusal("--t-end " + Format("%.15g", *end) +
                         ": the response cannot be computed over this time with these points");
    }
    if (!samples)
        throw CliError("the response cannot be computed over " + Format("%.17g", *end) + " s");
    std::string csv = "time,value\n";
    for (const auto& sample : *samples) csv += Format("%.17g,%.17g\n", sample.time, sample.value);
    WriteOutput(options.output, csv);
}

}  // namespace

void RegisterResponseVerb(CLI::App& app) {
    auto* verb = app.add_subcommand(
        "response", "Design a filter and write its step or impulse response as CSV");
    auto options = std::make_shared<ResponseOptions>();
    options->input.AddTo(*verb);
    verb->add_option("--type", options->type, "step or impulse")->required();
    verb->add_option("--t-end", options->endTime,
                     "Length of the response in seconds (default: until every mode has decayed "
                     "to a thousandth)");
    verb->add_option("--points", options->points,
                     "Samples of an analog response; at most this many of a digital one")
        ->capture_default_str();
    verb->add_option("-o,--output", options->output, "CSV file to write (- for standard output)")
        ->required();
    verb->callback([options] { RunVerb([&] { Respond(*options); }); });
}

}  // namespace vorna::cli
