#include "Chart.h"

#include <algorithm>
#include <cmath>

#include "circuit/EngValue.h"
#include "platform/CLocale.h"
#include "text/Texts.h"
#include "view/GraphFrame.h"

namespace vorna::cli {

namespace {

constexpr int kLeft = 90;
constexpr int kRight = 650;
constexpr int kTop = 50;
constexpr int kBottom = 400;
constexpr int kTargetTicks = 6;

const Pen kFramePen{{0, 0, 0}, 1, PenStyle::Solid};
const Pen kGridPen{{200, 200, 200}, 1, PenStyle::Solid};

// 1, 2 or 5 times a power of ten, about a sixth of `span`.
double TickStep(double span) {
    const double raw = span / kTargetTicks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw) return factor * power;
    }
    return 10 * power;
}

class Mapping {
public:
    explicit Mapping(const Chart& chart) : chart_(chart) {}
    // Rounded to whole units, so that a value hovering about a unit boundary draws straight.
    double X(double x) const {
        return std::round(kLeft + Fraction(chart_.x, x) * (kRight - kLeft));
    }
    double Y(double y) const {
        return std::round(kBottom - Fraction(chart_.y, y) * (kBottom - kTop));
    }

private:
    static double Fraction(const ChartAxis& axis, double v) {
        if (axis.logarithmic) return std::log10(v / axis.low) / std::log10(axis.high / axis.low);
        return (v - axis.low) / (axis.high - axis.low);
    }
    const Chart& chart_;
};

bool UsableAxis(const ChartAxis& axis) {
    if (!std::isfinite(axis.low) || !std::isfinite(axis.high) || !(axis.high > axis.low))
        return false;
    return !axis.logarithmic || axis.low > 0;
}

// Tick values of an axis: whole steps, or the decades with 2..9 times them, labelled
// (major) by how much room the decades leave.
struct Tick {
    double value;
    bool major;
};
bool LabelledMultiple(int t, double decades) {
    if (decades < 1.2) return true;
    if (decades < 4) return t == 1 || t == 2 || t == 5;
    return t == 1;
}
std::vector<Tick> Ticks(const ChartAxis& axis) {
    std::vector<Tick> ticks;
    if (axis.logarithmic) {
        for (double decade = std::pow(10.0, std::floor(std::log10(axis.low))); decade <= axis.high;
             decade *= 10) {
            for (int t = 1; t <= 9; ++t) {
                const double v = decade * t;
                if (v >= axis.low * (1 - 1e-12) && v <= axis.high * (1 + 1e-12))
                    ticks.push_back({v, LabelledMultiple(t, std::log10(axis.high / axis.low))});
            }
        }
        return ticks;
    }
    const double step = TickStep(axis.high - axis.low);
    for (double k = std::ceil(axis.low / step - 1e-9); k * step <= axis.high + step * 1e-9; ++k)
        ticks.push_back({k * step, true});
    return ticks;
}

std::string TickLabel(const ChartAxis& axis, double v) {
    if (axis.logarithmic) return FormatEngValueRounded(v);
    return Format("%g", std::fabs(v) < 1e-12 * (axis.high - axis.low) ? 0.0 : v);
}

void DrawAxes(const Chart& chart, const Mapping& map, Canvas& canvas) {
    for (const Tick& tick : Ticks(chart.x)) {
        const double x = map.X(tick.value);
        canvas.SelectPen(kGridPen);
        DrawLine(canvas, x, kTop, x, kBottom);
        if (tick.major)
            canvas.TextOut(TruncateUnits(x - 12), kBottom + 8, TickLabel(chart.x, tick.value));
    }
    for (const Tick& tick : Ticks(chart.y)) {
        const double y = map.Y(tick.value);
        canvas.SelectPen(kGridPen);
        DrawLine(canvas, kLeft, y, kRight, y);
        if (tick.major)
            canvas.TextOut(8, TruncateUnits(y - 7),
                           Format("%9s", TickLabel(chart.y, tick.value).c_str()));
    }
    canvas.SelectPen(kFramePen);
    DrawLine(canvas, kLeft, kTop, kRight, kTop);
    DrawLine(canvas, kLeft, kBottom, kRight, kBottom);
    DrawLine(canvas, kLeft, kTop, kLeft, kBottom);
    DrawLine(canvas, kRight, kTop, kRight, kBottom);
    canvas.TextOut((kLeft + kRight) / 2 - 40, kBottom + 35, chart.x.title);
    canvas.TextOut(8, kTop - 22, chart.y.title);
}

