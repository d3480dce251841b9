#pragma once
// The synthesis of a basic circuit: it realises every section of the view's design with the
// section circuit that the circuit's row names for it, in section order; a section the circuit
// cannot realise stops the run with a message and sets the output's `synthesisFailed`.

namespace vorna {

struct BasicCircuit;
class CircuitOutput;
class DesignDocument;
class DesignView;
class Ui;

void SynthesizeBasicCircuit(const BasicCircuit& circuit, CircuitOutput& out, DesignDocument& doc,
                            DesignView& view, Ui& ui);

using SynthesisEntry = void (*)(const BasicCircuit& circuit, CircuitOutput& out,
                                DesignDocument& doc, DesignView& view, Ui& ui);

}  // namespace vorna
