#include "dialogs/GraphDialog.h"

#include "dialogs/DataExchange.h"

namespace vorna {

namespace {

const DialogResource& GraphResource() {
    static const DialogResource resource{
        kGraphDialogId,
        "グラフ表示",
        "ＭＳ 明朝",
        11,
        138,
        90,
        {
            {ControlKind::Radio, kResponseGraphRadioId, "周波数特性のグラフ表示", 10, 8, 120, 12,
             true},
            {ControlKind::Radio, kPoleZeroRadioId, "極およびゼロのグラフ表示", 10, 22, 120, 12},
            {ControlKind::Static, IDC_STATIC, "計算ポイント数", 10, 44, 56, 10},
            {ControlKind::Edit, kGraphPointsId, "", 68, 42, 40, 12, true},
            {ControlKind::Static, IDC_STATIC, "点", 112, 44, 12, 10},
            {ControlKind::Button, IDOK, "OK", 14, 68, 50, 14, true, true},
            {ControlKind::Button, IDCANCEL, "ｷｬﾝｾﾙ", 74, 68, 50, 14, true},
        },
    };
    return resource;
}

}  // namespace

GraphDialog::GraphDialog() : Dialog(GraphResource()) {}

void GraphDialog::DoDataExchange(DataExchange& dx) {
    dx.Radio(kResponseGraphRadioId, graphIndex);
    dx.Text(kGraphPointsId, graphPoints);
    dx.Range(graphPoints, kMinGraphPoints, kMaxGraphPoints);
}

}  // namespace vorna
