#include "dialogs/OutputChoiceDialog.h"

#include "dialogs/DataExchange.h"

namespace vorna {

namespace {

// Built afresh for every dialog, in the language of the moment.
DialogResource OutputChoiceResource() {
    return DialogResource{
        kOutputChoiceDialogId,
        Text(TextId::OutputChoiceTitle),
        Text(TextId::DefaultFontFace),
        9,
        200,
        120,
        {
            {ControlKind::Radio, kOutputSchematic, Text(TextId::OutputChoiceSchematic), 16, 10, 170,
             12, true},
            {ControlKind::Radio, kOutputCoefficients, Text(TextId::OutputChoiceCoefficients), 16,
             26, 170, 12},
            {ControlKind::Radio, kOutputExchangeOpAmps, Text(TextId::OutputChoiceExchangeOpAmps),
             16, 42, 170, 12},
            {ControlKind::Radio, kOutputGainAtFrequency, Text(TextId::OutputChoiceGainAtFrequency),
             16, 58, 170, 12},
            {ControlKind::Radio, kOutputGainList, Text(TextId::OutputChoiceGainList), 16, 74, 170,
             12},
            {ControlKind::Button, IDOK, "OK", 40, 98, 50, 14, true, true},
            {ControlKind::Button, IDCANCEL, Text(TextId::ButtonCancel), 110, 98, 50, 14, true},
        },
    };
}

}  // namespace

OutputChoiceDialog::OutputChoiceDialog() : Dialog(OutputChoiceResource()) {}

void OutputChoiceDialog::DoDataExchange(DataExchange& dx) {
    int index = choice - kOutputSchematic;
    dx.Radio(kOutputSchematic, index);
    if (dx.Saving() && index >= 0) choice = kOutputSchematic + index;
}

}  // namespace vorna
