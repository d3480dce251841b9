#pragma once
// What a section circuit does with every resistor and capacitor at its own value: the
// nodal equations of each drawn circuit with ideal op-amps, matched copies included as
// parts of their own (R3 of the multiple-feedback low-pass, C3 of its high-pass, C2 of its
// band-pass, the dual-amplifier pairs, the notch integrators and twin-T arms), and so is the
// drawn gain-of-two pair Rx1, Rx2 of the dual-amplifier band-pass. With equal copies this
// is what Realise gives; with unequal ones it is what the circuit does.
//
// Gains are magnitudes with the signs of the designed section (an inverting circuit gives
// the same coefficients as its non-inverting twin). The first-order circuits are what Realise
// gives for a FirstOrderSection: the feedback resistor R2 of the high-pass carries no signal
// current and does not enter.

#include <span>
#include <string_view>

#include "circuit/models/SectionModel.h"

namespace vorna {

// A section as its circuit realises it: `section` as Realise gives it (the same
// coefficients the circuit leaves alone) and a first-order factor (s + zero)/(s + pole).
// Only a twin-T notch with unequal arms is of third order; every other circuit has
// zero == pole.
struct CircuitResponse {
    Section section{};
    double zero = 1;
    double pole = 1;
};

CircuitResponse RealiseCircuit(const SectionElements& elements, const Section& designed);

// The most elements the equations of one circuit read.
inline constexpr std::size_t kMostEquationElements = 12;

// The names of the elements the equations of `circuit` read, in the order they read them
// (a first-order circuit: R1 and C1).
std::span<const std::string_view> EquationElements(SectionCircuit circuit);

// The same as RealiseCircuit with `values` holding the value of each of
// EquationElements(circuit), in its order: for callers that realise one circuit many times.
CircuitResponse RealiseCircuit(SectionCircuit circuit, std::span<const double> values,
                               const Section& designed);

}  // namespace vorna
