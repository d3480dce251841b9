#pragma once
// A design in progress: its entries, its approximation's row, the figures as far as they go
// and the notices so far. The design steps of each approximation work on it with the shared
// steps below.

#include <optional>

#include "design/Approximations.h"
#include "design/DesignFilter.h"

namespace vorna {

struct DesignWork {
    const DesignSpec& spec;
    const ApproximationRow& row;
    DesignFigures f;
    DesignNotices notices;
    std::optional<DesignRefusal> refusal;

    bool Band() const { return IsBand(spec.kind); }
    void ComputeEpsilons();  // epsP2, epsS2 from attp, atts
    // The stop-band edges Fs1, Fs2 of a band design from Fp1, Fp2 and Xs.
    void SetStopbandEdges();
    // The normalised stop-band edge of a band design.
    double BandRatio() const;
    // The stop-band edges, omegaS and, for approximations with a stop-band attenuation
    // formula, the attenuation reached.
    void EvaluateStopband(double (*attenuation)(DesignWork&));
    // The attenuation that the inverse Chebyshev order reaches at its stop-band edge.
    void EvaluateInverseChebyshev();
    void SetBandCentre();      // order from orderExact, centre, pass-band width
    void SetBandCentreStop();  // the same with the stop-band width
    // Fc = Fp and the stop-band edge Fs = Fp·Xs (low-pass) or Fp/Xs (high-pass).
    void SetCutoffAndStopEdge();
    // The elliptic steps for a stop-band ratio (Xs, or the band ratio).
    void EllipticOrder(double ratio);
    void SearchEllipticOrder(double ratio, int start, double required);
    double EllipticAttenuation(double ratio);
    void KeepElliptic(const EllipticModulus& modulus, double selectivity);
    // Checks the order against the approximation's limits: a refusal above the highest, an
    // order below the lowest raised to it with a notice.
    bool CheckOrder();
    // The approximation's prototype of the design at `order`.
    LowPassPrototype Prototype(int order) const;
};

}  // namespace vorna
