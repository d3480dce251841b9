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
        ForLanguage(249, 296),
        97,
        {
            {ControlKind::Static, IDC_STATIC, Text(TextId::SamplingLimitBefore), 10, 8,
             ForLanguage(120, 180), 10},
            {ControlKind::Static,
             kLowerLimitValueId,
             "",
             ForLanguage(132, 192),
             8,
             50,
             10,
             false,
             false,
             {},
             TextAlign::Right},
            {ControlKind::Static, kLowerLimitUnitId, "", ForLanguage(186, 246), 8, 24, 10},
            {ControlKind::Static, IDC_STATIC, Text(TextId::SamplingLimitAfter), 10, 22,
             ForLanguage(120, 180), 10},
            {ControlKind::Edit, kSamplingValueId, "", ForLanguage(132, 192), 20, 50, 12, true},
            {ControlKind::DropList,
             kSamplingUnitId,
             "",
             ForLanguage(186, 246),
             20,
             40,
             60,
             true,
             false,
             {"mHz", "Hz", "KHz", "Meg", "GHz"}},
            {ControlKind::Static, IDC_STATIC, Text(TextId::SamplingLimitNote1), 10, 42,
             ForLanguage(230, 276), 10},
            {ControlKind::Static, IDC_STATIC, Text(TextId::SamplingLimitNote2), 10, 54,
             ForLanguage(230, 276), 10},
            {ControlKind::Button, IDOK, "OK", ForLanguage(60, 83), 74, 50, 14, true, true},
            {ControlKind::Button, IDCANCEL, Text(TextId::ButtonCancel), ForLanguage(140, 163), 74,
             50, 14, true},
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
