#pragma once
// Frequency-domain evaluation of a cascade at angular frequencies omega (rad/s).
//
// Gain and phase come from one pass over the sections per frequency: a running complex
// product of the numerators and of the denominators, kept in range by powers of two, then
// one logarithm and one angle. A numerator or denominator whose real and imaginary parts are
// both below 1e-150 counts as 1e-30 in the gain (-600 dB for a zero of the transfer
// function), so that every gain is a finite number.

#include <span>
#include <vector>

#include "analysis/Cascade.h"

namespace vorna::analysis {

struct GainPhase {
    double gainDb = 0;
    double phase = 0;  // radians in [-pi, pi]
};

GainPhase GainPhaseAt(const Cascade& cascade, double omega);
// The same at every omega; `out` has the size of `omegas`.
void GainPhaseOver(const Cascade& cascade, std::span<const double> omegas,
                   std::span<GainPhase> out);
// The gains alone, from running products of the terms' squared magnitudes (in the same
// ranges as above): GainPhaseOver's gains to within rounding, at a fraction of the cost.
// `gainsDb` has the size of `omegas`.
void GainOver(const Cascade& cascade, std::span<const double> omegas, std::span<double> gainsDb);

// Group delay -d(phase)/d(omega) in seconds, in closed form from the sections. A zero lying
// exactly at omega adds nothing (its phase jumps by pi there).
double GroupDelayAt(const Cascade& cascade, double omega);
std::vector<double> GroupDelayOver(const Cascade& cascade, std::span<const double> omegas);

// The phase (radians) over ascending omegas without the 2 pi jumps of the wrapped phase:
// continuous except for the jumps of pi at zeros on the frequency axis, equal to the
// wrapped phase modulo 2 pi, and with its first value in [-pi, pi].
std::vector<double> UnwrappedPhaseOver(const Cascade& cascade, std::span<const double> omegas);

// `points` (at least 2) frequencies from `low` to `high` (both positive), evenly spaced on a
// logarithmic scale; the ends are exact.
std::vector<double> LogSpaced(double low, double high, int points);

}  // namespace vorna::analysis
