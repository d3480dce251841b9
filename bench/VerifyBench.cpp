#include <benchmark/benchmark.h>

#include <cmath>

#include "analysis/Response.h"
#include "app/CKorvelDoc.h"
#include "design/DesignFixture.h"
#include "support/RealisedDesign.h"
#include "verify/CircuitModel.h"
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

// An elliptic band-pass of order 58 (1 kHz to 3 kHz) realised with BP3 (29 state-variable
// notches), its graph at 201 points a decade.
verify::RealisedCircuit OrderFiftyEightBandPass() {
    testing::DesignCase design;
    design.kind = kBandPass;
    design.approximation = kElliptic;
    design.order = 58;
    testing::Design made = testing::MakeDesign(design);
    CKorvelView view(made.doc);
    static_cast<DesignResults&>(view) = made.results;
    verify::RealisedCircuit circuit;
    std::string error;
    testing::RealiseFirstCandidates(made.doc, view, 10, circuit, error);
    return circuit;
}

const verify::RealisedCircuit& Circuit(int order) {
    static const verify::RealisedCircuit ten = OrderTenLowPass();
    static const verify::RealisedCircuit fiftyEight = OrderFiftyEightBandPass();
    return order == 10 ? ten : fiftyEight;
}

constexpr int kPointsPerDecade = 201;

// The fused evaluation (gain and phase, as the graphs have it) of the circuit's nominal
// sections on the frequencies a tolerance run evaluates.
void BM_FusedEvaluation(benchmark::State& state) {
    const verify::RealisedCircuit& circuit = Circuit(static_cast<int>(state.range(0)));
    std::string error;
    const std::optional<verify::CircuitModel> model = verify::CircuitModel::Of(circuit, error);
    analysis::Cascade cascade;
    if (!model || model->Realise(model->NominalValues(), cascade) != verify::Realisation::Usable) {
        state.SkipWithError("the circuit has no usable model");
        return;
    }
    std::vector<double> omegas;
    for (double hz : verify::ToleranceFrequencies(circuit, kPointsPerDecade))
        omegas.push_back(kTwoPi * hz);
    std::vector<analysis::GainPhase> out(omegas.size());
    for (auto _ : state) {
        analysis::GainPhaseOver(cascade, omegas, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["points"] = static_cast<double>(omegas.size());
    state.counters["sections"] = cascade.SectionCount();
}
BENCHMARK(BM_FusedEvaluation)->Arg(10)->Arg(58)->Unit(benchmark::kMicrosecond);

// Tolerance runs of the circuit of order range(0) on range(1) threads, range(2) runs (the
// envelope keeps 2048 of them and counts the rest); a run's cost is the time over the runs.
void BM_ToleranceRuns(benchmark::State& state) {
    const verify::RealisedCircuit& circuit = Circuit(static_cast<int>(state.range(0)));
    verify::ToleranceOptions options;
    options.threads = static_cast<int>(state.range(1));
    options.runs = static_cast<int>(state.range(2));
    for (auto _ : state) {
        const verify::ToleranceResult result =
            verify::RunToleranceAnalysis(circuit, options, kPointsPerDecade);
        if (!result.Succeeded() || result.runs != options.runs)
            state.SkipWithError("the tolerance analysis did not run");
        benchmark::DoNotOptimize(result.yield);
    }
    state.counters["runs"] = static_cast<double>(options.runs);
}
BENCHMARK(BM_ToleranceRuns)
    ->Args({10, 1, 40000})
    ->Args({58, 1, 4000})
    ->Args({58, 2, 4000})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

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
