#include "output/BasicCircuitChoice.h"

#include "dialogs/CircuitSelectionDialog.h"
#include "view/DesignView.h"

namespace vorna {

bool ChooseBasicCircuit(DesignView& view, const ShownDesign& design, Ui& ui) {
    const CircuitSelection* selection = FindCircuitSelection(design.kind, design.approximation);
    if (selection == nullptr) return false;
    int& remembered = view.circuitChoices[static_cast<std::size_t>(selection->choiceIndex)];
    CircuitSelectionDialog dialog(*selection);
    dialog.circuitCode = remembered;
    dialog.compensate = view.compensateForOpAmp;
    dialog.startCapacitor = view.startCapacitor;
    if (dialog.DoModal(ui) != IDOK) return false;
    remembered = dialog.circuitCode;
    view.compensateForOpAmp = dialog.compensate;
    view.startCapacitor = dialog.startCapacitor;
    view.selectedCircuit = dialog.circuitCode;
    return true;
}

bool TakeBasicCircuit(DesignView& view, const ShownDesign& design, int circuitCode) {
    const CircuitSelection* selection = FindCircuitSelection(design.kind, design.approximation);
    if (selection == nullptr || !selection->Offers(circuitCode)) return false;
    view.circuitChoices[static_cast<std::size_t>(selection->choiceIndex)] = circuitCode;
    view.selectedCircuit = circuitCode;
    return true;
}

}  // namespace vorna
