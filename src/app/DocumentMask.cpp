#include "app/DocumentMask.h"

#include "app/DesignDocument.h"

namespace vorna {

analysis::MaskEdges MaskEdgesOf(const DesignDocument& doc) {
    const bool rippleAboveUnity = doc.approximation == kChebyshev && doc.order % 2 == 0;
    analysis::MaskEdges edges{doc.kind, doc.fp,   doc.fs,
                              doc.fp1,  doc.fp2,  doc.fs1,
                              doc.fs2,  doc.attp, doc.byOrder != 0 ? doc.attsAchieved : doc.atts};
    edges.referenceDb = rippleAboveUnity ? doc.attp : 0;
    return edges;
}

}  // namespace vorna
