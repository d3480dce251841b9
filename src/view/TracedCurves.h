#pragma once
// The traced gain and phase curves of the response graph, kept between paints. A paint
// traces them again only when what they were traced from has changed: the sections, the
// kind, the conversion and its sampling period, the graph ranges or the point density.
// Every other paint (scrolling, printing, a window on top) only draws the kept points.

#include <optional>
#include <vector>

#include "design/DesignResults.h"

namespace vorna {

struct TracedPoint {
    double x = 0;
    double y = 0;
};

struct TracedCurves {
    struct Inputs {
        DesignResults results;
        int kind = 0;
        bool digital = false;
        double samplingPeriod = 0;
        int pointsPerDecade = 0;
        bool operator==(const Inputs&) const = default;
    };
    std::optional<Inputs> tracedFrom;
    std::vector<TracedPoint> gain;
    std::vector<TracedPoint> phase;
};

}  // namespace vorna
