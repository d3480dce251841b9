#pragma once
// The seven basic-circuit selection dialogs 410 .. 470 (CircuitSelectionTitle): two circuits for
// one filter kind and approximation group, and button 499 (CircuitSelectionShowDiagram, the default
// button) that shows the diagram of the circuit selected at that moment.

#include <array>
#include <string>

#include "dialogs/Dialog.h"
#include "text/TextId.h"
#include "topology/BasicCircuits.h"

namespace vorna {

inline constexpr int kShowDiagramButton = 499;
inline constexpr int kCompensateCheckBox = 495;
inline constexpr int kStartCapacitorEdit = 496;

struct CircuitSelection {
    int dialogId;
    TextId label;
    // Entry of the view's circuitChoices: the dialog offers the basic circuits of rows
    // 2 * choiceIndex and the next one.
    int choiceIndex;

    std::size_t FirstCircuitRow() const { return 2 * static_cast<std::size_t>(choiceIndex); }
    // The id of its first circuit, the control id of its first radio button; the second's is
    // the next.
    int FirstCircuitId() const { return BasicCircuitId(FirstCircuitRow()); }
    // Whether it offers the basic circuit `id`.
    bool Offers(int id) const { return id == FirstCircuitId() || id == FirstCircuitId() + 1; }
    // The codes of the two circuits it offers, e.g. "LP1 or LP2".
    std::string OfferedCodes() const;
};

extern const std::array<CircuitSelection, kBasicCircuitChoiceCount> kCircuitSelections;

// The selection for a filter kind (101 .. 104) and approximation (111 .. 114): for LP, HP and
// BP the approximations with zeros (above 112) have their own dialog; BE has one for all.
// nullptr for a kind outside 101 .. 104.
const CircuitSelection* FindCircuitSelection(int kind, int approximation);

class CircuitSelectionDialog : public Dialog {
public:
    explicit CircuitSelectionDialog(const CircuitSelection& selection);

    // The chosen circuit's id.
    int circuitCode;
    // Pre-distort the sections for the op-amp's gain-bandwidth product.
    bool compensate = false;
    // The capacitor (F) the synthesis steps start from; 0: the initial value tables'.
    double startCapacitor = 0;

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnCommand(int controlId, Notification what) override;

private:
    int firstCode_;
};

}  // namespace vorna
