#include "dialogs/SamplingDialog.h"

#include "dialogs/DataExchange.h"

namespace vorna {

namespace {

// Built afresh for every dialog, in the language of the moment.
DialogResource SamplingResource() {
    return DialogResource{
        kSamplingDialogId,
        Text(TextId::SamplingTitle),
        Text(TextId::DefaultFontFace),
        8,
        249,
        97,
        {
            {ControlKind::Static, IDC_STATIC, Text(TextId::SamplingLimitBefore), 10, 8, 120, 10},
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
            {ControlKind::Static, IDC_STATIC, Text(TextId::SamplingLimitAfter), 10, 22, 120, 10},
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
            {ControlKind::Static, IDC_STATIC, Text(TextId::SamplingLimitNote1), 10, 42, 230, 10},
            {ControlKind::Static, IDC_STATIC, Text(TextId::SamplingLimitNote2), 10, 54, 230, 10},
            {ControlKind::Button, IDOK, "OK", 60, 74, 50, 14, true, true},
            {ControlKind::Button, IDCANCEL, Text(TextId::ButtonCancel), 140, 74, 50, 14, true},
        },
    };
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
