#pragma once
// The data of a design's frequency graphs, for every program that draws them: the range of
// frequencies each graph shows, the frequencies its curve is evaluated at, the curve, the
// values its y axis must show and the attenuation mask.

#include <optional>
#include <vector>

#include "analysis/AttenuationMask.h"
#include "analysis/Cascade.h"

namespace vorna::analysis {

enum class FrequencyGraph {
    Magnitude,   // gain (dB) over the design's graph range
    Passband,    // gain (dB) over the pass bands with a little room
    Phase,       // unwrapped phase (degrees) over the graph range
    GroupDelay,  // group delay (s) over the graph range
};

// What the graphs are computed from: the design's cascade and mask edges, and its graph
// range (Hz) with the attenuation its gain graph reaches (dB).
struct GraphSource {
    Cascade cascade;
    MaskEdges edges;
    double freqMin = 0;
    double freqMax = 0;
    double attMax = 0;
};

struct ValueRange {
    double low = 0;
    double high = 0;
};

struct FrequencyGraphData {
    // The frequencies shown: for a digital design none beyond half the sampling frequency.
    ValueRange hz;
    std::vector<double> frequencies;  // where the curve is evaluated, in Hz
    std::vector<double> values;       // the curve at each of them
    // The values the y axis must show: the gain graph's fixed range, the pass band's gains
    // with room; none for a graph whose axis fits its curve.
    std::optional<ValueRange> shown;
    std::vector<MaskBand> mask;
};

// The points of a curve over any range of frequencies.
inline constexpr int kFrequencyGraphPoints = 2000;

// Half the sampling frequency of a digital cascade.
double NyquistOf(const Cascade& cascade);

// kFrequencyGraphPoints logarithmically spaced frequencies from hz.low to hz.high.
std::vector<double> GraphFrequencies(ValueRange hz);

// The curve of `graph` at the frequencies `hz`.
std::vector<double> GraphValues(FrequencyGraph graph, const Cascade& cascade,
                                const std::vector<double>& hz);

FrequencyGraphData FrequencyGraphOf(FrequencyGraph graph, const GraphSource& source);

}  // namespace vorna::analysis
