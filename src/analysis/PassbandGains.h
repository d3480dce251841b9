#pragma once
// The gains a graph of the pass band must show: the mask's floor and reference there, and
// wherever the design's own gain leaves them (a ripple above unity gain, a band edge that
// falls short), its extremes.

#include "analysis/AttenuationMask.h"

namespace vorna::analysis {

struct GainSpan {
    double lowDb = 0;
    double highDb = 0;
};

// From the lower of the pass-band floor (reference - attp) and the cascade's lowest gain to
// the higher of the reference and its highest gain, the gains taken at `pointsPerBand`
// logarithmically spaced frequencies of each pass band within [lowHz, highHz]. A gain within
// a millionth of a dB of the floor or the reference counts as on it. Without a pass band in
// that range, the floor and the reference.
GainSpan PassbandGainSpan(const Cascade& cascade, const MaskEdges& edges, double lowHz,
                          double highHz, int pointsPerBand = 1000);

}  // namespace vorna::analysis
