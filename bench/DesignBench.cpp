#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "app/DesignDocument.h"
#include "app/DocumentResults.h"
#include "design/DesignResults.h"
#include "dialogs/Dialog.h"
#include "platform/Ui.h"
#include "support/AcceptingUi.h"

namespace {

// The design of an order-58 Butterworth low-pass through its parameter dialog, and the
// recomputation of its sections and graph ranges.
void BM_DesignButterworthOrder58(benchmark::State& state) {
    vorna::testing::AcceptingUi ui;
    vorna::DesignDocument doc;
    doc.byOrder = true;
    doc.figures.order = 58;
    vorna::DesignResults results;
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.RunDesign(ui));
        RecomputeResults(results, doc);
        benchmark::DoNotOptimize(results.sections[28].den1);
    }
    if (results.resultOrder != 58) state.SkipWithError("the design is not of order 58");
}
BENCHMARK(BM_DesignButterworthOrder58);

}  // namespace
