#pragma once
// The seven basic-circuit selection dialogs 410 .. 470 (CircuitSelectionTitle): two circuits for
// one filter kind and approximation group, and button 499 (CircuitSelectionShowDiagram, the default
// button) that shows the diagram of the circuit selected at that moment.

#include <array>

#include "dialogs/Dialog.h"
#include "text/TextId.h"

namespace vorna {

inline constexpr int kShowDiagramButton = 499;

struct CircuitSelection {
    int dialogId;
    int firstCode;  // code of the first radio button; the second is firstCode + 1
    std::array<TextId, 2> buttonTexts;
    TextId label;
    int choiceIndex;  // entry of the view's circuitChoices
};

extern const std::array<CircuitSelection, 7> kCircuitSelections;

// The selection for a filter kind (101 .. 104) and approximation (111 .. 114): for LP, HP and
// BP the approximations with zeros (above 112) have their own dialog; BE has one for all.
// nullptr for a kind outside 101 .. 104.
const CircuitSelection* FindCircuitSelection(int kind, int approximation);

class CircuitSelectionDialog : public Dialog {
public:
    explicit CircuitSelectionDialog(const CircuitSelection& selection);

    // The chosen circuit's code.
    int circuitCode;

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnCommand(int controlId, Notification what) override;

private:
    int firstCode_;
};

}  // namespace vorna
