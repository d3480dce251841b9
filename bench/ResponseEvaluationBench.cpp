// Gain and phase of a cascade of 58 second-order sections (a band-pass design of order 58)
// over a logarithmic frequency grid, analog and after the bilinear transform: the cost per
// point is the time per iteration divided by the "points" counter.

#include <benchmark/benchmark.h>

#include <vector>

#include "analysis/Response.h"
#include "app/DesignDocument.h"
#include "app/DocumentResults.h"
#include "design/DesignResults.h"
#include "design/conversion/DigitalConversion.h"

namespace {

using namespace vorna;

constexpr double kSamplingPeriod = 1.0 / 48000;

DesignResults BandPassOrder58(bool digital) {
    DesignDocument doc;
    doc.kind = kBandPass;
    doc.figures.order = 58;
    doc.oddOrder = false;
    doc.lastSection = 57;
    DesignResults results;
    RecomputeResults(results, doc);
    if (digital) {
        for (int i = 0; i <= results.sectionLast; ++i)
            BilinearSecondOrder(results, i, kSamplingPeriod);
        results.convertedToDigital = true;
    }
    return results;
}

void EvaluateOver(benchmark::State& state, bool digital, int points, double highHz) {
    const DesignResults results = BandPassOrder58(digital);
    const analysis::Cascade cascade = analysis::CascadeOf(results, kBandPass, kSamplingPeriod);
    std::vector<double> omegas = analysis::LogSpaced(kTwoPi * 10, kTwoPi * highHz, points);
    std::vector<analysis::GainPhase> out(omegas.size());
    for (auto _ : state) {
        analysis::GainPhaseOver(cascade, omegas, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["sections"] = cascade.SectionCount();
    state.counters["points"] = points;
    state.counters["perPoint"] = benchmark::Counter(
        static_cast<double>(points),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_AnalogGainPhase58Sections(benchmark::State& state) {
    EvaluateOver(state, false, 2303, 1e5);
}
BENCHMARK(BM_AnalogGainPhase58Sections)->Unit(benchmark::kMicrosecond);

void BM_DigitalGainPhase58Sections(benchmark::State& state) {
    EvaluateOver(state, true, 2905, 24000);
}
BENCHMARK(BM_DigitalGainPhase58Sections)->Unit(benchmark::kMicrosecond);

}  // namespace
