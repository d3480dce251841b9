#pragma once
// What one graph of the analysis window shows, as plain values: the axes with their
// quantities and units, the curves, the attenuation mask, the half-sampling-frequency
// marker and a note for values that could not be computed. Built by the functions of
// AnalysisGraphs.h, drawn by GraphPane, written out by GraphExport.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vorna {

enum class AxisScale { Linear, Logarithmic };

struct Axis {
    std::string quantity;  // e.g. QuantityFrequency
    std::string unit;      // "Hz"; empty for a quantity without unit
    AxisScale scale = AxisScale::Linear;
    double low = 0;  // the range shown first and after a reset
    double high = 1;
};

enum class CurveStyle { Line, Dashed, PoleMarks, ZeroMarks, Circle };

struct Curve {
    std::string name;
    std::vector<double> x;
    std::vector<double> y;
    CurveStyle style = CurveStyle::Line;
    bool guide = false;  // drawn for orientation only (the unit circle), not written out
};

// A region the response must stay out of: y above `limit` (a ceiling) or below it (a
// floor) for x in [x0, x1].
struct MaskRegion {
    double x0 = 0;
    double x1 = 0;
    double limit = 0;
    bool ceiling = false;
};

// The curves of a graph over some span of x, with the first curve's exact value (see
// GraphData::exact).
struct CurveSet {
    std::vector<Curve> curves;
    std::function<double(double)> exact;
};

struct GraphData {
    std::string title;
    Axis x;
    Axis y;
    std::vector<Curve> curves;
    std::vector<MaskRegion> mask;
    std::optional<double> nyquist;  // x of the half-sampling-frequency marker
    bool equalScales = false;       // one unit is as long on both axes (the pole-zero plot)
    std::string note;               // what could not be computed; empty when all could
    // The first curve's value at any x within its range, evaluated afresh rather than
    // interpolated; empty when the curve's points are all there is.
    std::function<double(double)> exact;
    // The same curves evaluated afresh over x from `low` to `high`, for a view zoomed or
    // moved beyond the points computed; empty when the curves cannot be evaluated elsewhere.
    std::function<CurveSet(double low, double high)> curvesOver;
};

// "quantity [unit]": the axis title with its unit.
std::string AxisTitle(const Axis& axis);

// The cursor's line under a graph: x and the first curve's value there (ReadoutNotComputable
// where it cannot be computed, ReadoutOutOfRange beyond the curve), or the cursor's own
// position for the pole-zero plot.
std::string ReadoutText(const GraphData& graph, double x, double y);

}  // namespace vorna
