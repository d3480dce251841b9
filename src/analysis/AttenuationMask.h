#pragma once
// The attenuation mask of a design: the pass band, where the gain must stay at or above
// -attp dB, and the stop band, where it must stay at or below -atts dB, by filter kind; both
// counted from the gain the design's attenuations are measured from (its reference).
//   LP: pass 0 .. fp,           stop fs .. (no upper end)
//   HP: pass fp .. (no end),    stop 0 .. fs
//   BP: pass fp1 .. fp2,        stop 0 .. fs1 and fs2 .. (no upper end)
//   BE: pass 0 .. fp1 and fp2 .. (no end), stop fs1 .. fs2

#include <vector>

#include "analysis/Cascade.h"

namespace vorna::analysis {

// The part of a design that the mask reads (Hz and dB).
struct MaskEdges {
    int kind = 0;  // the FilterKind's id
    double fp = 0, fs = 0;
    double fp1 = 0, fp2 = 0, fs1 = 0, fs2 = 0;
    double attp = 0;  // largest pass-band attenuation, dB
    double atts = 0;  // smallest stop-band attenuation, dB
    // The gain (dB) both attenuations are counted from: the pass band's largest gain, which
    // is above 0 dB for a design whose ripple lies above unity gain.
    double referenceDb = 0;
};

enum class BandKind { Pass, Stop };

struct MaskBand {
    BandKind kind = BandKind::Pass;
    double lowHz = 0;
    double highHz = 0;   // 0 when the band has no upper end
    double limitDb = 0;  // pass: the lowest gain allowed; stop: the highest gain allowed

    bool HasUpperEnd() const { return highHz > 0; }
};

// The bands in ascending frequency; none for an unknown kind.
std::vector<MaskBand> AttenuationMask(const MaskEdges& edges);

// The smallest margin (dB) by which the cascade's gain keeps to the mask, sampled at
// `pointsPerBand` logarithmically spaced frequencies in each band (a band without an upper
// end is sampled up to ten times its lower edge; a band from 0 from a hundredth of its upper
// edge). Negative when the gain leaves the mask somewhere.
double MaskMarginDb(const Cascade& cascade, const std::vector<MaskBand>& mask,
                    int pointsPerBand = 200);

}  // namespace vorna::analysis
