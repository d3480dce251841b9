#include <benchmark/benchmark.h>

#include "app/DesignDocument.h"
#include "app/DocumentResults.h"
#include "platform/RecordingCanvas.h"
#include "view/DesignView.h"

namespace {

// An elliptic band-pass of order 58 designed through its dialog, shown over 100 Hz to
// 10 kHz at the finest point density.
struct DesignedBandPass {
    vorna::DesignDocument doc;
    vorna::DesignView view{doc};

    DesignedBandPass() {
        doc.kind = vorna::kBandPass;
        doc.approximation = vorna::kElliptic;
        doc.byOrder = true;
        doc.figures.order = 58;
        doc.attp = 0.1;
        const vorna::DesignOutcome outcome = vorna::DesignFilter(doc.Spec(), doc.figures);
        doc.TakeOver(doc.Spec(), vorna::EntriesKept::All, outcome.Designed().figures);
        RecomputeResults(view, doc);
        view.graphFreqMin = 100;
        view.graphFreqMax = 10000;
        view.pointsPerDecade = 1000;
    }
};

// The first paint after a design: both curves are traced.
void BM_ResponseGraphFirstPaintOrder58BandPass(benchmark::State& state) {
    DesignedBandPass design;
    for (auto _ : state) {
        design.view.tracedCurves = {};
        vorna::RecordingCanvas canvas;
        design.view.OnDraw(canvas);
        benchmark::DoNotOptimize(canvas.lines.data());
    }
    state.counters["sections"] = design.view.sectionLast + 1;
}
BENCHMARK(BM_ResponseGraphFirstPaintOrder58BandPass)->Unit(benchmark::kMillisecond);

// A repaint of the same design: the kept curves are drawn again.
void BM_ResponseGraphRepaintOrder58BandPass(benchmark::State& state) {
    DesignedBandPass design;
    for (auto _ : state) {
        vorna::RecordingCanvas canvas;
        design.view.OnDraw(canvas);
        benchmark::DoNotOptimize(canvas.lines.data());
    }
    if (design.view.sectionLast != 57) state.SkipWithError("the design is not of order 58");
}
BENCHMARK(BM_ResponseGraphRepaintOrder58BandPass)->Unit(benchmark::kMillisecond);

}  // namespace
