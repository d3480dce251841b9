#include "dialogs/OutputChoiceDialog.h"

#include "dialogs/DataExchange.h"

namespace vorna {

namespace {

const DialogResource& OutputChoiceResource() {
    static const DialogResource resource{
        kOutputChoiceDialogId,
        "計算結果の表示または出力",
        "ＭＳ 明朝",
        9,
        200,
        120,
        {
            {ControlKind::Radio, kOutputSchematic, "回路図ファイルを出力する", 16, 10, 170, 12,
             true},
            {ControlKind::Radio, kOutputCoefficients, "伝達関数の係数ファイルを出力する", 16, 26,
             170, 12},
            {ControlKind::Radio, kOutputExchangeOpAmps, "回路図のオペアンプを交換する", 16, 42, 170,
             12},
            {ControlKind::Radio, kOutputGainAtFrequency, "指定周波数の利得を表示する", 16, 58, 170,
             12},
            {ControlKind::Radio, kOutputGainList, "Fc付近のゲインリストを出力する", 16, 74, 170,
             12},
            {ControlKind::Button, IDOK, "OK", 40, 98, 50, 14, true, true},
            {ControlKind::Button, IDCANCEL, "ｷｬﾝｾﾙ", 110, 98, 50, 14, true},
        },
    };
    return resource;
}

}  // namespace

OutputChoiceDialog::OutputChoiceDialog() : Dialog(OutputChoiceResource()) {}

void OutputChoiceDialog::DoDataExchange(DataExchange& dx) {
    int index = choice - kOutputSchematic;
    dx.Radio(kOutputSchematic, index);
    if (dx.Saving() && index >= 0) choice = kOutputSchematic + index;
}

}  // namespace vorna
