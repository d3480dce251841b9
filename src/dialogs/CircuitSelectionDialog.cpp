#include "dialogs/CircuitSelectionDialog.h"

#include "design/Approximations.h"
#include "dialogs/DataExchange.h"
#include "dialogs/DiagramDialog.h"

namespace vorna {

const std::array<CircuitSelection, 7> kCircuitSelections{{
    {410,
     480,
     {TextId::CircuitButtonLP1, TextId::CircuitButtonLP2},
     TextId::CircuitSelectionLowPass,
     0},
    {420,
     482,
     {TextId::CircuitButtonLP3, TextId::CircuitButtonLP4},
     TextId::CircuitSelectionLowPass,
     1},
    {430,
     484,
     {TextId::CircuitButtonHP1, TextId::CircuitButtonHP2},
     TextId::CircuitSelectionHighPass,
     2},
    {440,
     486,
     {TextId::CircuitButtonHP3, TextId::CircuitButtonHP4},
     TextId::CircuitSelectionHighPass,
     3},
    {450,
     488,
     {TextId::CircuitButtonBP1, TextId::CircuitButtonBP2},
     TextId::CircuitSelectionBandPass,
     4},
    {460,
     490,
     {TextId::CircuitButtonBP3, TextId::CircuitButtonBP4},
     TextId::CircuitSelectionBandPass,
     5},
    {470,
     492,
     {TextId::CircuitButtonBE1, TextId::CircuitButtonBE2},
     TextId::CircuitSelectionBandEliminate,
     6},
}};

const CircuitSelection* FindCircuitSelection(int kind, int approximation) {
    if (kind < 101 || kind > 104) return nullptr;
    if (kind == 104) return &kCircuitSelections[6];
    const int withZeros = HasFiniteZeros(approximation) ? 1 : 0;
    return &kCircuitSelections[static_cast<std::size_t>((kind - 101) * 2 + withZeros)];
}

namespace {

DialogResource SelectionResource(const CircuitSelection& s) {
    return {
        s.dialogId,
        Text(TextId::CircuitSelectionTitle),
        Text(TextId::DefaultFontFace),
        9,
        180,
        96,
        {
            {ControlKind::Static, IDC_STATIC, Text(s.label), 10, 8, 160, 10},
            {ControlKind::Radio, s.firstCode, Text(s.buttonTexts[0]), 20, 26, 60, 12, true},
            {ControlKind::Radio, s.firstCode + 1, Text(s.buttonTexts[1]), 20, 42, 60, 12},
            {ControlKind::Button, kShowDiagramButton, Text(TextId::CircuitSelectionShowDiagram),
             100, 32, 60, 16, true, true},
            {ControlKind::Button, IDOK, "OK", 30, 72, 50, 14, true},
            {ControlKind::Button, IDCANCEL, Text(TextId::ButtonCancel), 100, 72, 50, 14, true},
        },
    };
}

}  // namespace

CircuitSelectionDialog::CircuitSelectionDialog(const CircuitSelection& selection)
    : Dialog(SelectionResource(selection)),
      circuitCode(selection.firstCode),
      firstCode_(selection.firstCode) {}

void CircuitSelectionDialog::DoDataExchange(DataExchange& dx) {
    int index = circuitCode - firstCode_;
    dx.Radio(firstCode_, index);
    if (dx.Saving()) circuitCode = firstCode_ + (index == 1 ? 1 : 0);
}

void CircuitSelectionDialog::OnCommand(int controlId, Notification what) {
    if (controlId == kShowDiagramButton && what == Notification::Clicked) {
        // The diagram of the button selected now; the choice itself is committed only by OK.
        const int shown = Control(firstCode_ + 1).checked ? firstCode_ + 1 : firstCode_;
        DiagramDialog diagram(shown);
        diagram.DoModal(CurrentUi());
        return;
    }
    Dialog::OnCommand(controlId, what);
}

}  // namespace vorna
