#include <benchmark/benchmark.h>

#include "app/DesignDocument.h"
#include "app/DocumentResults.h"
#include "app/SynthesisInputs.h"
#include "circuit/Synthesis.h"
#include "cli/CandidatePicker.h"
#include "output/CircuitOutput.h"
#include "support/AcceptingUi.h"
#include "topology/BasicCircuits.h"
#include "view/DesignView.h"

namespace {

using namespace vorna;

// An order-58 design by order, realised with basic circuit `circuit` (index into the
// synthesis entries) in E96 while a picker chooses the best candidate of every step, as
// vorna-cli circuit --pick best does.
void PickBestOrder58(benchmark::State& state, int kind, int approximation, int circuit) {
    DesignDocument doc;
    doc.kind = kind;
    doc.approximation = approximation;
    doc.byOrder = true;
    doc.figures.order = 58;
    doc.attp = 0.1;  // the ripple the parameter dialogs propose first
    const DesignOutcome outcome = DesignFilter(doc.Spec(), doc.figures);
    doc.TakeOver(doc.Spec(), EntriesKept::All, outcome.Designed().figures);
    testing::AcceptingUi ui;
    const auto walk =
        circuit <= 1 ? cli::SecondOrderWalk::DownFromC1 : cli::SecondOrderWalk::FromR1;
    int candidates = 0;
    for (auto _ : state) {
        state.PauseTiming();
        DesignView view(doc);
        RecomputeResults(view, doc);
        CircuitOutput out;
        out.SetSeries(5 + 10, 0);
        cli::CandidatePicker picker(cli::PickRule::Best, walk);
        ui.dialogs = 0;
        state.ResumeTiming();
        SynthesizeBasicCircuit(kBasicCircuits[static_cast<std::size_t>(circuit)],
                               SynthesisInputOf(doc), view, out, picker, ui);
        benchmark::DoNotOptimize(view.sections);
        if (out.synthesisFailed || ui.dialogs != 0)
            state.SkipWithError("the design was not realised without dialogs");
        candidates = 0;
        for (const auto& step : picker.Steps()) candidates += step.candidates;
    }
    state.counters["candidates"] = candidates;
}

void BM_PickBestBandEliminateEllipticOrder58BE2(benchmark::State& state) {
    PickBestOrder58(state, kBandEliminate, kElliptic, 13);
}
BENCHMARK(BM_PickBestBandEliminateEllipticOrder58BE2)->Unit(benchmark::kMillisecond);

void BM_PickBestHighPassChebyshevOrder58HP1(benchmark::State& state) {
    PickBestOrder58(state, kHighPass, kChebyshev, 4);
}
BENCHMARK(BM_PickBestHighPassChebyshevOrder58HP1)->Unit(benchmark::kMillisecond);

}  // namespace
