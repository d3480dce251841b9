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
        138,
        90,
        {
            {ControlKind::Radio, kResponseGraphRadioId, Text(TextId::GraphResponse), 10, 8, 120, 12,
             true},
            {ControlKind::Radio, kPoleZeroRadioId, Text(TextId::GraphPoleZero), 10, 22, 120, 12},
            {ControlKind::Static, IDC_STATIC, Text(TextId::GraphPoints), 10, 44, 56, 10},
            {ControlKind::Edit, kGraphPointsId, "", 68, 42, 40, 12, true},
            {ControlKind::Static, IDC_STATIC, Text(TextId::GraphPointsUnit), 112, 44, 12, 10},
            {ControlKind::Button, IDOK, "OK", 14, 68, 50, 14, true, true},
            {ControlKind::Button, IDCANCEL, Text(TextId::ButtonCancel), 74, 68, 50, 14, true},
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
