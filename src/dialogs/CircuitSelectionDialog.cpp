#include "dialogs/CircuitSelectionDialog.h"

#include <string_view>

#include "circuit/EngValue.h"
#include "circuit/InitialValueTables.h"
#include "design/Approximations.h"
#include "dialogs/DataExchange.h"
#include "dialogs/DiagramDialog.h"
#include "text/Texts.h"

namespace vorna {

std::string CircuitSelection::OfferedCodes() const {
    return std::string(kBasicCircuits[FirstCircuitRow()].code) + " or " +
           std::string(kBasicCircuits[FirstCircuitRow() + 1].code);
}

const std::array<CircuitSelection, kBasicCircuitChoiceCount> kCircuitSelections{{
    {410, TextId::CircuitSelectionLowPass, 0},
    {420, TextId::CircuitSelectionLowPass, 1},
    {430, TextId::CircuitSelectionHighPass, 2},
    {440, TextId::CircuitSelectionHighPass, 3},
    {450, TextId::CircuitSelectionBandPass, 4},
    {460, TextId::CircuitSelectionBandPass, 5},
    {470, TextId::CircuitSelectionBandEliminate, 6},
}};

const CircuitSelection* FindCircuitSelection(int kind, int approximation) {
    if (kind < 101 || kind > 104) return nullptr;
    if (kind == 104) return &kCircuitSelections[6];
    const int withZeros = HasFiniteZeros(approximation) ? 1 : 0;
    return &kCircuitSelections[static_cast<std::size_t>((kind - 101) * 2 + withZeros)];
}

namespace {

// The code of the basic circuit of `row` as its radio button shows it: in full-width letters
// and digits for Japanese (LP1 as U+FF2C..), as it is for English.
std::string ShownCode(std::size_t row) {
    const std::string_view code = kBasicCircuits[row].code;
    if (CurrentLanguage() == Language::English) return std::string(code);
    std::string text;
    for (const char c : code) {
        const unsigned wide = 0xFF01 + static_cast<unsigned>(c - '!');
        text += static_cast<char>(0xE0 | (wide >> 12));
        text += static_cast<char>(0x80 | ((wide >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (wide & 0x3F));
    }
    return text;
}

DialogResource SelectionResource(const CircuitSelection& s) {
    const int first = s.FirstCircuitId();
    const std::size_t row = s.FirstCircuitRow();
    return {
        s.dialogId,
        Text(TextId::CircuitSelectionTitle),
        Text(TextId::DefaultFontFace),
        9,
        180,
        128,
        {
            {ControlKind::Static, IDC_STATIC, Text(s.label), 10, 8, 160, 10},
            {ControlKind::Radio, first, ShownCode(row), 20, 26, 60, 12, true},
            {ControlKind::Radio, first + 1, ShownCode(row + 1), 20, 42, 60, 12},
            {ControlKind::Button, kShowDiagramButton, Text(TextId::CircuitSelectionShowDiagram),
             100, 32, 60, 16, true, true},
            {ControlKind::CheckBox, kCompensateCheckBox, Text(TextId::CircuitSelectionCompensate),
             10, 62, 160, 10, true},
            {ControlKind::Static, IDC_STATIC, Text(TextId::CircuitSelectionStartCapacitor), 10, 78,
             110, 10},
            {ControlKind::Edit, kStartCapacitorEdit, "", 120, 76, 50, 12, true},
            {ControlKind::Button, IDOK, "OK", 30, 104, 50, 14, true},
            {ControlKind::Button, IDCANCEL, Text(TextId::ButtonCancel), 100, 104, 50, 14, true},
        },
    };
}

}  // namespace

CircuitSelectionDialog::CircuitSelectionDialog(const CircuitSelection& selection)
    : Dialog(SelectionResource(selection)),
      circuitCode(selection.FirstCircuitId()),
      firstCode_(selection.FirstCircuitId()) {}

void CircuitSelectionDialog::DoDataExchange(DataExchange& dx) {
    int index = circuitCode - firstCode_;
    dx.Radio(firstCode_, index);
    if (dx.Saving()) circuitCode = firstCode_ + (index == 1 ? 1 : 0);
    bool checked = compensate;
    dx.Check(kCompensateCheckBox, checked);
    std::string capacitor = startCapacitor > 0 ? FormatCompactValue(startCapacitor) : "";
    dx.Text(kStartCapacitorEdit, capacitor);
    if (!dx.Saving()) return;
    const std::optional<double> value = ParseCompactValue(capacitor);
    if (capacitor.find_first_not_of(' ') == std::string::npos) {
        startCapacitor = 0;
    } else if (!value || !(*value >= kSmallestStartCapacitor && *value <= kLargestStartCapacitor)) {
        dx.Fail(TextId::StartCapacitorOutOfRange);
        return;
    } else {
        startCapacitor = *value;
    }
    compensate = checked;
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
