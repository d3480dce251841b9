// Commands 600 (filter selection, then the design) and 640 (the design of the current
// selection again). While their dialogs are open the view draws nothing.

#include "app/DesignDocument.h"
#include "app/DocumentResults.h"
#include "design/Approximations.h"
#include "dialogs/FilterSelectDialog.h"
#include "view/BlankView.h"
#include "view/DesignView.h"

namespace vorna {

void DesignView::OnFilterSelect(Ui& ui) {
    DesignDocument& doc = GetDocument();
    FilterSelectDialog dialog;
    const BlankView blank(*this, BlankView::OnExit::RestoreAndRepaint);
    dialog.kindIndex = doc.kind - kLowPass;
    dialog.approximationIndex = ApproximationIndexOf(doc.approximation);
    dialog.byOrder = doc.byOrder;
    dialog.referenceIndex = doc.referenceMode;
    if (dialog.DoModal(ui) == IDOK) {
        doc.kind = dialog.kindIndex + kLowPass;
        doc.approximation = ApproximationIdAt(dialog.approximationIndex);
        doc.byOrder = dialog.byOrder;
        doc.referenceMode = dialog.referenceIndex;
        // With firstEntry set a cancelled parameter dialog still designs from the
        // document's values, so the results are always recomputed.
        doc.firstEntry = true;
        doc.RunDesign(ui);
        doc.firstEntry = false;
        RecomputeResults(*this, doc);
    }
}

void DesignView::OnParameterInput(Ui& ui) {
    DesignDocument& doc = GetDocument();
    const BlankView blank(*this, BlankView::OnExit::RestoreAndRepaint);
    if (doc.RunDesign(ui) == DesignRun::Designed) RecomputeResults(*this, doc);
}

}  // namespace vorna
