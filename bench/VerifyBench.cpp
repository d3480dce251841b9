#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <cmath>

#include "analysis/Response.h"
#include "app/DesignDocument.h"
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
    DesignDocument doc;
    doc.kind = kLowPass;
    doc.fp = 1000;
    doc.figures.fs = 1500;
    doc.attp = 3.0102999566398116;
    doc.atts = 35;
    DesignView view(doc);
    view.resultOrder = 10;
    view.resultOddOrder = 0;
    view.sectionLast = 4;
    view.sections.resize(5);
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
    DesignView view(made.doc);
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

// Seconds of wall time and of the process's processor time (all its threads).
struct Cost {
    double wall = 0, processor = 0;
};

double ProcessorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

template <typename Work>
void AddCost(Cost& cost, Work work) {
    const auto wallStart = std::chrono::steady_clock::now();
    const double processorStart = ProcessorSeconds();
    work();
    cost.processor += ProcessorSeconds() - processorStart;
    cost.wall +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
}

void RunAnalysis(benchmark::State& state, const verify::RealisedCircuit& circuit,
                 const verify::ToleranceOptions& options) {
    const verify::ToleranceResult result =
        verify::RunToleranceAnalysis(circuit, options, kPointsPerDecade);
    if (!result.Succeeded() || result.runs != options.runs)
        state.SkipWithError("the tolerance analysis did not run");
    benchmark::DoNotOptimize(result.yield);
}

// range(1) tolerance runs of the circuit of order range(0) on one thread (the envelope keeps
// 2048 of them and counts the rest), and as many fused evaluations (gain and phase, as the
// graphs have them) of its nominal sections on the frequencies a run evaluates, taken in
// turn so that both see the same machine: the counters give each one's cost and the
// ratios of a run to an evaluation, in wall and in processor time.
void BM_ToleranceRunOverFusedEvaluation(benchmark::State& state) {
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
    verify::ToleranceOptions options;
    options.threads = 1;
    options.runs = static_cast<int>(state.range(1));
    Cost runs, evaluations;
    for (auto _ : state) {
        AddCost(runs, [&] { RunAnalysis(state, circuit, options); });
        AddCost(evaluations, [&] {
            for (int i = 0; i < options.runs; ++i) {
                analysis::GainPhaseOver(cascade, omegas, out);
                benchmark::DoNotOptimize(out.data());
            }
        });
    }
    const double count = static_cast<double>(state.iterations()) * options.runs;
    state.counters["runUs"] = 1e6 * runs.wall / count;
    state.counters["evaluationUs"] = 1e6 * evaluations.wall / count;
    state.counters["ratio"] = runs.wall / evaluations.wall;
    state.counters["processorRatio"] = runs.processor / evaluations.processor;
    state.counters["points"] = static_cast<double>(omegas.size());
}
BENCHMARK(BM_ToleranceRunOverFusedEvaluation)
    ->Args({10, 20000})
    ->Args({58, 3000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// range(1) tolerance runs of the circuit of order range(0) on one thread and on two, in
// turn: the counter gives the speed-up in wall time.
void BM_ToleranceTwoThreadsOverOne(benchmark::State& state) {
    const verify::RealisedCircuit& circuit = Circuit(static_cast<int>(state.range(0)));
    verify::ToleranceOptions options;
    options.runs = static_cast<int>(state.range(1));
    Cost one, two;
    for (auto _ : state) {
        options.threads = 1;
        AddCost(one, [&] { RunAnalysis(state, circuit, options); });
        options.threads = 2;
        AddCost(two, [&] { RunAnalysis(state, circuit, options); });
    }
    state.counters["oneThreadMs"] = 1e3 * one.wall / static_cast<double>(state.iterations());
    state.counters["twoThreadsMs"] = 1e3 * two.wall / static_cast<double>(state.iterations());
    state.counters["speedUp"] = one.wall / two.wall;
}
BENCHMARK(BM_ToleranceTwoThreadsOverOne)
    ->Args({10, 100000})
    ->Args({58, 10000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

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
