#include "AnalysisGraphs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "app/CKorvelDoc.h"
#include "design/DesignResults.h"
#include "design/conversion/FrequencyResponse.h"
#include "view/CKorvelView.h"
#include "view/PoleZeroPlot.h"

namespace vorna {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The response evaluation stands 1e-30 in for an exact zero modulus (-600 dB): anything
// this far down is a transmission zero, whose gain is minus infinity.
constexpr double kZeroGainDb = -500;
// The digital axis runs a quarter beyond half the sampling frequency, so that its marker
// stands inside the frame.
constexpr double kNyquistMargin = 1.25;

const char* const kUnreadableNote = "伝達零点など、計算できない点は曲線から除いています";

bool IsDigital(const CKorvelView& view) {
    return view.convertedToDigital != 0;
}

double HighestFrequency(const CKorvelView& view) {
    return IsDigital(view) ? view.samplingFrequency / 2 : view.graphFreqMax;
}

Axis FrequencyAxis(const CKorvelView& view) {
    const double high =
        IsDigital(view) ? view.samplingFrequency / 2 * kNyquistMargin : view.graphFreqMax;
    return {"周波数", "Hz", AxisScale::Logarithmic, view.graphFreqMin, high};
}

// The design's transfer function, copied so that a graph can evaluate it for the cursor
// however the design changes later.
struct Response {
    DesignResults results;
    int kind = kLowPass;
    bool digital = false;
    double period = 0;

    double GainDb(double hz) const {
        const double omega = kTwoPi * hz;
        const double gain = digital ? DigitalGainDb(results, kind, omega, period)
                                    : AnalogGainDb(results, kind, omega);
        return gain > kZeroGainDb ? gain : kNaN;
    }
    double PhaseDegrees(double hz) const {
        const double omega = kTwoPi * hz;
        return (digital ? DigitalPhase(results, kind, omega, period)
                        : AnalogPhase(results, kind, omega)) *
               180 / kPi;
    }
};

Response ResponseOf(const CKorvelView& view, const CKorvelDoc& doc) {
    return {view, doc.kind, IsDigital(view), view.samplingPeriod};
}

// A graph over the response frequencies of the curve `value` gives, which also serves the
// cursor.
GraphData FrequencyGraph(const CKorvelView& view, std::string title, Axis y,
                         std::function<double(double)> value) {
    GraphData graph;
    graph.title = std::move(title);
    graph.x = FrequencyAxis(view);
    graph.y = std::move(y);
    if (IsDigital(view)) graph.nyquist = view.samplingFrequency / 2;
    Curve curve{graph.y.quantity, ResponseFrequencies(view), {}, CurveStyle::Line};
    curve.y.reserve(curve.x.size());
    for (double hz : curve.x) {
        const double v = value(hz);
        curve.y.push_back(std::isfinite(v) ? v : kNaN);
        if (!std::isfinite(v)) graph.note = kUnreadableNote;
    }
    graph.curves.push_back(std::move(curve));
    graph.exact = std::move(value);
    return graph;
}

GraphData GainGraph(const CKorvelView& view, const CKorvelDoc& doc, std::string title) {
    return FrequencyGraph(
        view, std::move(title), {"利得", "dB", AxisScale::Linear, -view.graphAttMax, 10},
        [response = ResponseOf(view, doc)](double hz) { return response.GainDb(hz); });
}

// Adds whole turns to a sampled phase (degrees) wherever it jumps by more than half a turn.
void Unwrap(std::vector<double>& degrees) {
    double previous = kNaN;
    double turns = 0;
    for (double& value : degrees) {
        if (!std::isfinite(value)) continue;
        if (std::isfinite(previous)) turns -= std::round((value - previous) / 360);
        previous = value;
        value += 360 * turns;
    }
}

// The pass band [low, high] in Hz; the whole axis for a band-eliminate design.
std::pair<double, double> PassBand(const CKorvelView& view, const CKorvelDoc& doc) {
    switch (doc.kind) {
        case kLowPass:
            return {view.graphFreqMin, doc.fp};
        case kHighPass:
            return {doc.fp, HighestFrequency(view)};
        case kBandPass:
            return {doc.fp1, doc.fp2};
        default:
            return {view.graphFreqMin, HighestFrequency(view)};
    }
}

}  // namespace

std::vector<double> ResponseFrequencies(const CKorvelView& view) {
    const double low = view.graphFreqMin;
    const double high = HighestFrequency(view);
    const double decades = std::log10(high / low);
    if (!(decades > 0) || view.pointsPerDecade <= 0) return {low};
    const auto steps = static_cast<int>(std::ceil(decades * view.pointsPerDecade));
    std::vector<double> hz;
    hz.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i < steps; ++i) hz.push_back(low * std::pow(10, decades * i / steps));
    hz.push_back(high);
    return hz;
}

GraphData MagnitudeGraph(const CKorvelView& view, const CKorvelDoc& doc) {
    return GainGraph(view, doc, "振幅特性");
}

