#include "dialogs/GainDialog.h"

#include "dialogs/DataExchange.h"

namespace vorna {

namespace {

// Built afresh for every dialog, in the language of the moment.
DialogResource GainResource() {
    return DialogResource{
        kGainDialogId,
        Text(TextId::GainTitle),
        Text(TextId::DefaultFontFace),
        9,
        147,
        93,
        {
            {ControlKind::Static, IDC_STATIC, Text(TextId::GainFrequency), 8, 10, 44, 10},
            {ControlKind::Edit, kQueryFrequencyId, "", 54, 8, 44, 12, true},
            {ControlKind::DropDown,
             kQueryUnitId,
             "",
             102,
             8,
             38,
             60,
             true,
             false,
             {"mHz", "Hz", "KHz", "Meg", "GHz"}},
            {ControlKind::Static, IDC_STATIC, Text(TextId::GainGain), 8, 30, 44, 10},
            {ControlKind::Edit, kQueryGainId, "", 54, 28, 44, 12, true},
            {ControlKind::Static, IDC_STATIC, "dB", 102, 30, 20, 10},
            {ControlKind::Static, IDC_STATIC, Text(TextId::GainPhase), 8, 50, 44, 10},
            {ControlKind::Edit, kQueryPhaseId, "", 54, 48, 44, 12, true},
            {ControlKind::Static, IDC_STATIC, Text(TextId::GainDegrees), 102, 50, 20, 10},
            {ControlKind::Button, IDOK, Text(TextId::GainCheck), 20, 70, 48, 14, true, true},
            {ControlKind::Button, IDCANCEL, Text(TextId::GainClose), 80, 70, 48, 14, true},
        },
    };
}

}  // namespace

GainDialog::GainDialog() : Dialog(GainResource()) {}

void GainDialog::DoDataExchange(DataExchange& dx) {
    dx.ComboText(kQueryUnitId, queryUnit);
    dx.Text(kQueryFrequencyId, queryFrequency);
    dx.Text(kQueryGainId, queryGain);
    dx.Text(kQueryPhaseId, queryPhase);
}

}  // namespace vorna
