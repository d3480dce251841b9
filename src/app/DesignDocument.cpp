#include "app/DesignDocument.h"

#include <cmath>

#include "dialogs/ParameterDialogTable.h"

namespace vorna {

DesignDocument::DesignDocument() = default;

DesignRun DesignDocument::RunDesign(Ui& ui) {
    const std::optional<FilterKind> filterKind = FilterKindOf(kind);
    const std::optional<Approximation> filterApproximation = ApproximationOf(approximation);
    DesignRun result = DesignRun::Cancelled;
    if (filterKind && filterApproximation) {
        result =
            RunDesignProcedure(ui, DesignProcedureFor(*filterKind, *filterApproximation, byOrder));
    }
    TakeOver(Spec(), EntriesKept::None, figures);
    return result;
}

}  // namespace vorna
