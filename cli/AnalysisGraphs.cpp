#include "AnalysisGraphs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "AnalysisInput.h"
#include "analysis/FrequencyGraphs.h"
#include "analysis/Response.h"
#include "analysis/TimeResponse.h"
#include "app/DocumentMask.h"
#include "text/Texts.h"

namespace vorna::cli {

namespace {

constexpr int kTimePoints = 1000;

const Pen kCurvePen{{0, 0, 0}, 2, PenStyle::Solid};
const Pen kMaskPen{{220, 0, 0}, 2, PenStyle::Solid};
const Pen kMarkPen{{0, 0, 220}, 1, PenStyle::Dotted};

// The mask's limits and the half sampling frequency of a digital design.
std::vector<ChartLine> MaskLines(const analysis::FrequencyGraphData& data,
                                 const analysis::Cascade& cascade) {
    std::vector<ChartLine> lines;
    for (const analysis::MaskBand& band : data.mask) {
        lines.push_back({band.lowHz, band.HasUpperEnd() ? band.highHz : data.hz.high, band.limitDb,
                         kMaskPen, ""});
    }
    if (cascade.IsDigital()) {
        const double nyquist = analysis::NyquistOf(cascade);
        lines.push_back({nyquist, nyquist, 0, kMarkPen, "fs/2"});
    }
    return lines;
}

// The frequency graph `graph` as a chart titled `title`, its y axis `yTitle` fitted to the
// curve and to what the graph must show.
Chart FrequencyChart(const analysis::GraphSource& in, analysis::FrequencyGraph graph,
                     const char* title, const char* yTitle) {
    const analysis::FrequencyGraphData data = analysis::FrequencyGraphOf(graph, in);
    Chart chart{
        title, {Text(TextId::CliGraphFrequencyAxis), data.hz.low, data.hz.high, true}, {}, {}, {}};
    ChartCurve curve{{}, kCurvePen};
    for (std::size_t i = 0; i < data.frequencies.size(); ++i)
        curve.points.push_back({data.frequencies[i], data.values[i]});
    chart.curves.push_back(curve);
    if (graph != analysis::FrequencyGraph::GroupDelay) chart.lines = MaskLines(data, in.cascade);
    switch (graph) {
        case analysis::FrequencyGraph::Magnitude:
            chart.y = {yTitle, data.shown->low, data.shown->high};
            break;
        case analysis::FrequencyGraph::Passband:
            chart.y = FittedAxis(yTitle, {}, {data.shown->low, data.shown->high});
            break;
        case analysis::FrequencyGraph::Phase:
            std::erase_if(chart.lines, [](const ChartLine& l) { return l.from != l.to; });
            chart.y = FittedAxis(yTitle, chart.curves);
            break;
        case analysis::FrequencyGraph::GroupDelay:
            if (in.cascade.IsDigital()) {
                const double nyquist = analysis::NyquistOf(in.cascade);
                chart.lines.push_back({nyquist, nyquist, 0, kMarkPen, "fs/2"});
            }
            chart.y = FittedAxis(yTitle, chart.curves, {0});
            break;
    }
    return chart;
}

Chart TimeChart(const analysis::GraphSource& in, analysis::Excitation excitation) {
    const bool step = excitation == analysis::Excitation::Step;
    Chart chart{step ? Text(TextId::CliGraphStepTitle) : Text(TextId::CliGraphImpulseTitle),
                {Text(TextId::CliGraphTimeAxis), 0, 1},
                {Text(TextId::CliGraphOutputAxis), 0, 1},
                {},
                {}};
    const std::optional<double> end = analysis::SettlingTime(in.cascade);
    if (!end) return chart;  // says that it cannot be computed
    chart.x.high = *end;
    ChartCurve curve{{}, kCurvePen};
    if (const auto samples = analysis::TimeResponse(in.cascade, excitation, *end, kTimePoints)) {
        for (const auto& s : *samples) curve.points.push_back({s.time, s.value});
    }
    chart.curves.push_back(curve);
    const double dc = analysis::DcGain(in.cascade);
    if (step && std::isfinite(dc)) chart.lines.push_back({0, *end, dc, kMarkPen, ""});
    // An analog impulse response is a rate: the output per unit area of the impulse.
    const bool rate = !step && !in.cascade.IsDigital();
    chart.y = FittedAxis(rate ? Text(TextId::CliGraphRateAxis) : Text(TextId::CliGraphOutputAxis),
                         chart.curves, {0});
    return chart;
}

const std::map<std::string, std::function<Chart(const analysis::GraphSource&)>> kGraphs{
    {"magnitude",
     [](const analysis::GraphSource& in) {
         return FrequencyChart(in, analysis::FrequencyGraph::Magnitude, Text(TextId::GainGain),
                               Text(TextId::CliGraphGainAxis));
     }},
    {"passband",
     [](const analysis::GraphSource& in) {
         return FrequencyChart(in, analysis::FrequencyGraph::Passband,
                               Text(TextId::CliGraphPassBandTitle), Text(TextId::CliGraphGainAxis));
     }},
    {"phase",
     [](const analysis::GraphSource& in) {
         return FrequencyChart(in, analysis::FrequencyGraph::Phase,
                               Text(TextId::CliGraphPhaseTitle), Text(TextId::CliGraphPhaseAxis));
     }},
    {"groupdelay",
     [](const analysis::GraphSource& in) {
         return FrequencyChart(in, analysis::FrequencyGraph::GroupDelay,
                               Text(TextId::CliGraphGroupDelayTitle),
                               Text(TextId::CliGraphGroupDelayAxis));
     }},
    {"step",
     [](const analysis::GraphSource& in) { return TimeChart(in, analysis::Excitation::Step); }},
    {"impulse",
     [](const analysis::GraphSource& in) { return TimeChart(in, analysis::Excitation::Impulse); }},
};

}  // namespace

bool IsAnalysisGraph(const std::string& graph) {
    return kGraphs.count(graph) != 0;
}

std::optional<Chart> AnalysisChart(const std::string& graph, const DesignWindow& window) {
    const auto found = kGraphs.find(graph);
    if (found == kGraphs.end()) return std::nullopt;
    const DesignView& view = window.view;
    return found->second({WindowCascade(window), MaskEdgesOf(window.doc), view.graphFreqMin,
                          view.graphFreqMax, view.graphAttMax});
}

}  // namespace vorna::cli
