#pragma once
// What a synthesised circuit is, as a value: for each section its circuit and its element
// values by their schematic names, and the coefficients that those values realise. Pure
// functions only; nothing here asks the user or touches a document.
//
// Realise follows the equations by which the synthesis writes a section back (the journal,
// schematics and files show its coefficients; RealiseCircuit in CircuitEquations.h reads
// every element instead). Elements that the circuits build as matched copies of another
// element are read through that element:
//   MultipleFeedbackLowPass   R3 = R1               (reads R1 R2 C1 C2)
//   SallenKeyLowPass                               (reads R1 R2 C1 C2)
//   MultipleFeedbackHighPass  C3 = C1              (reads R1 R2 C1 C2)
//   SallenKeyHighPass                              (reads R1 R2 C1 C2)
//   MultipleFeedbackBandPass  C2 = C1              (reads R1 R2 R3 C1)
//   DualAmplifierBandPass     R12, R22, C2         (reads R11 R21 C1 R3 R4; R3 below 0.1 ohm
//                                                   is the short of a unity-gain stage)
//   StateVariableNotch        Rb2, Cb2, R42..R45   (reads Rb1 Cb1 R1 R2 R3 R41)
//   IntegratorNotch           Rb2, Cb2, R1, C1     (reads Rb1 Cb1 R2 C2 R3 R4 R5 R6)
//   FirstOrderLowPass                              (reads R1 C1)
//   FirstOrderHighPass        R2 = R1              (reads R1 C1)

#include <string>
#include <string_view>
#include <vector>

#include "circuit/models/SectionCircuit.h"
#include "design/DesignResults.h"

namespace vorna {

// One resistor (ohm) or capacitor (farad) by its schematic name without the section
// number ("R1", "Cb2", "R41").
struct CircuitElement {
    std::string name;
    double value = 0;
};

// One realised section: the schematic name of an element is its name, "_" and `number`.
struct SectionElements {
    SectionCircuit circuit = SectionCircuit::FirstOrderLowPass;
    int number = 0;
    // The design's second-order section index, or -1 for the first-order section.
    int index = -1;
    std::vector<CircuitElement> elements;

    // The value of the element called `name`; NaN when the section has none.
    double Value(std::string_view name) const;
};

// The coefficients the elements of a second-order circuit realise; those the circuit does not
// set are those of `designed`. A first-order circuit leaves `designed` as it is.
Section Realise(const SectionElements& elements, const Section& designed);
// The same for the first-order circuits; any other circuit leaves `designed` as it is.
FirstOrderSection Realise(const SectionElements& elements, const FirstOrderSection& designed);

}  // namespace vorna
