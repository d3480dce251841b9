#pragma once
// Pre-distortion of a whole cascade for its op-amps over bands of frequencies: for circuits
// whose op-amps also change the level of the pass band (the high-pass circuits, whose noise
// gain stays high above their pole frequency; the notch circuits, whose gain moves too),
// matching each pole pair leaves that change in place. Every section's f0 and Q (a notch
// section's also its gain; its zeros stay) are fitted together so that the
// cascade's realised magnitude best matches the designed one over the bands (least largest
// deviation in dB).

#include <optional>
#include <span>
#include <vector>

#include "circuit/models/SectionCircuit.h"
#include "design/DesignResults.h"

namespace vorna {

// One second-order section of a cascade and the circuit that realises it.
struct CircuitSection {
    SectionCircuit circuit = SectionCircuit::MultipleFeedbackLowPass;
    Section designed{};
};

// A band of frequencies (Hz) over which the fit compares magnitudes.
struct FittedBand {
    double lowHz = 0;
    double highHz = 0;
};

struct CascadeTargets {
    // What each section's circuit is to realise with ideal op-amps, in the cascade's order.
    std::vector<Section> targets;
    // The largest deviation (dB) over the bands of the cascade realised with the op-amps.
    double missDb = 0;
    // The same for the designed sections; none when they are not realisable.
    std::optional<double> uncompensatedMissDb;
};

// The targets, started from every section's own pre-distortion (PreDistortedSection) and
// kept where the fit does not improve on it; none when a section has no pre-distortion. A
// section whose circuit has no single-pole equations stays as designed and counts as ideal.
std::optional<CascadeTargets> PreDistortedCascade(std::span<const CircuitSection> sections,
                                                  double gbwHz, std::span<const FittedBand> bands);

}  // namespace vorna
