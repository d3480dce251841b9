#include <benchmark/benchmark.h>

#include <cmath>

#include "app/DesignDocument.h"
#include "app/SynthesisInputs.h"
#include "circuit/Synthesis.h"
#include "dialogs/Dialog.h"
#include "output/CircuitOutput.h"
#include "support/AcceptingUi.h"
#include "topology/BasicCircuits.h"
#include "view/DesignView.h"

namespace {

using namespace vorna;

// An order-58 band-eliminate design: 58 notch sections around 10 kHz with their zeros at
// the centre, realised with BE2 (the lpet2 family, four dialogs per section).
void BM_SynthesisBandEliminateOrder58BE2(benchmark::State& state) {
    const double wc = 2 * 3.141592653589793 * 1e4;
    for (auto _ : state) {
        state.PauseTiming();
        DesignDocument doc;
        doc.kind = kBandEliminate;
        DesignView view(doc);
        view.resultOrder = 58;
        view.resultOddOrder = 0;
        view.sectionLast = 57;
        view.sections.resize(58);
        for (int i = 0; i < 58; ++i) {
            const double w0 = wc * std::pow(1.03, (i % 2 == 0 ? 1 : -1) * (i / 2 + 1));
            const double q = 1 + (i % 29) * 0.5;
            view.sections[static_cast<std::size_t>(i)] = {w0 / q, w0 * w0, 1, 0, wc * wc};
        }
        CircuitOutput out;
        testing::AcceptingUi ui;
        state.ResumeTiming();
        SynthesizeBasicCircuit(kBasicCircuits[*BasicCircuitRowOf("BE2")], SynthesisInputOf(doc),
                               view, out, out.Chooser(ui), ui);
        benchmark::DoNotOptimize(view.sections);
        if (out.synthesisFailed || out.elementValues.size() != 58 * 12) {
            state.SkipWithError("the design was not realised completely");
        }
    }
}
BENCHMARK(BM_SynthesisBandEliminateOrder58BE2)->Unit(benchmark::kMillisecond);

}  // namespace
