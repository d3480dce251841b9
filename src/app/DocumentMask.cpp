#include "app/DocumentMask.h"

#include "app/DesignDocument.h"

namespace vorna {

analysis::MaskEdges MaskEdgesOf(const DesignDocument& doc) {
    const bool rippleAboveUnity = doc.approximation == kChebyshev && doc.figures.order % 2 == 0;
    analysis::MaskEdges edges{
        doc.kind,        doc.fp,   doc.figures.fs,
        doc.fp1,         doc.fp2,  doc.figures.fs1,
        doc.figures.fs2, doc.attp, doc.byOrder ? doc.figures.attsAchieved : doc.atts};
    edges.referenceDb = rippleAboveUnity ? doc.attp : 0;
    return edges;
}

}  // namespace vorna
