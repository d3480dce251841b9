#include <benchmark/benchmark.h>

#include "app/CKorvelDoc.h"
#include "platform/RecordingCanvas.h"
#include "view/CKorvelView.h"

namespace {

// One full screen paint of the response graph of the largest band-pass design (58
// second-order sections) at the finest point density.
void BM_ResponseGraphOrder58BandPass(benchmark::State& state) {
    vorna::CKorvelDoc doc;
    doc.kind = vorna::kBandPass;
    doc.order = 58;
    doc.oddOrder = 0;
    doc.lastSection = 57;
    vorna::CKorvelView view(doc);
    view.RecomputeResults(doc);
    view.pointsPerDecade = 1000;
    for (auto _ : state) {
        vorna::RecordingCanvas canvas;
        view.OnDraw(canvas);
        benchmark::DoNotOptimize(canvas.lines.data());
    }
    state.counters["sections"] = view.sectionLast + 1;
}
BENCHMARK(BM_ResponseGraphOrder58BandPass)->Unit(benchmark::kMillisecond);

}  // namespace
