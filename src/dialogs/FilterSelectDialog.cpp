#include "dialogs/FilterSelectDialog.h"

#include "dialogs/DataExchange.h"
#include "text/Texts.h"

namespace vorna {

DialogResource FilterSelectResource() {
    DialogResource r;
    r.id = 100;
    r.title = Text(TextId::FilterSelectTitle);
    r.fontName = Text(TextId::DefaultFontFace);
    r.fontPoints = 10;
    r.width = 215;
    r.height = 201;
    using K = ControlKind;
    r.controls = {
        {K::GroupBox, IDC_STATIC, Text(TextId::FilterSelectKindGroup), 7, 7, 97, 108},
        {K::Radio, 101, Text(TextId::FilterSelectLowPass), 15, 22, 85, 10, true},
        {K::Radio, 102, Text(TextId::FilterSelectHighPass), 15, 37, 85, 10},
        {K::Radio, 103, Text(TextId::FilterSelectBandPass), 15, 52, 85, 10},
        {K::Radio, 104, Text(TextId::FilterSelectBandEliminate), 15, 67, 85, 10},
        {K::GroupBox, IDC_STATIC, Text(TextId::FilterSelectApproximationGroup), 111, 7, 97, 108},
        {K::Radio, 111, Text(TextId::FilterSelectButterworth), 119, 22, 85, 10, true},
        {K::Radio, 112, Text(TextId::FilterSelectChebyshev), 119, 37, 85, 10},
        {K::Radio, 113, Text(TextId::FilterSelectInverseChebyshev), 119, 52, 85, 10},
        {K::Radio, 114, Text(TextId::FilterSelectElliptic), 119, 67, 85, 10},
        {K::Radio, 116, Text(TextId::FilterSelectBessel), 119, 82, 85, 10},
        {K::Radio, 117, Text(TextId::FilterSelectLegendre), 119, 97, 85, 10},
        {K::CheckBox, 115, Text(TextId::FilterSelectByOrder), 15, 123, 190, 10, true},
        {K::GroupBox, IDC_STATIC, Text(TextId::FilterSelectReferenceGroup), 7, 140, 201, 30},
        {K::Radio, 2403, Text(TextId::FilterSelectReferenceMode0), 15, 153, 85, 10, true},
        {K::Radio, 2404, Text(TextId::FilterSelectReferenceMode1), 119, 153, 85, 10},
        {K::Button, IDOK, "OK", 40, 180, 50, 14, true, true},
        {K::Button, IDCANCEL, Text(TextId::ButtonCancel), 125, 180, 50, 14, true},
    };
    return r;
}

std::string ApproximationRadioText(int id) {
    for (const ControlSpec& control : FilterSelectResource().controls)
        if (control.kind == ControlKind::Radio && control.id == id) return control.text;
    return {};
}

FilterSelectDialog::FilterSelectDialog() : Dialog(FilterSelectResource()) {}

void FilterSelectDialog::DoDataExchange(DataExchange& dx) {
    dx.Radio(kApproximationRadioFirst, approximationIndex);
    dx.Check(kByOrderCheck, byOrder);
    dx.Radio(kKindRadioFirst, kindIndex);
    dx.Radio(kReferenceRadioFirst, referenceIndex);
}

}  // namespace vorna
