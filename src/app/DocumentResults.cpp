#include "app/DocumentResults.h"

#include "app/DesignDocument.h"

namespace vorna {

void RecomputeResults(DesignResults& results, DesignDocument& doc) {
    if (!FilterKindOf(doc.kind) || !ApproximationOf(doc.approximation)) return;
    ComputeDesignResults(doc.Spec(), doc.figures, results);
}

}  // namespace vorna
