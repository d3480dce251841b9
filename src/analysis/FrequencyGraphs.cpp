#include "analysis/FrequencyGraphs.h"

#include <algorithm>
#include <cmath>

#include "analysis/PassbandGains.h"
#include "analysis/Response.h"

namespace vorna::analysis {

namespace {

constexpr double kDegreesPerRadian = 180 / kPi;

std::vector<double> Omegas(const std::vector<double>& hz) {
    std::vector<double> omegas = hz;
    for (double& omega : omegas) omega *= kTwoPi;
    return omegas;
}

// The frequencies from `low` to `high`, a digital design's ending at half its sampling
// frequency.
ValueRange ShownRange(const Cascade& cascade, double low, double high) {
    if (cascade.IsDigital()) high = std::min(high, NyquistOf(cascade));
    return {low, high};
}

// The pass bands with a little room: a tenth beyond a band edge, two decades beyond an edge
// at DC or at no frequency; the graph range when the mask has no pass band.
ValueRange PassbandRange(const GraphSource& source, const std::vector<MaskBand>& mask) {
    double low = INFINITY;
    double high = 0;
    for (const MaskBand& band : mask) {
        if (band.kind != BandKind::Pass) continue;
        low = std::min(low, band.lowHz > 0 ? band.lowHz / 1.1 : band.highHz / 100);
        high = std::max(high, band.HasUpperEnd() ? band.highHz * 1.1 : band.lowHz * 100);
    }
    if (!(high > low)) return ShownRange(source.cascade, source.freqMin, source.freqMax);
    return ShownRange(source.cascade, low, high);
}

}  // namespace

double NyquistOf(const Cascade& cascade) {
    return 0.5 / cascade.samplingPeriod;
}

std::vector<double> GraphFrequencies(ValueRange hz) {
    return LogSpaced(hz.low, hz.high, kFrequencyGraphPoints);
}

std::vector<double> GraphValues(FrequencyGraph graph, const Cascade& cascade,
                                const std::vector<double>& hz) {
    std::vector<double> values;
    switch (graph) {
        case FrequencyGraph::Magnitude:
        case FrequencyGraph::Passband:
            for (double omega : Omegas(hz)) values.push_back(GainPhaseAt(cascade, omega).gainDb);
            break;
        case FrequencyGraph::Phase:
            values = UnwrappedPhaseOver(cascade, Omegas(hz));
            for (double& degrees : values) degrees *= kDegreesPerRadian;
            break;
        case FrequencyGraph::GroupDelay:
            values = GroupDelayOver(cascade, Omegas(hz));
            break;
    }
    return values;
}

FrequencyGraphData FrequencyGraphOf(FrequencyGraph graph, const GraphSource& source) {
    FrequencyGraphData data;
    data.mask = AttenuationMask(source.edges);
    const double graphHigh =
        source.cascade.IsDigital() ? NyquistOf(source.cascade) : source.freqMax;
    data.hz = graph == FrequencyGraph::Passband
                  ? PassbandRange(source, data.mask)
                  : ShownRange(source.cascade, source.freqMin, graphHigh);
    data.frequencies = GraphFrequencies(data.hz);
    data.values = GraphValues(graph, source.cascade, data.frequencies);
    if (graph == FrequencyGraph::Magnitude) data.shown = ValueRange{-source.attMax, 10};
    if (graph == FrequencyGraph::Passband) {
        // The mask's floor and reference and the design's own extremes in the pass bands,
        // with half the ripple to spare.
        const GainSpan span =
            PassbandGainSpan(source.cascade, source.edges, data.hz.low, data.hz.high);
        const double room = 0.5 * source.edges.attp;
        data.shown = ValueRange{span.lowDb - room, span.highDb + room};
    }
    return data;
}

}  // namespace vorna::analysis
