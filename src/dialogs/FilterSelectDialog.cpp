#include "dialogs/FilterSelectDialog.h"

#include "dialogs/DataExchange.h"

namespace vorna {

DialogResource FilterSelectResource() {
    DialogResource r;
    r.id = 100;
    r.title = "フィルタの種類選択";
    r.fontName = "ＭＳ 明朝";
    r.fontPoints = 10;
    r.width = 215;
    r.height = 201;
    using K = ControlKind;
    r.controls = {
        {K::GroupBox, IDC_STATIC, "濾波特性", 7, 7, 97, 108},
        {K::Radio, 101, "ローパスフィルタ", 15, 22, 85, 10, true},
        {K::Radio, 102, "ハイパスフィルタ", 15, 37, 85, 10},
        {K::Radio, 103, "バンドパスフィルタ", 15, 52, 85, 10},
        {K::Radio, 104, "ＢＥフィルタ", 15, 67, 85, 10},
        {K::GroupBox, IDC_STATIC, "遮断特性", 111, 7, 97, 108},
        {K::Radio, 111, "バターワース", 119, 22, 85, 10, true},
        {K::Radio, 112, "チェビシェフ", 119, 37, 85, 10},
        {K::Radio, 113, "逆チェビシェフ", 119, 52, 85, 10},
        {K::Radio, 114, "楕円関数", 119, 67, 85, 10},
        {K::Radio, 116, "ベッセル", 119, 82, 85, 10},
        {K::Radio, 117, "ルジャンドル", 119, 97, 85, 10},
        {K::CheckBox, 115, "次数を入力してフィルタを設計する", 15, 123, 190, 10, true},
        {K::GroupBox, IDC_STATIC, "参照モードの切り替え", 7, 140, 201, 30},
        {K::Radio, 2403, "参照モード 0", 15, 153, 85, 10, true},
        {K::Radio, 2404, "参照モード 1", 119, 153, 85, 10},
        {K::Button, IDOK, "OK", 40, 180, 50, 14, true, true},
        {K::Button, IDCANCEL, "ｷｬﾝｾﾙ", 125, 180, 50, 14, true},
    };
    return r;
}

FilterSelectDialog::FilterSelectDialog() : Dialog(FilterSelectResource()) {}

void FilterSelectDialog::DoDataExchange(DataExchange& dx) {
    dx.Radio(kApproximationRadioFirst, approximationIndex);
    dx.Check(kByOrderCheck, byOrder);
    dx.Radio(kKindRadioFirst, kindIndex);
    dx.Radio(kReferenceRadioFirst, referenceIndex);
}

}  // namespace vorna
