#pragma once
// The analysis graphs of a design as charts: magnitude with the attenuation mask, the pass
// band in detail, unwrapped phase, group delay, and the step and impulse responses. A
// digital design's frequency graphs end at half the sampling frequency, marked.

#include <optional>
#include <string>

#include "Chart.h"
#include "DesignOptions.h"

namespace vorna::cli {

bool IsAnalysisGraph(const std::string& graph);

// The chart named `graph` ("magnitude", "passband", "phase", "groupdelay", "step",
// "impulse"); none for any other name.
std::optional<Chart> AnalysisChart(const std::string& graph, const DesignWindow& window);

}  // namespace vorna::cli
