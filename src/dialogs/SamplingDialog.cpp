#include "dialogs/SamplingDialog.h"

#include "dialogs/DataExchange.h"

namespace vorna {

namespace {

const DialogResource& SamplingResource() {
    static const DialogResource resource{
        kSamplingDialogId,
        "ディジタルフィルタへ変換",
        "ＭＳ 明朝",
        8,
        249,
        97,
        {
            {ControlKind::Static, IDC_STATIC, "フィルタのサンプリング周波数は", 10, 8, 120, 10},
            {ControlKind::Static,
             kLowerLimitValueId,
             "",
             132,
             8,
             50,
             10,
             false,
             false,
             {},
             TextAlign::Right},
            {ControlKind::Static, kLowerLimitUnitId, "", 186, 8, 24, 10},
            {ControlKind::Static, IDC_STATIC, "以上の周波数を入力して下さい", 10, 22, 120, 10},
            {ControlKind::Edit, kSamplingValueId, "", 132, 20, 50, 12, true},
            {ControlKind::DropList,
             kSamplingUnitId,
             "",
             186,
             20,
             40,
             60,
             true,
             false,
             {"mHz", "Hz", "KHz", "Meg", "GHz"}},
            {ControlKind::Static, IDC_STATIC,
             "サンプリング周波数の下限値は、パラメータ入力ダイアログの", 10, 42, 230, 10},
            {ControlKind::Static, IDC_STATIC, "ｘｓの値を変える事によって変化させられます。", 10,
             54, 230, 10},
            {ControlKind::Button, IDOK, "OK", 60, 74, 50, 14, true, true},
            {ControlKind::Button, IDCANCEL, "ｷｬﾝｾﾙ", 140, 74, 50, 14, true},
        },
    };
    return resource;
}

}  // namespace

SamplingDialog::SamplingDialog(std::string limitText, std::string limitUnit)
    : Dialog(SamplingResource()),
      limitText_(std::move(limitText)),
      limitUnit_(std::move(limitUnit)) {}

void SamplingDialog::DoDataExchange(DataExchange& dx) {
    dx.Text(kSamplingValueId, samplingValue);
    dx.Range(samplingValue, 0.0, kMaxSamplingNumber);
    dx.ComboText(kSamplingUnitId, samplingUnit);
}

void SamplingDialog::OnInitDialog() {
    SetText(kLowerLimitValueId, limitText_);
    SetText(kLowerLimitUnitId, limitUnit_);
}

}  // namespace vorna
