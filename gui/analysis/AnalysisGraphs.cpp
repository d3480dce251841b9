#include "AnalysisGraphs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "analysis/AttenuationMask.h"
#include "analysis/Cascade.h"
#include "analysis/FrequencyGraphs.h"
#include "analysis/Response.h"
#include "analysis/TimeResponse.h"
#include "app/DesignDocument.h"
#include "app/DocumentMask.h"
#include "app/DocumentShown.h"
#include "text/Texts.h"
#include "view/DesignView.h"
#include "view/PoleZeroPlot.h"

namespace vorna {
namespace {

using analysis::Cascade;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// The evaluation stands 1e-30 in for an exact zero modulus (-600 dB): anything this far
// down is a transmission zero, whose gain is minus infinity.
constexpr double kZeroGainDb = -500;
// The digital axis runs a quarter beyond half the sampling frequency, so that its marker
// stands inside the frame.
constexpr double kNyquistMargin = 1.25;
// Time responses run a fifth past the settling time, or this many cut-off periods when the
// design does not settle; analog ones at this many points.
constexpr double kSettlingMargin = 1.2;
constexpr double kUnsettledPeriods = 50;
constexpr int kTimePoints = 2000;
constexpr double kDegreesPerRadian = 180 / kPi;

bool IsDigital(const DesignView& view) {
    return view.convertedToDigital != 0;
}

Cascade CascadeOf(const DesignView& view, const DesignDocument& doc) {
    return analysis::CascadeOf(view, doc.kind, view.samplingPeriod);
}

// What the core computes the graphs' data from.
analysis::GraphSource SourceOf(const DesignView& view, const DesignDocument& doc) {
    return {CascadeOf(view, doc), MaskEdgesOf(doc), view.graphFreqMin, view.graphFreqMax,
            view.graphAttMax};
}

// The highest frequency of the curves: half the sampling frequency of a digital design.
double HighestFrequency(const DesignView& view) {
    return IsDigital(view) ? 0.5 / view.samplingPeriod : view.graphFreqMax;
}

Axis FrequencyAxis(const DesignView& view) {
    const double high =
        IsDigital(view) ? view.samplingFrequency / 2 * kNyquistMargin : view.graphFreqMax;
    return {Text(TextId::QuantityFrequency), "Hz", AxisScale::Logarithmic, view.graphFreqMin, high};
}

// A time unit that keeps the numbers of a span of `seconds` readable.
struct TimeUnit {
    double perSecond;
    const char* name;
};

TimeUnit TimeUnitFor(double seconds) {
    if (seconds >= 1) return {1, "s"};
    if (seconds >= 1e-3) return {1e3, "ms"};
    if (seconds >= 1e-6) return {1e6, "µs"};
    return {1e9, "ns"};
}

// The share of the input an analog cascade passes straight through (the product of the
// sections' gains at infinite frequency): its impulse response holds that much of an
// impulse at time 0, which no sample shows.
double DirectFeedThrough(const Cascade& cascade) {
    double gain = cascade.first ? cascade.first->p1 : 1;
    for (const Section& section : cascade.sections) gain *= section.num2;
    return gain;
}

// The frequencies (Hz) at which a graph evaluates its curves over [low, high]: the core's
// grid of every frequency graph, none beyond half the sampling frequency of a digital design.
struct FrequencyGrid {
    double highest = kInfinity;

