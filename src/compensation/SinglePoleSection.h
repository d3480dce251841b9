#pragma once
// The second-order section circuits with single-pole op-amps: each op-amp's gain is
// A(s) = A0 wp / (s + wp) with its gain-bandwidth product A0 wp / 2 pi, as the simulation
// models it. The nodal equations of the circuit as drawn (topology/Sections) give the
// section's response and the pole pair that lies nearest the ideal one; the op-amps' own
// poles far above it are left out of the pair.

#include <complex>
#include <optional>

#include "circuit/models/SectionCircuit.h"
#include "circuit/models/SectionModel.h"
#include "design/DesignResults.h"

namespace vorna {

// The DC gain of the single-pole op-amp model.
inline constexpr double kOpAmpDcGain = 1e5;

// Whether `circuit` is a second-order circuit that these equations cover (every one but the
// first-order circuits).
bool HasSinglePoleEquations(SectionCircuit circuit);

// The elements with which `circuit` realises `target` as its synthesis sets their ratios
// (the impedance level does not move the response); none when the circuit cannot realise it.
std::optional<SectionElements> IdealElements(SectionCircuit circuit, const Section& target);

struct SinglePoleResponse {
    double w0 = 0;  // of the dominant pole pair (rad/s)
    double q = 0;
    std::complex<double> response;  // H(j w) at the frequency it was asked for
};

// What `elements` do with op-amps of gain-bandwidth `gbwHz`: the pole pair nearest the ideal
// pair (w0, q) and H(j responseAtRadPerS); none when the circuit has no equations here, the
// equations are singular or the pair is not a stable one.
std::optional<SinglePoleResponse> RealiseWithSinglePoleOpAmps(const SectionElements& elements,
                                                              double gbwHz, double idealW0,
                                                              double idealQ,
                                                              double responseAtRadPerS);

// H(j radPerS) of `elements` with op-amps of gain-bandwidth `gbwHz`; none when the circuit has
// no equations here or they are singular there.
std::optional<std::complex<double>> SinglePoleResponseAt(const SectionElements& elements,
                                                         double gbwHz, double radPerS);

}  // namespace vorna
