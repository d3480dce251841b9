#pragma once
// Dialog 400 of command 630: what to output or show for the current design.

#include "dialogs/Dialog.h"

namespace vorna {

inline constexpr int kOutputChoiceDialogId = 400;

enum OutputChoice : int {
    kOutputSchematic = 401,        // "回路図ファイルを出力する"
    kOutputCoefficients = 402,     // "伝達関数の係数ファイルを出力する"
    kOutputExchangeOpAmps = 403,   // "回路図のオペアンプを交換する"
    kOutputGainAtFrequency = 404,  // "指定周波数の利得を表示する"
    kOutputGainList = 405,         // "Fc付近のゲインリストを出力する"
};

class OutputChoiceDialog : public Dialog {
public:
    OutputChoiceDialog();

    int choice = kOutputGainAtFrequency;

protected:
    void DoDataExchange(DataExchange& dx) override;
};

}  // namespace vorna
