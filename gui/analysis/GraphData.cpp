#include "GraphData.h"

#include <algorithm>
#include <cmath>

#include "platform/CLocale.h"
#include "text/Texts.h"

namespace vorna {
namespace {

std::string Quantity(const Axis& axis, double value) {
    return axis.quantity + " " + Format("%.6g", value) + (axis.unit.empty() ? "" : " " + axis.unit);
}

// The curve's value at x between its points, linear in the axis's scale; x lies within
// the curve's range.
double Interpolated(const Curve& curve, AxisScale scale, double x) {
    const auto right = std::lower_bound(curve.x.begin(), curve.x.end(), x);
    const auto i = static_cast<std::size_t>(right - curve.x.begin());
    if (i == 0) return curve.y.front();
    const auto at = [&](double v) { return scale == AxisScale::Logarithmic ? std::log(v) : v; };
    const double t = (at(x) - at(curve.x[i - 1])) / (at(curve.x[i]) - at(curve.x[i - 1]));
    return curve.y[i - 1] + t * (curve.y[i] - curve.y[i - 1]);
}

}  // namespace

std::string AxisTitle(const Axis& axis) {
    return axis.unit.empty() ? axis.quantity : axis.quantity + " [" + axis.unit + "]";
}

std::string ReadoutText(const GraphData& graph, double x, double y) {
    if (graph.equalScales || graph.curves.empty()) {
        return Quantity(graph.x, x) + "   " + Quantity(graph.y, y);
    }
    const Curve& curve = graph.curves.front();
    std::string value = graph.y.quantity + Text(TextId::ReadoutOutOfRange);
    if (!curve.x.empty() && x >= curve.x.front() && x <= curve.x.back()) {
        const double v = graph.exact ? graph.exact(x) : Interpolated(curve, graph.x.scale, x);
        value = std::isfinite(v) ? Quantity(graph.y, v)
                                 : graph.y.quantity + Text(TextId::ReadoutNotComputable);
    }
    return Quantity(graph.x, x) + "   " + value;
}

}  // namespace vorna
