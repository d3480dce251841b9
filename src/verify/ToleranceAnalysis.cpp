#include "verify/ToleranceAnalysis.h"

#include <algorithm>
#include <cmath>

#include "platform/CLocale.h"
#include "text/Texts.h"
#include "verify/CircuitModel.h"
#include "verify/EnvelopeQuantiles.h"
#include "verify/ToleranceRuns.h"

namespace vorna::verify {
namespace {

// The gains the envelope keeps as they are: as many runs a point as fit this many in all,
// within the bounds that follow (see EnvelopeQuantiles).
constexpr std::size_t kKeptGains = std::size_t{1} << 22;
constexpr std::size_t kFewestKeptRuns = 256;
constexpr std::size_t kMostKeptRuns = 2048;

std::string CheckTolerance(const char* what, double tolerance) {
    if (!std::isfinite(tolerance) || tolerance < 0 || tolerance > kMaxTolerance)
        return Format(Text(TextId::ToleranceOutOfRange), what, kMaxTolerance * 100);
    return {};
}

}  // namespace

std::string CheckToleranceOptions(const ToleranceOptions& options) {
    std::string problem =
        CheckTolerance(Text(TextId::ToleranceOfResistors), options.resistorTolerance);
    if (problem.empty())
        problem = CheckTolerance(Text(TextId::ToleranceOfCapacitors), options.capacitorTolerance);
    if (problem.empty() && (options.runs < 1 || options.runs > kMaxToleranceRuns))
        problem = Format(Text(TextId::ToleranceRunsOutOfRange), kMaxToleranceRuns);
    if (problem.empty() && (options.threads < 0 || options.threads > kMaxToleranceThreads))
        problem = Format(Text(TextId::ToleranceThreadsOutOfRange), kMaxToleranceThreads);
    return problem;
}

std::vector<double> ToleranceFrequencies(const RealisedCircuit& circuit, int pointsPerDecade) {
    std::vector<double> frequencies = GraphFrequencies(circuit.results, pointsPerDecade);
    for (const analysis::MaskBand& band : analysis::AttenuationMask(circuit.maskEdges)) {
        if (band.lowHz > 0) frequencies.push_back(band.lowHz);
        if (band.HasUpperEnd()) frequencies.push_back(band.highHz);
    }
    return frequencies;
}

ToleranceResult RunToleranceAnalysis(const RealisedCircuit& circuit,
                                     const ToleranceOptions& options, int pointsPerDecade,
                                     const Progress& progress, const std::atomic<bool>* cancel) {
    ToleranceResult result;
    result.error = CheckToleranceOptions(options);
    if (!result.error.empty()) return result;
    const std::optional<CircuitModel> model = CircuitModel::Of(circuit, result.error);
    if (!model) return result;

    const std::vector<double> graph = GraphFrequencies(circuit.results, pointsPerDecade);
    const std::vector<double> frequencies = ToleranceFrequencies(circuit, pointsPerDecade);
    const std::size_t kept = std::clamp(kKeptGains / std::max<std::size_t>(graph.size(), 1),
                                        kFewestKeptRuns, kMostKeptRuns);
    EnvelopeQuantiles envelope(graph.size(), kept);
    ToleranceRuns runs(*model, options, frequencies, analysis::AttenuationMask(circuit.maskEdges),
                       envelope);

    const int threads = ToleranceThreads(options.threads);
    const auto total = static_cast<std::size_t>(options.runs);
    const std::size_t keptRuns = std::min(total, kept);
    bool finished = runs.Make(0, keptRuns, true, threads, total, progress, cancel);
    if (finished && total > keptRuns) {
        envelope.StartHistograms();
        finished = runs.Make(keptRuns, total, false, threads, total, progress, cancel);
    }
    result.cancelled = !finished;
    result.runs = runs.Made();
    result.passedRuns = runs.Passed();
    result.failures = runs.Failures();
    const ToleranceResult::FailureCauses& f = result.failures;
    result.failedRuns = f.valueNotPositive + f.notFinite + f.unstableRealPole + f.unstablePolePair;
    result.yield = result.runs > 0 ? static_cast<double>(result.passedRuns) / result.runs : 0;
    result.envelope = envelope.Finish(graph);
    return result;
}

}  // namespace vorna::verify
