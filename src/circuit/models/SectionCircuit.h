#pragma once
// The section circuits that the basic circuits are made of. Each is drawn (topology/Sections),
// modelled (SectionModel, CircuitEquations) and synthesised (circuit/SectionRoutines) by its
// own code; a basic circuit names which section circuit realises each of its sections.

namespace vorna {

enum class SectionCircuit {
    FirstOrderLowPass,         // R1, C1 and a follower
    FirstOrderHighPass,        // C1, R1 and a follower with R2 (= R1) in its feedback
    MultipleFeedbackLowPass,   // LP1: R3 = R1
    SallenKeyLowPass,          // LP2: unity gain
    MultipleFeedbackHighPass,  // HP1: C3 = C1
    SallenKeyHighPass,         // HP2: unity gain
    MultipleFeedbackBandPass,  // BP1 (bpat1)
    DualAmplifierBandPass,     // BP2 (bpat2) with its R3/R4 gain stage
    StateVariableNotch,        // lpet1: state-variable section with a summing output
    IntegratorNotch,           // lpet2: twin-T section whose integrators set the zeros
};

}  // namespace vorna