// The curve within the frame: values beyond it are held at its edges, and a segment along
// an edge or touching a value that is not finite is left out.
void DrawCurve(const ChartCurve& curve, const Mapping& map, Canvas& canvas) {
    canvas.SelectPen(curve.pen);
    bool havePrevious = false;
    double px = 0, py = 0;
    for (const ChartPoint& p : curve.points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            havePrevious = false;
            continue;
        }
        const double x = map.X(p.x);
        const double y =
            std::clamp(map.Y(p.y), static_cast<double>(kTop), static_cast<double>(kBottom));
        const bool alongEdge = py == y && (y == kTop || y == kBottom);
        if (havePrevious && !alongEdge) DrawLine(canvas, px, py, x, y);
        px = x;
        py = y;
        havePrevious = true;
    }
}

void DrawMarkLine(const ChartLine& line, const Chart& chart, const Mapping& map, Canvas& canvas) {
    canvas.SelectPen(line.pen);
    if (line.from == line.to) {
        const double x = map.X(line.from);
        if (x < kLeft || x > kRight) return;
        DrawLine(canvas, x, kTop, x, kBottom);
        canvas.TextOut(TruncateUnits(x - 30), kTop - 18, line.label);
        return;
    }
    const double y = map.Y(line.y);
    if (!(y >= kTop && y <= kBottom)) return;
    const double from = std::max(map.X(std::max(line.from, chart.x.low)), double{kLeft});
    const double to = std::min(map.X(std::min(line.to, chart.x.high)), double{kRight});
    if (to > from) DrawLine(canvas, from, y, to, y);
}

}  // namespace

ChartAxis FittedAxis(const std::string& title, const std::vector<ChartCurve>& curves,
                     std::vector<double> include) {
    for (const ChartCurve& curve : curves) {
        for (const ChartPoint& p : curve.points) {
            if (std::isfinite(p.y)) include.push_back(p.y);
        }
    }
    if (include.empty()) return {title, 0, 1};
    const auto [low, high] = std::minmax_element(include.begin(), include.end());
    double span = *high - *low;
    if (!(span > 1e-12 * std::max(std::fabs(*low), std::fabs(*high))))
        span = std::max(std::fabs(*low), 1.0);
    const double step = TickStep(span);
    return {title, std::floor(*low / step) * step, std::ceil(*high / step) * step};
}

void DrawChart(const Chart& chart, Canvas& canvas) {
    canvas.TextOut((kLeft + kRight) / 2 - 8 * static_cast<int>(chart.title.size() / 3), 10,
                   chart.title);
    const bool anything =
        std::any_of(chart.curves.begin(), chart.curves.end(), [](const ChartCurve& c) {
            return std::any_of(c.points.begin(), c.points.end(),
                               [](const ChartPoint& p) { return std::isfinite(p.y); });
        });
    if (!UsableAxis(chart.x) || !UsableAxis(chart.y) || !anything) {
        canvas.TextOut(kLeft + 150, (kTop + kBottom) / 2, Text(TextId::CliGraphNotComputable));
        return;
    }
    const Mapping map(chart);
    DrawAxes(chart, map, canvas);
    for (const ChartLine& line : chart.lines) DrawMarkLine(line, chart, map, canvas);
    for (const ChartCurve& curve : chart.curves) DrawCurve(curve, map, canvas);
}

}  // namespace vorna::cli
