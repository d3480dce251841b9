#include <benchmark/benchmark.h>

#include <cmath>

#include "app/CKorvelDoc.h"
#include "support/RealisedDesign.h"
#include "verify/CircuitSimulation.h"
#include "verify/ToleranceAnalysis.h"

namespace {

using namespace vorna;

// An order-10 Butterworth low-pass at 1 kHz realised with LP2 (five Sallen-Key sections),
// its graph from 100 Hz to 10 kHz at the view's 201 points a decade.
verify::RealisedCircuit OrderTenLowPass() {
    CKorvelDoc doc;
    doc.kind = kLowPass;
    doc.fp = 1000;
    doc.fs = 1500;
    doc.attp = 3.0102999566398116;
    doc.atts = 35;
    CKorvelView view(doc);
    view.resultOrder = 10;
    view.resultOddOrder = 0;
    view.sectionLast = 4;
    view.graphFreqMin = 100;
    view.graphFreqMax = 10000;
    const double w0 = kTwoPi * 1000;
    for (int k = 0; k < 5; ++k) {
        const double q = 1 / (2 * std::sin((2 * k + 1) * kPi / 20));
        view.sections[static_cast<std::size_t>(k)] = {w0 / q, w0 * w0, 0, 0, w0 * w0};
    }
    verify::RealisedCircuit circuit;
    std::string error;
    testing::RealiseFirstCandidates(doc, view, 1, circuit, error);
    return circuit;
}

void BM_SimulateOrderTen(benchmark::State& state) {
    const verify::RealisedCircuit circuit = OrderTenLowPass();
    for (auto _ : state) {
        const verify::CircuitSimulation simulation = verify::SimulateCircuit(circuit, 10e6, 201);
        if (!simulation.Succeeded()) state.SkipWithError(simulation.error.c_str());
        benchmark::DoNotOptimize(simulation.points.data());
    }
}
BENCHMARK(BM_SimulateOrderTen)->Unit(benchmark::kMillisecond);

void BM_TenThousandMonteCarloRunsOrderTen(benchmark::State& state) {
    const verify::RealisedCircuit circuit = OrderTenLowPass();
    verify::ToleranceOptions options;
    options.runs = 10000;
    for (auto _ : state) {
        const verify::ToleranceResult result = verify::RunToleranceAnalysis(circuit, options, 201);
        if (!result.Succeeded() || result.runs != options.runs)
            state.SkipWithError("the tolerance analysis did not run");
        benchmark::DoNotOptimize(result.yield);
    }
}
BENCHMARK(BM_TenThousandMonteCarloRunsOrderTen)->Unit(benchmark::kMillisecond);

}  // namespace
