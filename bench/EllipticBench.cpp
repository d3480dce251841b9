// The elliptic designs of order 58 from the prototype to the sections, as the design
// pipeline computes them: a low-pass at Xs 1.5 and a band-pass of 1 kHz to 3 kHz at Xs 1.3,
// both with 0.1 dB of ripple.

#include <benchmark/benchmark.h>

#include <cmath>

#include "design/DesignResults.h"
#include "design/SectionPipeline.h"

namespace {

using namespace vorna;

void RunOrder58(benchmark::State& state, FilterKind kind) {
    const bool band = IsBand(kind);
    const double epsP2 = std::pow(10, 0.01) - 1;
    // Band-pass: Fs1 = 1 kHz / 1.3, Fs2 = 3 kHz * 1.3 over the 2 kHz pass band.
    const double ratio = band ? (3000 * 1.3 - 1000 / 1.3) / 2000 : 1.5;
    const SectionRequest request{kind, Approximation::Elliptic, 58, 0.1, epsP2, 0, ratio};
    DesignResults results;
    results.resultOrder = 58;
    results.sectionLast = band ? 57 : 28;
    results.fc = band ? std::sqrt(1000.0 * 3000.0) : 1000;
    results.omegaC = kTwoPi * results.fc;
    results.bandwidth = kTwoPi * 2000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeSections(request, results));
        benchmark::DoNotOptimize(results.sections);
    }
    if (results.sections[static_cast<std::size_t>(results.sectionLast)].den0 == 0) {
        state.SkipWithError("the design has no sections");
    }
}

void BM_EllipticLowPassOrder58(benchmark::State& state) {
    RunOrder58(state, FilterKind::LowPass);
}
BENCHMARK(BM_EllipticLowPassOrder58);

void BM_EllipticBandPassOrder58(benchmark::State& state) {
    RunOrder58(state, FilterKind::BandPass);
}
BENCHMARK(BM_EllipticBandPassOrder58);

}  // namespace
