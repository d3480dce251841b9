#include "analysis/AttenuationMask.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/Response.h"
#include "design/FilterKinds.h"

namespace vorna::analysis {

namespace {

// Ratios that close the open ends of a band for sampling.
constexpr double kBelowOpenStart = 100;
constexpr double kAboveOpenEnd = 10;

}  // namespace

std::vector<MaskBand> AttenuationMask(const MaskEdges& s) {
    auto passBand = [&s](double low, double high) {
        return MaskBand{BandKind::Pass, low, high, s.referenceDb - s.attp};
    };
    auto stopBand = [&s](double low, double high) {
        return MaskBand{BandKind::Stop, low, high, s.referenceDb - s.atts};
    };
    const std::optional<FilterKind> kind = FilterKindOf(s.kind);
    if (!kind) return {};
    switch (*kind) {
        case FilterKind::LowPass:
            return {passBand(0, s.fp), stopBand(s.fs, 0)};
        case FilterKind::HighPass:
            return {stopBand(0, s.fs), passBand(s.fp, 0)};
        case FilterKind::BandPass:
            return {stopBand(0, s.fs1), passBand(s.fp1, s.fp2), stopBand(s.fs2, 0)};
        case FilterKind::BandEliminate:
            return {passBand(0, s.fp1), stopBand(s.fs1, s.fs2), passBand(s.fp2, 0)};
    }
    return {};
}

double MaskMarginDb(const Cascade& cascade, const std::vector<MaskBand>& mask, int pointsPerBand) {
    double margin = std::numeric_limits<double>::infinity();
    for (const MaskBand& band : mask) {
        const double high = band.HasUpperEnd() ? band.highHz : band.lowHz * kAboveOpenEnd;
        const double low = band.lowHz > 0 ? band.lowHz : high / kBelowOpenStart;
        if (!(low > 0) || !(high >= low)) continue;
        for (double hz : LogSpaced(low, high, std::max(pointsPerBand, 2))) {
            const double gain = GainPhaseAt(cascade, kTwoPi * hz).gainDb;
            const double kept =
                band.kind == BandKind::Pass ? gain - band.limitDb : band.limitDb - gain;
            margin = std::min(margin, kept);
        }
    }
    return margin;
}

}  // namespace vorna::analysis
