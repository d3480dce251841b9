#include "view/ResponseGraph.h"

#include <algorithm>
#include <cmath>

#include "analysis/Response.h"
#include "circuit/EngValue.h"
#include "platform/CLocale.h"
#include "platform/Canvas.h"
#include "view/DesignView.h"
#include "view/GraphFrame.h"
#include "view/SummaryLines.h"

namespace vorna {

namespace {

// The view's design as the curves of `domain` evaluate it.
analysis::Cascade CurveCascade(const DesignView& view, int kind, ResponseDomain domain) {
    return analysis::CascadeIn(
        view, kind,
        domain == ResponseDomain::Digital ? analysis::Domain::Digital : analysis::Domain::Analog,
        view.samplingPeriod);
}

// How a curve maps its values to y: y = offset - value * scale, held at `lowerLimit`, and
// drawn onto the `snapY` line when within a unit of it.
struct CurveMapping {
    double offset;
    double scale;
    double lowerLimit;
    double snapY;
};

CurveMapping GainMapping(const ResponseScale& scale) {
    return {static_cast<double>(scale.zeroDbY), scale.per10Db / 10, kFrameBottom,
            static_cast<double>(scale.zeroDbY)};
}

const CurveMapping kPhaseMapping{kPhaseLineY, (kFrameHeight / 3.0) / kTwoPi, kPhaseLowerLimit,
                                 kPhaseLineY};

// Traces the gain and the phase curve from the frame's left edge to one step past its
// right edge, with `pointsPerDecade` points per decade. The gain curve is left empty where
// the graph has no dB axis.
void TraceCurves(const DesignView& view, int kind, const ResponseScale& scale,
                 ResponseDomain domain, TracedCurves& curves) {
    curves.gain.clear();
    curves.phase.clear();
    if (!scale.HasFrequencyAxis()) return;
    const bool withGain = scale.HasGainAxis();
    const CurveMapping gainMapping = GainMapping(scale);
    auto yAt = [](const CurveMapping& mapping, double value) {
        return std::min(mapping.offset - value * mapping.scale, mapping.lowerLimit);
    };
    auto snapped = [](const CurveMapping& mapping, double y) {
        return std::fabs(y - mapping.snapY) < 1 ? mapping.snapY : y;
    };
    // The graph dialog admits 10 to 1000 points; held there so no paint can stall.
    const int points = std::clamp(view.pointsPerDecade, 10, 1000);
    const double step = scale.perDecade / points;
    double x = kFrameLeft;
    const analysis::Cascade cascade = CurveCascade(view, kind, domain);
    auto add = [&](double hz, bool snap) {
        const analysis::GainPhase response = analysis::GainPhaseAt(cascade, kTwoPi * hz);
        if (withGain) {
            const double y = yAt(gainMapping, response.gainDb);
            curves.gain.push_back({x, snap ? snapped(gainMapping, y) : y});
        }
        const double y = yAt(kPhaseMapping, response.phase);
        curves.phase.push_back({x, snap ? snapped(kPhaseMapping, y) : y});
    };
    add(view.graphFreqMin, false);
    while (x < kFrameRight) {
        const double nextX = x + step;
        if (!(nextX > x)) break;
        x = nextX;
        add(view.graphFreqMin * std::pow(10.0, (nextX - kFrameLeft) / scale.perDecade), true);
    }
}

// The view's curves, traced again only when what they are traced from has changed.
const TracedCurves& CurrentCurves(DesignView& view, int kind, const ResponseScale& scale,
                                  ResponseDomain domain) {
    TracedCurves::Inputs inputs{view, kind, domain == ResponseDomain::Digital, view.samplingPeriod,
                                view.pointsPerDecade};
    TracedCurves& curves = view.tracedCurves;
    if (curves.tracedFrom != inputs) {
        TraceCurves(view, kind, scale, domain, curves);
        curves.tracedFrom = std::move(inputs);
    }
    return curves;
}

// Draws a traced curve. Segments lying entirely on the lower limit are left out, and so are
// segments touching a point that could not be evaluated.
void DrawTraced(Canvas& canvas, const std::vector<TracedPoint>& curve, double lowerLimit) {
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const TracedPoint& from = curve[i - 1];
        const TracedPoint& to = curve[i];
        const bool bothOnLimit = from.y == lowerLimit && to.y == lowerLimit;
        if (!bothOnLimit && !std::isnan(from.y) && !std::isnan(to.y))
            DrawLine(canvas, from.x, from.y, to.x, to.y);
    }
}

void DrawFrequencyGrid(const DesignView& view, Canvas& canvas, const ResponseScale& scale) {
    for (int decade = 0; decade < scale.decades; ++decade) {
        for (int t = 1; t <= 9; ++t) {
            const double position = std::log10(static_cast<double>(t)) + decade;
            if (position > scale.decades) break;
            const double x = position * scale.perDecade + kFrameLeft;
            canvas.SelectPen(t == 1   ? view.curvePens[4]
                             : t == 3 ? view.curvePens[5]
                                      : view.curvePens[3]);
            if (x > kFrameLeft) DrawLine(canvas, x, kFrameTop, x, kFrameBottom);
            if (t == 1 || t == 3) {
                const double hz = std::pow(10.0, decade) * t * view.graphFreqMin;
                canvas.TextOut(TruncateUnits(x - 10), kFrameBottom + 10,
                               Format("%-6s", FormatEngValueRounded(hz).c_str()));
            }
        }
    }
}

void DrawGainGrid(const DesignView& view, Canvas& canvas, const ResponseScale& scale) {
    const double span = view.graphAttMax + 10;  // E
    const double lines = span / 10;             // n
    // Up to 100 dB every 10 dB line is labelled; beyond that every ceil(E/100)-th from -10 dB.
    const int first = span <= 100 ? 0 : 1;
    const int step = span <= 100 ? 1 : static_cast<int>(std::ceil(span / 100));
    canvas.SelectPen(view.curvePens[3]);
    for (int k = first; lines >= k; k += step) {
        const double y = k * scale.per10Db + kFrameTop;
        canvas.TextOut(1, TruncateUnits(y - 7), Format("%3ddB", 10 - 10 * k));
        if (k != 0 && lines != k) DrawLine(canvas, kFrameLeft, y, kFrameRight, y);
    }
}

}  // namespace

