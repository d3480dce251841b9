#pragma once
// Dialog 400 of command 630: what to output or show for the current design.

#include "dialogs/Dialog.h"

namespace vorna {

inline constexpr int kOutputChoiceDialogId = 400;

enum OutputChoice : int {
    kOutputSchematic = 401,        // OutputChoiceSchematic
    kOutputCoefficients = 402,     // OutputChoiceCoefficients
    kOutputExchangeOpAmps = 403,   // OutputChoiceExchangeOpAmps
    kOutputGainAtFrequency = 404,  // OutputChoiceGainAtFrequency
    kOutputGainList = 405,         // OutputChoiceGainList
};

class OutputChoiceDialog : public Dialog {
public:
    OutputChoiceDialog();

    int choice = kOutputGainAtFrequency;

protected:
    void DoDataExchange(DataExchange& dx) override;
};

}  // namespace vorna
