// Pan and zoom speed of the two Qt plotting libraries Debian offers, on the load of the
// analysis window: six curves of 5,000 points over a logarithmic frequency axis. Each
// iteration is one zoom step of the frequency axis and the repaint that follows it.

#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QLogValueAxis>
#include <QtCharts/QValueAxis>
#include <cmath>

namespace {

constexpr int kCurves = 6;
constexpr int kPoints = 5000;
constexpr double kLow = 10;
constexpr double kHigh = 1e6;

double Frequency(int i) {
    return kLow * std::pow(kHigh / kLow, static_cast<double>(i) / (kPoints - 1));
}

double Gain(int curve, double f) {
    const double ratio = f / (1000.0 * (curve + 1));
    return -10 * std::log10(1 + std::pow(ratio, 4 * (curve + 1))) + std::sin(f / 300) * 0.1;
}

// Zooms in and out in turn so that the range stays bounded.
double ZoomFactor(int step) {
    return step % 20 < 10 ? 0.9 : 1 / 0.9;
}

void BM_ZoomRepaintQCustomPlot(benchmark::State& state) {
    QCustomPlot plot;
    plot.resize(1000, 600);
    plot.xAxis->setScaleType(QCPAxis::stLogarithmic);
    plot.xAxis->setTicker(QSharedPointer<QCPAxisTickerLog>::create());
    for (int c = 0; c < kCurves; ++c) {
        QVector<double> x(kPoints), y(kPoints);
        for (int i = 0; i < kPoints; ++i) {
            x[i] = Frequency(i);
            y[i] = Gain(c, x[i]);
        }
        plot.addGraph()->setData(x, y, true);
    }
    plot.xAxis->setRange(kLow, kHigh);
    plot.yAxis->setRange(-100, 10);
    plot.show();
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        plot.xAxis->scaleRange(ZoomFactor(step++), 1000);
        plot.replot(QCustomPlot::rpImmediateRefresh);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ZoomRepaintQCustomPlot)->Unit(benchmark::kMillisecond);

void BM_ZoomRepaintQtCharts(benchmark::State& state) {
    auto* chart = new QChart;
    auto* xAxis = new QLogValueAxis;
    auto* yAxis = new QValueAxis;
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    for (int c = 0; c < kCurves; ++c) {
        auto* series = new QLineSeries;
        QList<QPointF> points;
        points.reserve(kPoints);
        for (int i = 0; i < kPoints; ++i) points.append({Frequency(i), Gain(c, Frequency(i))});
        series->replace(points);
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }
    xAxis->setRange(kLow, kHigh);
    yAxis->setRange(-100, 10);
    QChartView view(chart);
    view.resize(1000, 600);
    view.show();
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        const double factor = ZoomFactor(step++);
        const double low = 1000 * std::pow(xAxis->min() / 1000, factor);
        const double high = 1000 * std::pow(xAxis->max() / 1000, factor);
        xAxis->setRange(low, high);
        QApplication::processEvents();
        view.viewport()->repaint();
    }
}
BENCHMARK(BM_ZoomRepaintQtCharts)->Unit(benchmark::kMillisecond);

}  // namespace
