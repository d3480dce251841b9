#pragma once
// The step of an RC pair with time constant 1/omega: the capacitor C is walked through the
// series and the resistor R = 1/(C omega) follows. Element A is R, element B is C; a typed R
// restarts from C = 1/(R omega), and rounding sets R to its nearest series value. The
// first-order section and the integrators of lpet1 are such pairs.

#include "circuit/CandidateStep.h"

namespace vorna {

// Runs the pair in dialog `dialogId` from the capacitor `startC`. Values: [0] C, [1] R.
StepResult RunTimeConstantStep(SynthesisContext& ctx, int dialogId, int section, double omega,
                               double startC);

}  // namespace vorna
