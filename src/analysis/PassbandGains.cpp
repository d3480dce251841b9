#include "analysis/PassbandGains.h"

#include <algorithm>
#include <cmath>

#include "analysis/Response.h"

namespace vorna::analysis {

namespace {

constexpr double kOnTheMaskDb = 1e-6;

}  // namespace

GainSpan PassbandGainSpan(const Cascade& cascade, const MaskEdges& edges, double lowHz,
                          double highHz, int pointsPerBand) {
    const double floor = edges.referenceDb - edges.attp;
    double lowest = floor;
    double highest = edges.referenceDb;
    for (const MaskBand& band : AttenuationMask(edges)) {
        if (band.kind != BandKind::Pass) continue;
        const double low = std::max(band.lowHz, lowHz);
        const double high = band.HasUpperEnd() ? std::min(band.highHz, highHz) : highHz;
        if (!(low > 0) || !(high > low)) continue;
        for (double hz : LogSpaced(low, high, std::max(pointsPerBand, 2))) {
            const double gain = GainPhaseAt(cascade, kTwoPi * hz).gainDb;
            if (!std::isfinite(gain)) continue;
            lowest = std::min(lowest, gain);
            highest = std::max(highest, gain);
        }
    }
    return {lowest < floor - kOnTheMaskDb ? lowest : floor,
            highest > edges.referenceDb + kOnTheMaskDb ? highest : edges.referenceDb};
}

}  // namespace vorna::analysis
