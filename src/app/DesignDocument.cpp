#include "app/DesignDocument.h"

#include <cmath>

#include "dialogs/ParameterDialogTable.h"

namespace vorna {

DesignDocument::DesignDocument() = default;

int DesignDocument::RunDesign(Ui& ui) {
    const std::optional<FilterKind> filterKind = FilterKindOf(kind);
    const std::optional<Approximation> filterApproximation = ApproximationOf(approximation);
    int result = 1;
    if (filterKind && filterApproximation) {
        result = RunDesignProcedure(
            ui, DesignProcedureFor(*filterKind, *filterApproximation, byOrder != 0));
    }
    TakeOver(Spec(), EntriesKept::None, Figures());
    return result;
}

}  // namespace vorna
