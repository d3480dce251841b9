#pragma once
// Pre-distortion of a section for its op-amps: the section a circuit is to realise with
// ideal op-amps so that, built with single-pole op-amps of a given gain-bandwidth product,
// it has the designed pole frequency and Q (a band-pass section also its centre gain; a
// notch section keeps its zeros).

#include <optional>

#include "circuit/models/SectionCircuit.h"
#include "design/DesignResults.h"

namespace vorna {

// The pre-distorted section, or none when no section of `circuit` realised with op-amps of
// `gbwHz` has the designed pole pair (the op-amps are too slow for it, or the circuit cannot
// realise the section it would take). A circuit without single-pole equations here (the
// first-order circuits) leaves `designed` as it is.
std::optional<Section> PreDistortedSection(SectionCircuit circuit, const Section& designed,
                                           double gbwHz);

}  // namespace vorna
