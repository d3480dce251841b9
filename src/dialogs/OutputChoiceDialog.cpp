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
        ForLanguage(200, 240),
        120,
        {
            {ControlKind::Radio, kOutputSchematic, Text(TextId::OutputChoiceSchematic), 16, 10,
             ForLanguage(170, 210), 12, true},
            {ControlKind::Radio, kOutputCoefficients, Text(TextId::OutputChoiceCoefficients), 16,
             26, ForLanguage(170, 210), 12},
            {ControlKind::Radio, kOutputExchangeOpAmps, Text(TextId::OutputChoiceExchangeOpAmps),
             16, 42, ForLanguage(170, 210), 12},
            {ControlKind::Radio, kOutputGainAtFrequency, Text(TextId::OutputChoiceGainAtFrequency),
             16, 58, ForLanguage(170, 210), 12},
            {ControlKind::Radio, kOutputGainList, Text(TextId::OutputChoiceGainList), 16, 74,
             ForLanguage(170, 210), 12},
            {ControlKind::Button, IDOK, "OK", ForLanguage(40, 60), 98, 50, 14, true, true},
            {ControlKind::Button, IDCANCEL, Text(TextId::ButtonCancel), ForLanguage(110, 130), 98,
             50, 14, true},
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
