#include "AnalysisGraphs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "AnalysisInput.h"
#include "analysis/AttenuationMask.h"
#include "analysis/PassbandGains.h"
#include "analysis/Response.h"
#include "analysis/TimeResponse.h"
#include "app/DocumentMask.h"
#include "text/Texts.h"

namespace vorna::cli {

namespace {

constexpr int kFrequencyPoints = 2000;
constexpr int kTimePoints = 1000;
constexpr double kDegreesPerRadian = 180 / kPi;

const Pen kCurvePen{{0, 0, 0}, 2, PenStyle::Solid};
const Pen kMaskPen{{220, 0, 0}, 2, PenStyle::Solid};
const Pen kMarkPen{{0, 0, 220}, 1, PenStyle::Dotted};

struct GraphInput {
    const DesignWindow& window;
    analysis::Cascade cascade;
    analysis::MaskEdges edges;
    std::vector<analysis::MaskBand> mask;

    double Nyquist() const { return 0.5 / cascade.samplingPeriod; }
};

ChartAxis FrequencyAxis(const GraphInput& in, double low, double high) {
    if (in.cascade.IsDigital()) high = std::min(high, in.Nyquist());
    return {Text(TextId::CliGraphFrequencyAxis), low, high, true};
}

ChartAxis GraphFrequencyAxis(const GraphInput& in) {
    return FrequencyAxis(in, in.window.view.graphFreqMin,
                         in.cascade.IsDigital() ? in.Nyquist() : in.window.view.graphFreqMax);
}

// One curve of `value` (of omega) over the axis's frequencies.
ChartCurve FrequencyCurve(const ChartAxis& axis, const std::vector<double>& values) {
    ChartCurve curve{{}, kCurvePen};
    const std::vector<double> hz = analysis::LogSpaced(axis.low, axis.high, kFrequencyPoints);
    for (std::size_t i = 0; i < hz.size(); ++i) curve.points.push_back({hz[i], values[i]});
    return curve;
}

std::vector<double> Omegas(const ChartAxis& axis) {
    std::vector<double> omegas = analysis::LogSpaced(axis.low, axis.high, kFrequencyPoints);
    for (double& omega : omegas) omega *= kTwoPi;
    return omegas;
}

std::vector<double> Gains(const GraphInput& in, const ChartAxis& axis) {
    std::vector<double> gains;
    for (double omega : Omegas(axis))
        gains.push_back(analysis::GainPhaseAt(in.cascade, omega).gainDb);
    return gains;
}

// The mask's limits and the half sampling frequency of a digital design.
std::vector<ChartLine> MaskLines(const GraphInput& in, const ChartAxis& axis) {
    std::vector<ChartLine> lines;
    for (const analysis::MaskBand& band : in.mask) {
        lines.push_back(
            {band.lowHz, band.HasUpperEnd() ? band.highHz : axis.high, band.limitDb, kMaskPen, ""});
    }
    if (in.cascade.IsDigital()) lines.push_back({in.Nyquist(), in.Nyquist(), 0, kMarkPen, "fs/2"});
    return lines;
}

Chart Magnitude(const GraphInput& in) {
    const ChartAxis x = GraphFrequencyAxis(in);
    Chart chart{Text(TextId::CliGraphGainTitle),
                x,
                {Text(TextId::CliGraphGainAxis), -in.window.view.graphAttMax, 10},
                {},
                {}};
    chart.curves.push_back(FrequencyCurve(x, Gains(in, x)));
    chart.lines = MaskLines(in, x);
    return chart;
}

// The pass bands with a little room: a tenth beyond a band edge, two decades beyond an edge
// at DC or at no frequency; in gain, the mask's floor and reference and the design's own
// extremes in the pass bands, with half the ripple to spare.
Chart PassBand(const GraphInput& in) {
    double low = INFINITY;
    double high = 0;
    for (const analysis::MaskBand& band : in.mask) {
        if (band.kind != analysis::BandKind::Pass) continue;
        low = std::min(low, band.lowHz > 0 ? band.lowHz / 1.1 : band.highHz / 100);
        high = std::max(high, band.HasUpperEnd() ? band.highHz * 1.1 : band.lowHz * 100);
    }
    if (!(high > low)) {
        low = in.window.view.graphFreqMin;
        high = in.window.view.graphFreqMax;
    }
    const ChartAxis x = FrequencyAxis(in, low, high);
    Chart chart{Text(TextId::CliGraphPassBandTitle),
                x,
                {},
                {FrequencyCurve(x, Gains(in, x))},
                MaskLines(in, x)};
    const analysis::GainSpan span = analysis::PassbandGainSpan(in.cascade, in.edges, x.low, x.high);
    const double room = 0.5 * in.edges.attp;
    chart.y =
        FittedAxis(Text(TextId::CliGraphGainAxis), {}, {span.lowDb - room, span.highDb + room});
    return chart;
}

Chart Phase(const GraphInput& in) {
    const ChartAxis x = GraphFrequencyAxis(in);
    std::vector<double> degrees = analysis::UnwrappedPhaseOver(in.cascade, Omegas(x));
    for (double& d : degrees) d *= kDegreesPerRadian;
    Chart chart{
        Text(TextId::CliGraphPhaseTitle), x, {}, {FrequencyCurve(x, degrees)}, MaskLines(in, x)};
    chart.lines.erase(std::remove_if(chart.lines.begin(), chart.lines.end(),
                                     [](const ChartLine& l) { return l.from != l.to; }),
                      chart.lines.end());
    chart.y = FittedAxis(Text(TextId::CliGraphPhaseAxis), chart.curves);
    return chart;
}

Chart GroupDelay(const GraphInput& in) {
    const ChartAxis x = GraphFrequencyAxis(in);
    Chart chart{Text(TextId::CliGraphGroupDelayTitle),
                x,
                {},
                {FrequencyCurve(x, analysis::GroupDelayOver(in.cascade, Omegas(x)))},
                {}};
    if (in.cascade.IsDigital())
        chart.lines.push_back({in.Nyquist(), in.Nyquist(), 0, kMarkPen, "fs/2"});
    chart.y = FittedAxis(Text(TextId::CliGraphGroupDelayAxis), chart.curves, {0});
    return chart;
}

Chart TimeChart(const GraphInput& in, analysis::Excitation excitation) {
    const bool step = excitation == analysis::Excitation::Step;
    Chart chart{Text(step ? TextId::CliGraphStepTitle : TextId::CliGraphImpulseTitle),
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
    chart.y = FittedAxis(Text(rate ? TextId::CliGraphRateAxis : TextId::CliGraphOutputAxis),
                         chart.curves, {0});
    return chart;
}

const std::map<std::string, std::function<Chart(const GraphInput&)>> kGraphs{
    {"magnitude", Magnitude},
    {"passband", PassBand},
    {"phase", Phase},
    {"groupdelay", GroupDelay},
    {"step", [](const GraphInput& in) { return TimeChart(in, analysis::Excitation::Step); }},
    {"impulse", [](const GraphInput& in) { return TimeChart(in, analysis::Excitation::Impulse); }},
};

}  // namespace

bool IsAnalysisGraph(const std::string& graph) {
    return kGraphs.count(graph) != 0;
}

std::optional<Chart> AnalysisChart(const std::string& graph, const DesignWindow& window) {
    const auto found = kGraphs.find(graph);
    if (found == kGraphs.end()) return std::nullopt;
    const analysis::MaskEdges edges = MaskEdgesOf(window.doc);
    const GraphInput in{window, WindowCascade(window), edges, analysis::AttenuationMask(edges)};
    return found->second(in);
}

}  // namespace vorna::cli
