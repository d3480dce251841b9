#include "dialogs/GroupDelayDialog.h"

#include "dialogs/DataExchange.h"

namespace vorna {

namespace {

// Built afresh for every dialog, in the language of the moment.
DialogResource GroupDelayResource() {
    return DialogResource{
        kGroupDelayDialogId,
        Text(TextId::GroupDelayTitle),
        Text(TextId::DefaultFontFace),
        8,
        220,
        92,
        {
            {ControlKind::Static, IDC_STATIC, Text(TextId::GroupDelayAtDc), 8, 10, 120, 10},
            {ControlKind::Edit, kGroupDelayEdit, "", 130, 8, 56, 12, true},
            {ControlKind::Static, IDC_STATIC, "s", 190, 10, 20, 10},
            {ControlKind::Static, IDC_STATIC, Text(TextId::GroupDelayUpTo), 8, 30, 120, 10},
            {ControlKind::Edit, kDelayToEdit, "", 130, 28, 56, 12, true},
            {ControlKind::Static, IDC_STATIC, "Hz", 190, 30, 20, 10},
            {ControlKind::Static, IDC_STATIC, Text(TextId::GroupDelayTolerance), 8, 50, 120, 10},
            {ControlKind::Edit, kDelayToleranceEdit, "", 130, 48, 56, 12, true},
            {ControlKind::Static, IDC_STATIC, "%", 190, 50, 20, 10},
            {ControlKind::Button, IDOK, "OK", 50, 70, 50, 14, true, true},
            {ControlKind::Button, IDCANCEL, Text(TextId::ButtonCancel), 120, 70, 50, 14, true},
        },
    };
}

}  // namespace

GroupDelayDialog::GroupDelayDialog() : Dialog(GroupDelayResource()) {}

void GroupDelayDialog::DoDataExchange(DataExchange& dx) {
    dx.Text(kGroupDelayEdit, delay);
    dx.Text(kDelayToEdit, hz);
    dx.Text(kDelayToleranceEdit, percent);
}

}  // namespace vorna
