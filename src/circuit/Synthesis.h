#pragma once
// The synthesis of a basic circuit: it realises every section of a design with the section
// circuit that the circuit's row names for it, in section order; a section the circuit cannot
// realise stops the run with a message and sets the run's `synthesisFailed`.

#include "design/FilterKinds.h"

namespace vorna {

struct BasicCircuit;
class CandidateChooser;
class DesignResults;
class SynthesisRunState;
class Ui;

// The entries of the design that the synthesis reads besides its results.
struct SynthesisInput {
    FilterKind kind = FilterKind::LowPass;
    // The approximation's id.
    int approximation = 0;
    // The band-pass and band-eliminate pass-band edges (Hz).
    double fp1 = 0;
    double fp2 = 0;
    // 0: the component values of the low-pass sections start from the low-pass table.
    int referenceMode = 0;
    // Above 0: the gain-bandwidth product (Hz) of single-pole op-amps that every
    // second-order section is pre-distorted for.
    double compensationGbwHz = 0;
    // Above 0: the capacitor (F) that every step starting from a capacitor starts from,
    // instead of the initial value tables'.
    double startCapacitor = 0;
    // The low-pass and high-pass pass-band edge (Hz); 0 when unknown.
    double passEdgeHz = 0;
};

// Realises `results`' sections, replacing their coefficients by those of the chosen
// elements; `chooser` chooses among the candidates of every step.
void SynthesizeBasicCircuit(const BasicCircuit& circuit, const SynthesisInput& input,
                            DesignResults& results, SynthesisRunState& run,
                            CandidateChooser& chooser, Ui& ui);

using SynthesisEntry = void (*)(const BasicCircuit& circuit, const SynthesisInput& input,
                                DesignResults& results, SynthesisRunState& run,
                                CandidateChooser& chooser, Ui& ui);

}  // namespace vorna