    std::vector<double> Over(double low, double high) const {
        high = std::min(high, highest);
        if (!(low > 0) || !(high > low)) return {};
        return analysis::GraphFrequencies({low, high});
    }
};

FrequencyGrid GridOf(const DesignView& view) {
    return {IsDigital(view) ? HighestFrequency(view) : kInfinity};
}

// The values of a frequency graph's curve at the frequencies `hz`, and its exact value at
// any frequency (Hz) for the cursor.
struct FrequencyValues {
    std::vector<double> values;
    std::function<double(double)> exact;
};
using FrequencyEvaluation = std::function<FrequencyValues(const std::vector<double>& hz)>;

// The curve `evaluate` gives over `hz`, named after its quantity; a value that cannot be
// computed is NaN in the curve (a gap), and `unreadable` says so.
CurveSet EvaluatedCurve(const std::string& name, const std::vector<double>& hz,
                        const FrequencyEvaluation& evaluate, bool* unreadable = nullptr) {
    CurveSet set;
    if (hz.empty()) return set;
    FrequencyValues values = evaluate(hz);
    Curve curve{name, hz, std::move(values.values), CurveStyle::Line};
    for (double& v : curve.y) {
        if (std::isfinite(v)) continue;
        v = kNaN;
        if (unreadable != nullptr) *unreadable = true;
    }
    set.curves.push_back(std::move(curve));
    set.exact = std::move(values.exact);
    return set;
}

// A graph over the response frequencies of the curve `evaluate` gives, which it evaluates
// again over any other span of frequencies.
GraphData FrequencyGraph(const DesignView& view, std::string title, Axis y,
                         const FrequencyEvaluation& evaluate) {
    GraphData graph;
    graph.title = std::move(title);
    graph.x = FrequencyAxis(view);
    graph.y = std::move(y);
    if (IsDigital(view)) graph.nyquist = view.samplingFrequency / 2;
    bool unreadable = false;
    CurveSet first =
        EvaluatedCurve(graph.y.quantity, ResponseFrequencies(view), evaluate, &unreadable);
    if (unreadable) graph.note = Text(TextId::GraphUnreadablePointsNote);
    graph.curves = std::move(first.curves);
    graph.exact = std::move(first.exact);
    graph.curvesOver = [evaluate, grid = GridOf(view), name = graph.y.quantity](double low,
                                                                                double high) {
        return EvaluatedCurve(name, grid.Over(low, high), evaluate);
    };
    return graph;
}

// The index of the frequency of ascending `hz` at or just above `at` (the last one beyond).
std::size_t NearIndex(const std::vector<double>& hz, double at) {
    const auto i = std::lower_bound(hz.begin(), hz.end(), at) - hz.begin();
    return std::min(static_cast<std::size_t>(i), hz.size() - 1);
}

std::vector<double> Omegas(const std::vector<double>& hz) {
    std::vector<double> omegas = hz;
    for (double& omega : omegas) omega *= kTwoPi;
    return omegas;
}

double FiniteGain(double gainDb) {
    return gainDb > kZeroGainDb ? gainDb : kNaN;
}

GraphData GainGraph(const DesignView& view, const DesignDocument& doc, std::string title) {
    const Cascade cascade = CascadeOf(view, doc);
    const analysis::FrequencyGraphData data =
        analysis::FrequencyGraphOf(analysis::FrequencyGraph::Magnitude, SourceOf(view, doc));
    GraphData graph = FrequencyGraph(
        view, std::move(title),
        {Text(TextId::QuantityGain), "dB", AxisScale::Linear, data.shown->low, data.shown->high},
        [cascade](const std::vector<double>& hz) {
            FrequencyValues gains{
                analysis::GraphValues(analysis::FrequencyGraph::Magnitude, cascade, hz), {}};
            for (double& gain : gains.values) gain = FiniteGain(gain);
            gains.exact = [cascade](double at) {
                return FiniteGain(GainPhaseAt(cascade, kTwoPi * at).gainDb);
            };
            return gains;
        });
    graph.mask = MaskRegionsOf(doc);
    return graph;
}

// The smallest and largest finite values, with 0 in the range.
std::pair<double, double> FiniteSpan(const std::vector<double>& values) {
    double low = 0;
    double high = 0;
    for (double v : values) {
        if (!std::isfinite(v)) continue;
        low = std::min(low, v);
        high = std::max(high, v);
    }
    return {low, high};
}

}  // namespace

std::vector<double> ResponseFrequencies(const DesignView& view) {
    const double low = view.graphFreqMin;
    const double high = HighestFrequency(view);
    if (!(low > 0) || !(high > low)) return {low};
    return analysis::GraphFrequencies({low, high});
}

GraphData MagnitudeGraph(const DesignView& view, const DesignDocument& doc) {
    return GainGraph(view, doc, Text(TextId::GraphMagnitudeTitle));
}

GraphData PassbandGraph(const DesignView& view, const DesignDocument& doc) {
    GraphData graph = GainGraph(view, doc, Text(TextId::GraphPassbandTitle));
    // The pass bands with room, and the gains they must show, as the core gives them.
    const analysis::FrequencyGraphData data =
        analysis::FrequencyGraphOf(analysis::FrequencyGraph::Passband, SourceOf(view, doc));
    graph.x.low = data.hz.low;
    graph.x.high = data.hz.high;
    graph.y.low = data.shown->low;
    graph.y.high = data.shown->high;
    // The ripple in detail: the curve evaluated over this range alone.
    CurveSet detail = graph.curvesOver(graph.x.low, graph.x.high);
    if (!detail.curves.empty()) graph.curves = std::move(detail.curves);
    return graph;
}

GraphData PhaseGraph(const DesignView& view, const DesignDocument& doc, PhaseForm form) {
    const Cascade cascade = CascadeOf(view, doc);
    const auto wrapped = [cascade](double hz) {
        return GainPhaseAt(cascade, kTwoPi * hz).phase * kDegreesPerRadian;
    };
    if (form == PhaseForm::Wrapped) {
        return FrequencyGraph(view, Text(TextId::GraphPhaseTitle),
                              {Text(TextId::CliGraphPhaseTitle), Text(TextId::GainDegrees),
                               AxisScale::Linear, -180, 180},
                              [cascade, wrapped](const std::vector<double>& hz) {
                                  const std::vector<double> omegas = Omegas(hz);
                                  std::vector<analysis::GainPhase> points(omegas.size());
                                  analysis::GainPhaseOver(cascade, omegas, points);
                                  FrequencyValues degrees{{}, wrapped};
                                  for (const analysis::GainPhase& point : points)
                                      degrees.values.push_back(point.phase * kDegreesPerRadian);
                                  return degrees;
                              });
    }
    // Every span is unwrapped from the graph's first frequency, or from below it and then
    // turned to agree with the value there, so that the curve keeps its turns when the view
    // moves. The cursor's phase takes the turns of the nearest point of the curve.
    const double anchorHz = view.graphFreqMin;
    const double anchorDegrees = wrapped(anchorHz);
    const FrequencyEvaluation unwrapped = [cascade, wrapped, anchorHz,
                                           anchorDegrees](const std::vector<double>& hz) {
        FrequencyValues degrees{analysis::GraphValues(analysis::FrequencyGraph::Phase, cascade, hz),
                                {}};
        const double anchor = degrees.values[NearIndex(hz, anchorHz)];
        const double turns = std::round((anchorDegrees - anchor) / 360);
        for (double& value : degrees.values) value += 360 * turns;
        degrees.exact = [wrapped, hz, values = degrees.values](double at) {
            const double value = wrapped(at);
            return value + 360 * std::round((values[NearIndex(hz, at)] - value) / 360);
        };
        return degrees;
    };
    GraphData graph =
        FrequencyGraph(view, Text(TextId::GraphUnwrappedPhaseTitle),
                       {Text(TextId::CliGraphPhaseTitle), Text(TextId::GainDegrees)}, unwrapped);
    // A span above the first frequency is unwrapped from there, at the design's density up
    // to the span.
    graph.curvesOver = [unwrapped, grid = GridOf(view), anchorHz, name = graph.y.quantity](
                           double low, double high) {
        std::vector<double> hz = grid.Over(low, high);
        if (!hz.empty() && hz.front() > anchorHz) {
            std::vector<double> lead = grid.Over(anchorHz, hz.front());
            lead.pop_back();
            hz.insert(hz.begin(), lead.begin(), lead.end());
        }
        return EvaluatedCurve(name, hz, unwrapped);
    };
    const auto [low, high] = FiniteSpan(graph.curves.front().y);
    graph.y.low = std::floor(low / 90) * 90 - 90;
    graph.y.high = std::ceil(high / 90) * 90 + 90;
    return graph;
}

GraphData GroupDelayGraph(const DesignView& view, const DesignDocument& doc) {
    const Cascade cascade = CascadeOf(view, doc);
    const std::vector<double> delays = analysis::GraphValues(analysis::FrequencyGraph::GroupDelay,
                                                             cascade, ResponseFrequencies(view));
    const auto [low, high] = FiniteSpan(delays);
    const TimeUnit unit = TimeUnitFor(std::max(std::fabs(low), std::fabs(high)));
    GraphData graph = FrequencyGraph(
        view, Text(TextId::GraphGroupDelayTitle),
        {Text(TextId::CliGraphGroupDelayTitle), unit.name},
        [cascade, unit](const std::vector<double>& hz) {
            FrequencyValues delays{
                analysis::GraphValues(analysis::FrequencyGraph::GroupDelay, cascade, hz),
                [cascade, unit](double at) {
                    return analysis::GroupDelayAt(cascade, kTwoPi * at) * unit.perSecond;
                }};
            for (double& delay : delays.values) delay *= unit.perSecond;
            return delays;
        });
    graph.y.low = low * unit.perSecond * 1.05;
    graph.y.high = std::max(high * unit.perSecond * 1.05, graph.y.low + 1);
    return graph;
}

// The response from 0 to `end` seconds in `unit`, with the final value of a step response
// that settles; none when it grows too large to compute.
std::optional<CurveSet> TimeCurves(const Cascade& cascade, TimeGraph which, bool settles,
                                   double end, TimeUnit unit) {
    const bool step = which == TimeGraph::Step;
    const auto samples = analysis::TimeResponse(
        cascade, step ? analysis::Excitation::Step : analysis::Excitation::Impulse, end,
        kTimePoints);
    if (!samples || samples->empty()) return std::nullopt;
    Curve curve{step ? Text(TextId::CliGraphStepTitle) : Text(TextId::CliGraphImpulseTitle),
                {},
                {},
                CurveStyle::Line};
    for (const analysis::TimeSample& sample : *samples) {
        curve.x.push_back(sample.time * unit.perSecond);
        curve.y.push_back(std::isfinite(sample.value) ? sample.value : kNaN);
    }
    CurveSet set;
    set.curves.push_back(std::move(curve));
    if (step && settles) {
        const double final = analysis::DcGain(cascade);
        set.curves.push_back({Text(TextId::CurveFinalValue),
                              {0, end * unit.perSecond},
                              {final, final},
                              CurveStyle::Dashed,
                              true});
    }
    return set;
}

GraphData TimeResponseGraph(const DesignView& view, const DesignDocument& doc, TimeGraph which) {
    const Cascade cascade = CascadeOf(view, doc);
    const bool step = which == TimeGraph::Step;
    GraphData graph;
    graph.title = step ? Text(TextId::CliGraphStepTitle) : Text(TextId::CliGraphImpulseTitle);
    const std::optional<double> settling = analysis::SettlingTime(cascade);
    const double end = settling ? *settling * kSettlingMargin
                                : kUnsettledPeriods / std::max(view.fc, view.graphFreqMin);
    const TimeUnit unit = TimeUnitFor(end);
    graph.x = {Text(TextId::QuantityTime), unit.name, AxisScale::Linear, 0, end * unit.perSecond};
    // An analog impulse response is a rate (per second); a digital one a sequence.
    const bool rate = !step && !cascade.IsDigital();
    graph.y = {Text(TextId::CliGraphOutputAxis), rate ? "1/s" : ""};
    const bool settles = settling.has_value();
    const std::optional<CurveSet> curves = TimeCurves(cascade, which, settles, end, unit);
    if (!settles) graph.note = Text(TextId::GraphUnstableNote);
    if (rate && DirectFeedThrough(cascade) != 0) {
        graph.note = Text(TextId::GraphDirectImpulseNote);
    }
    if (!curves) {
        graph.note = Text(TextId::GraphResponseTooLargeNote);
        graph.y.low = -1;
        graph.y.high = 1;
        return graph;
    }
    const auto [low, high] = FiniteSpan(curves->curves.front().y);
    const double room = std::max(high - low, 1e-12) * 0.05;
    graph.y.low = low - room;
    graph.y.high = high + room;
    graph.curves = curves->curves;
    // A later end computes the response that far.
    graph.curvesOver = [cascade, which, settles, unit](double, double high) {
        const double seconds = high / unit.perSecond;
        if (!(seconds > 0)) return CurveSet{};
        return TimeCurves(cascade, which, settles, seconds, unit).value_or(CurveSet{});
    };
    return graph;
}

GraphData PoleZeroGraph(const DesignView& view) {
    const bool digital = IsDigital(view);
    GraphData graph;
    graph.title = digital ? Text(TextId::GraphPoleZeroZTitle) : Text(TextId::GraphPoleZeroSTitle);
    graph.x = {digital ? Text(TextId::QuantityRealAxis) : Text(TextId::QuantityRealAxisOverWc), "",
               AxisScale::Linear, -1, 1};
    graph.y = {
        digital ? Text(TextId::QuantityImaginaryAxis) : Text(TextId::QuantityImaginaryAxisOverWc),
        "", AxisScale::Linear, -1, 1};
    graph.equalScales = true;
    Curve poles{Text(TextId::CurvePoles), {}, {}, CurveStyle::PoleMarks};
    Curve zeros{Text(TextId::CurveZeros), {}, {}, CurveStyle::ZeroMarks};
    double reach = 0;
    for (const PlotRoot& root : PoleZeroRoots(view, ShownDesignOf(view.GetDocument()))) {
        if (!std::isfinite(root.position.re) || !std::isfinite(root.position.im)) {
            graph.note = Text(TextId::GraphUnreadablePointsNote);
            continue;
        }
        Curve& curve = root.pole ? poles : zeros;
        curve.x.push_back(root.position.re);
        curve.y.push_back(root.position.im);
        reach = std::max({reach, std::fabs(root.position.re), std::fabs(root.position.im)});
    }
    Curve circle{Text(TextId::CurveUnitCircle), {}, {}, CurveStyle::Circle, true};
    constexpr int kCircleSteps = 360;
    for (int i = 0; i <= kCircleSteps; ++i) {
        circle.x.push_back(std::cos(kTwoPi * i / kCircleSteps));
        circle.y.push_back(std::sin(kTwoPi * i / kCircleSteps));
    }
    graph.curves = {std::move(poles), std::move(zeros), std::move(circle)};
    // The points with a tenth to spare.
    const double half = std::max(reach, 0.1) * 1.1;
    graph.x.low = graph.y.low = -half;
    graph.x.high = graph.y.high = half;
    return graph;
}

std::vector<MaskRegion> MaskRegionsOf(const DesignDocument& doc) {
    std::vector<MaskRegion> regions;
    for (const analysis::MaskBand& band : analysis::AttenuationMask(MaskEdgesOf(doc))) {
        regions.push_back({band.lowHz, band.HasUpperEnd() ? band.highHz : kInfinity, band.limitDb,
                           band.kind == analysis::BandKind::Stop});
    }
    return regions;
}

std::vector<double> DesignFingerprint(const DesignView& view, const DesignDocument& doc) {
    std::vector<double> numbers{static_cast<double>(doc.kind),
                                doc.attp,
                                doc.atts,
                                doc.figures.attsAchieved,
                                static_cast<double>(doc.byOrder),
                                doc.fp,
                                doc.fp1,
                                doc.fp2,
                                doc.figures.fs,
                                doc.figures.fs1,
                                doc.figures.fs2,
                                view.p0,
                                view.p1,
                                view.p2,
                                view.omegaC,
                                view.fc,
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
        const auto coefficients = InFileOrder(view.sections[static_cast<std::size_t>(i)]);
        numbers.insert(numbers.end(), coefficients.begin(), coefficients.end());
    }
    return numbers;
}

}  // namespace vorna
