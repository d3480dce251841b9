// The desktop program's speed: start-up to the first paint of the default design, and one
// repaint of a window showing an order-58 band-pass design at 1000 points per decade.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <memory>

#include "DocumentWindow.h"
#include "MainWindow.h"
#include "ViewWidget.h"
#include "app/DocumentResults.h"

namespace {

// Runs the event loop until `window` has painted its design once.
void WaitForFirstPaint(vorna::DocumentWindow& window) {
    QEventLoop loop;
    QObject::connect(window.Area(), &vorna::ViewWidget::Painted, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
}

void BM_StartupToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        auto frame = std::make_unique<vorna::MainWindow>();
        frame->show();
        vorna::DocumentWindow* window = frame->NewDocument();
        WaitForFirstPaint(*window);
        if (window->View().noDesignYet) state.SkipWithError("the design window never painted");
        state.PauseTiming();
        frame.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_RepaintOrder58BandPass(benchmark::State& state) {
    vorna::MainWindow frame;
    frame.show();
    vorna::DocumentWindow* window = frame.NewDocument();
    vorna::DesignDocument& doc = window->Document();
    doc.kind = vorna::kBandPass;
    doc.figures.order = 58;
    doc.oddOrder = false;
    doc.lastSection = 57;
    RecomputeResults(window->View(), doc);
    window->View().pointsPerDecade = 1000;
    WaitForFirstPaint(*window);
    for (auto _ : state) window->Area()->repaint();
    state.counters["sections"] = window->View().sectionLast + 1;
}
BENCHMARK(BM_RepaintOrder58BandPass)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
