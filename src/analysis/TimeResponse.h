#pragma once
// Step and impulse responses of a cascade. The analog cascade is one state-space system
// (every section in a scaled controllable form, each feeding the next) sampled exactly
// through its matrix exponential; the digital cascade runs its difference equations at the
// sampling instants.

#include <optional>
#include <vector>

#include "analysis/Cascade.h"

namespace vorna::analysis {

enum class Excitation { Step, Impulse };

struct TimeSample {
    double time = 0;  // seconds
    double value = 0;
};

// Time after which every mode of the cascade has decayed to a thousandth; none when a pole
// lies on or right of the imaginary axis (outside the unit circle for digital), so that
// the response does not settle.
std::optional<double> SettlingTime(const Cascade& cascade);

// Gain at DC (omega = 0, z = 1) as a plain ratio.
double DcGain(const Cascade& cascade);

// The response from time 0 to `endTime` (seconds, positive) in `points` (at least 2) evenly
// spaced samples for an analog cascade; a digital one runs through its sampling instants up
// to `endTime` and gives every k-th of them, k the smallest stride that leaves at most
// `points`. The impulse response of an analog cascade is its regular part: a direct
// feed-through (a high-pass or band-eliminate section) adds an impulse at time 0 that no
// sample can show; the digital one is the response to a unit sample. None for arguments
// out of range, samples of an analog response closer than doubles tell apart, more than 1e8
// sampling instants, or a response or a time that grows beyond the range of doubles.
std::optional<std::vector<TimeSample>> TimeResponse(const Cascade& cascade, Excitation excitation,
                                                    double endTime, int points);

}  // namespace vorna::analysis