bool ResponseScale::HasFrequencyAxis() const {
    return decades > 0 && std::isfinite(perDecade) && perDecade > 0;
}

bool ResponseScale::HasGainAxis() const {
    return std::isfinite(per10Db) && per10Db > 0;
}

ResponseScale ComputeResponseScale(const DesignView& view) {
    ResponseScale scale;
    const double decades = std::log10(view.graphFreqMax / view.graphFreqMin);
    if (std::isfinite(decades) && decades > 0) {
        scale.decades = decades;
        scale.perDecade = (kFrameRight - kFrameLeft) / decades;
    }
    const double span = view.graphAttMax + 10;
    // A span of at most 100000 dB keeps the grid loop and the 0 dB line meaningful.
    if (span > 0 && span <= 1e5) {
        scale.per10Db = kFrameHeight * 10 / span;
        scale.zeroDbY = TruncateUnits(kFrameTop + scale.per10Db);
    }
    return scale;
}

ResponseScale DrawResponseAxes(const DesignView& view, Canvas& canvas) {
    const ResponseScale scale = ComputeResponseScale(view);
    canvas.SelectPen(view.widePen);
    DrawFrame(canvas);
    if (scale.HasFrequencyAxis()) DrawFrequencyGrid(view, canvas, scale);
    if (scale.HasGainAxis()) {
        DrawGainGrid(view, canvas, scale);
        canvas.SelectPen(view.markPens[1]);
        DrawLine(canvas, kFrameLeft, scale.zeroDbY, kFrameRight, scale.zeroDbY);
    }
    return scale;
}

void DrawGainCurve(DesignView& view, const ShownDesign& design, Canvas& canvas,
                   const ResponseScale& scale, ResponseDomain domain) {
    if (!scale.HasGainAxis()) return;
    canvas.SelectPen(view.widePen);
    DrawTraced(canvas, CurrentCurves(view, design.kind, scale, domain).gain, kFrameBottom);
}

void DrawPhaseCurve(DesignView& view, const ShownDesign& design, Canvas& canvas,
                    const ResponseScale& scale, ResponseDomain domain) {
    canvas.SelectPen(view.dottedPen);
    DrawLine(canvas, kFrameLeft, kPhaseLineY, kFrameRight, kPhaseLineY);
    canvas.SelectPen(view.markPens[3]);
    DrawTraced(canvas, CurrentCurves(view, design.kind, scale, domain).phase, kPhaseLowerLimit);
}

void DrawResponseGraph(DesignView& view, const ShownDesign& design, Canvas& canvas) {
    DrawSummaryHeader(view, design, canvas);
    const ResponseDomain domain =
        view.convertedToDigital ? ResponseDomain::Digital : ResponseDomain::Analog;
    if (domain == ResponseDomain::Digital) {
        const double lowest = view.graphFreqMin;
        view.ComputeGraphRanges(design.attsAchieved, design.fp, view.samplingFrequency / 2);
        view.graphFreqMin = lowest;
    }
    const ResponseScale scale = DrawResponseAxes(view, canvas);
    DrawGainCurve(view, design, canvas, scale, domain);
    DrawPhaseCurve(view, design, canvas, scale, domain);
}

}  // namespace vorna
