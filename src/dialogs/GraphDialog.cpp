#include "dialogs/GraphDialog.h"

#include "dialogs/DataExchange.h"

namespace vorna {

namespace {

// Built afresh for every dialog, in the language of the moment.
DialogResource GraphResource() {
    return DialogResource{
        kGraphDialogId,
        Text(TextId::GraphTitle),
        Text(TextId::DefaultFontFace),
        11,
        ForLanguage(138, 170),
        90,
        {
            {ControlKind::Radio, kResponseGraphRadioId, Text(TextId::GraphResponse), 10, 8, 120, 12,
             true},
            {ControlKind::Radio, kPoleZeroRadioId, Text(TextId::GraphPoleZero), 10, 22, 120, 12},
            {ControlKind::Static, IDC_STATIC, Text(TextId::GraphPoints), 10, 44,
             ForLanguage(56, 80), 10},
            {ControlKind::Edit, kGraphPointsId, "", ForLanguage(68, 92), 42, 40, 12, true},
            {ControlKind::Static, IDC_STATIC, Text(TextId::GraphPointsUnit), ForLanguage(112, 136),
             44, ForLanguage(12, 28), 10},
            {ControlKind::Button, IDOK, "OK", ForLanguage(14, 30), 68, 50, 14, true, true},
            {ControlKind::Button, IDCANCEL, Text(TextId::ButtonCancel), ForLanguage(74, 90), 68, 50,
             14, true},
        },
    };
}

}  // namespace

GraphDialog::GraphDialog() : Dialog(GraphResource()) {}

void GraphDialog::DoDataExchange(DataExchange& dx) {
    dx.Radio(kResponseGraphRadioId, graphIndex);
    dx.Text(kGraphPointsId, graphPoints);
    dx.Range(graphPoints, kMinGraphPoints, kMaxGraphPoints);
}

}  // namespace vorna
