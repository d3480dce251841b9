#pragma once
// The sections of a design: the low-pass prototype of its approximation, turned into the
// sections of its kind by the frequency transformation of that kind. The results must have
// been reset for the design (order, omegaC, bandwidth, sectionLast).

#include <optional>

#include "design/EllipticFunctions.h"
#include "design/FilterKinds.h"

namespace vorna {

class DesignResults;

struct SectionRequest {
    FilterKind kind = FilterKind::LowPass;
    Approximation approximation = Approximation::Butterworth;
    int order = 0;
    double attp = 0;
    double epsP2 = 0;
    double epsS2 = 0;
    // The stop-band ratio of the elliptic prototype: Xs for low-pass and high-pass, the band
    // ratio for band-pass and band-eliminate.
    double ellipticRatio = 0;
    BesselNorm besselNorm = BesselNorm::Magnitude;
};

// What an elliptic design reaches at its stop-band ratio; empty for the other approximations
// and for an elliptic request that makes no filter.
struct SectionOutcome {
    std::optional<EllipticModulus> modulus;
    EllipticStopband reached;
};

SectionOutcome ComputeSections(const SectionRequest& request, DesignResults& results);

}  // namespace vorna
