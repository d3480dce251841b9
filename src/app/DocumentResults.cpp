#include "app/DocumentResults.h"

#include "app/DesignDocument.h"

namespace vorna {

void RecomputeResults(DesignResults& results, DesignDocument& doc) {
    if (!FilterKindOf(doc.kind) || !ApproximationOf(doc.approximation)) return;
    DesignFigures figures = doc.Figures();
    ComputeDesignResults(doc.Spec(), figures, results);
    doc.StoreFigures(figures);
}

}  // namespace vorna
