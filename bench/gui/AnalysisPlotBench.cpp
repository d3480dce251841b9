// Pan and zoom in the analysis window's graphs: six curves of 5,000 points over a
// logarithmic frequency axis; each iteration is one zoom step and the repaint after it.

#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <QApplication>
#include <cmath>

#include "analysis/GraphPane.h"

namespace {

constexpr int kCurves = 6;
constexpr int kPoints = 5000;

vorna::GraphData SixCurves() {
    vorna::GraphData graph;
    graph.title = "振幅特性";
    graph.x = {"周波数", "Hz", vorna::AxisScale::Logarithmic, 10, 1e6};
    graph.y = {"利得", "dB", vorna::AxisScale::Linear, -100, 10};
    for (int c = 0; c < kCurves; ++c) {
        vorna::Curve curve;
        curve.name = "curve";
        for (int i = 0; i < kPoints; ++i) {
            const double f = 10 * std::pow(1e5, static_cast<double>(i) / (kPoints - 1));
            curve.x.push_back(f);
            curve.y.push_back(-10 * std::log10(1 + std::pow(f / (1000.0 * (c + 1)), 4 * (c + 1))));
        }
        graph.curves.push_back(std::move(curve));
    }
    return graph;
}

void BM_AnalysisGraphZoomRepaint(benchmark::State& state) {
    vorna::GraphPane pane;
    pane.resize(1000, 650);
    pane.SetGraph(SixCurves());
    pane.show();
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        // In and out in turn, so that the range stays bounded.
        pane.Zoom(step++ % 20 < 10 ? 0.9 : 1 / 0.9);
        pane.Plot()->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AnalysisGraphZoomRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
