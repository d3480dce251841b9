#pragma once
// A plain x-y chart drawn on a Canvas: a title, a frame with ticks, grid lines and titled
// axes (linear, or logarithmic by decades), curves broken wherever a value is not a finite
// number, horizontal limit segments and vertical markers. A chart with nothing to draw says
// so instead of drawing empty axes.

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace vorna::cli {

inline constexpr int kChartWidth = 680;
inline constexpr int kChartHeight = 470;

struct ChartAxis {
    std::string title;
    double low = 0;
    double high = 1;
    bool logarithmic = false;
};

struct ChartPoint {
    double x = 0;
    double y = 0;
};

struct ChartCurve {
    std::vector<ChartPoint> points;
    Pen pen;
};

// A horizontal segment from x `from` to `to` at `y` (a mask limit), or, with from == to, a
// vertical line at x `from` over the whole height.
struct ChartLine {
    double from = 0;
    double to = 0;
    double y = 0;
    Pen pen;
    std::string label;
};

struct Chart {
    std::string title;
    ChartAxis x;
    ChartAxis y;
    std::vector<ChartCurve> curves;
    std::vector<ChartLine> lines;
};

// The range of the finite values of `curves` (in y), widened to whole tick steps and to hold
// `include` too; {0, 1} when there are none.
ChartAxis FittedAxis(const std::string& title, const std::vector<ChartCurve>& curves,
                     std::vector<double> include = {});

void DrawChart(const Chart& chart, Canvas& canvas);

}  // namespace vorna::cli
