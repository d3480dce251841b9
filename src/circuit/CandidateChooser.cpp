#include "circuit/CandidateChooser.h"

#include "dialogs/UnitEntry.h"
#include "platform/Ui.h"

namespace vorna {

CandidateAnswer DialogChooser::Choose(const ComponentDialogRequest& candidate) {
    ComponentValueDialog dialog(candidate);
    ui_.RunModal(dialog);
    CandidateAnswer answer;
    if (dialog.action >= 1 && dialog.action <= 6)
        answer.action = static_cast<CandidateAction>(dialog.action);
    if (answer.action == CandidateAction::TypedA || answer.action == CandidateAction::TypedB)
        ApplyEngUnit(ui_, answer.typed, dialog.TypedMantissa(), dialog.TypedUnit());
    answer.seriesCode = dialog.seriesCode;
    return answer;
}

}  // namespace vorna
