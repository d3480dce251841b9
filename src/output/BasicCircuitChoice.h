#pragma once
// The first step of a circuit output: the user picks the basic circuit that realises every
// section, in the selection dialog of the design's filter kind and approximation group.

#include "view/ShownDesign.h"

namespace vorna {

class DesignView;
class Ui;

// Shows the selection dialog of the design's kind and approximation, preset to the choice
// last made in it. OK stores the choice in the view (its circuitChoices entry and
// selectedCircuit) and returns true; Cancel, or a design whose filter kind is unknown,
// returns false and changes nothing.
bool ChooseBasicCircuit(DesignView& view, const ShownDesign& design, Ui& ui);

// Takes `circuitCode` as the choice in that dialog without showing it, for a caller that was
// given the circuit (the command line, the Python module). Returns false and changes nothing
// when the design's dialog does not offer it.
bool TakeBasicCircuit(DesignView& view, const ShownDesign& design, int circuitCode);

}  // namespace vorna