GraphData PassbandGraph(const CKorvelView& view, const CKorvelDoc& doc) {
    GraphData graph = GainGraph(view, doc, "通過域の詳細");
    const auto [low, high] = PassBand(view, doc);
    // A tenth of a decade either side of the band, and the band's attenuation with room.
    const double margin = std::pow(10, 0.1);
    graph.x.low = std::max(graph.x.low, low / margin);
    graph.x.high = std::min(graph.x.high, high * margin);
    const double ripple = std::max(doc.attp, 0.01);
    graph.y.low = -1.5 * ripple;
    graph.y.high = 0.25 * ripple;
    return graph;
}

GraphData PhaseGraph(const CKorvelView& view, const CKorvelDoc& doc, PhaseForm form) {
    const Response response = ResponseOf(view, doc);
    const auto wrapped = [response](double hz) { return response.PhaseDegrees(hz); };
    if (form == PhaseForm::Wrapped) {
        return FrequencyGraph(view, "位相特性", {"位相", "度", AxisScale::Linear, -180, 180},
                              wrapped);
    }
    GraphData graph =
        FrequencyGraph(view, "位相特性 (アンラップ)", {"位相", "度", AxisScale::Linear}, wrapped);
    Curve& curve = graph.curves.front();
    Unwrap(curve.y);
    // The cursor's phase takes the turns of the nearest point of the curve.
    graph.exact = [wrapped, x = curve.x, y = curve.y](double hz) {
        const auto near = std::lower_bound(x.begin(), x.end(), hz);
        const double reference = y[static_cast<std::size_t>(
            std::min<std::ptrdiff_t>(near - x.begin(), static_cast<std::ptrdiff_t>(x.size()) - 1))];
        const double value = wrapped(hz);
        return value + 360 * std::round((reference - value) / 360);
    };
    double low = 0;
    double high = 0;
    for (double value : curve.y) {
        if (!std::isfinite(value)) continue;
        low = std::min(low, value);
        high = std::max(high, value);
    }
    graph.y.low = std::floor(low / 90) * 90 - 90;
    graph.y.high = std::ceil(high / 90) * 90 + 90;
    return graph;
}

GraphData PoleZeroGraph(const CKorvelView& view) {
    const bool digital = IsDigital(view);
    GraphData graph;
    graph.title = digital ? "極・零配置 (Z平面)" : "極・零配置 (S平面、ωcで正規化)";
    graph.x = {digital ? "実軸" : "実軸/ωc", "", AxisScale::Linear, -1, 1};
    graph.y = {digital ? "虚軸" : "虚軸/ωc", "", AxisScale::Linear, -1, 1};
    graph.equalScales = true;
    Curve poles{"極", {}, {}, CurveStyle::PoleMarks};
    Curve zeros{"零", {}, {}, CurveStyle::ZeroMarks};
    double reach = 0;
    for (const PlotRoot& root : PoleZeroRoots(view)) {
        if (!std::isfinite(root.position.re) || !std::isfinite(root.position.im)) {
            graph.note = kUnreadableNote;
            continue;
        }
        Curve& curve = root.pole ? poles : zeros;
        curve.x.push_back(root.position.re);
        curve.y.push_back(root.position.im);
        reach = std::max({reach, std::fabs(root.position.re), std::fabs(root.position.im)});
    }
    Curve circle{"単位円", {}, {}, CurveStyle::Circle};
    constexpr int kCircleSteps = 360;
    for (int i = 0; i <= kCircleSteps; ++i) {
        circle.x.push_back(std::cos(kTwoPi * i / kCircleSteps));
        circle.y.push_back(std::sin(kTwoPi * i / kCircleSteps));
    }
    graph.curves = {std::move(poles), std::move(zeros), std::move(circle)};
    // The points with a tenth to spare; the unit circle only when it is near them.
    const double half = std::max(reach, 0.1) * 1.1;
    graph.x.low = graph.y.low = -half;
    graph.x.high = graph.y.high = half;
    return graph;
}

std::vector<double> DesignFingerprint(const CKorvelView& view, const CKorvelDoc& doc) {
    std::vector<double> numbers{static_cast<double>(doc.kind),
                                doc.attp,
                                doc.atts,
                                doc.fp,
                                doc.fp1,
                                doc.fp2,
                                doc.fs,
                                doc.fs1,
                                doc.fs2,
                                view.p0,
                                view.p1,
                                view.p2,
                                view.omegaC,
                                static_cast<double>(view.resultOddOrder),
                                static_cast<double>(view.sectionLast),
                                static_cast<double>(view.convertedToDigital),
                                static_cast<double>(view.noDesignYet),
                                view.samplingFrequency,
                                view.graphFreqMin,
                                view.graphFreqMax,
                                view.graphAttMax,
                                static_cast<double>(view.pointsPerDecade)};
    for (int i = 0; i <= LastSectionIndex(view); ++i) {
        const Section& section = view.sections[static_cast<std::size_t>(i)];
        numbers.insert(numbers.end(), section.begin(), section.end());
    }
    return numbers;
}

}  // namespace vorna
