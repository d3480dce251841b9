#pragma once
// Curves cut to a view, for writers that cannot clip what they draw (an SVG file): a line
// ends where it leaves the view, on its edge, and starts again where it comes back; marks
// outside the view are left out.

#include <vector>

#include "GraphData.h"

namespace vorna {

struct ViewBox {
    double xLow = 0;
    double xHigh = 1;
    double yLow = 0;
    double yHigh = 1;
    AxisScale xScale = AxisScale::Linear;
};

// The parts of `curves` inside `view`. A cut line has a NaN point (a gap) between its
// pieces, at an x between them, so that its x stay in order; cutting is straight in the
// axis's scale, as the line is drawn.
std::vector<Curve> CurvesWithinView(const std::vector<Curve>& curves, const ViewBox& view);

}  // namespace vorna
