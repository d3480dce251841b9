#include "app/DocumentShown.h"

#include "app/DesignDocument.h"

namespace vorna {

ShownDesign ShownDesignOf(const DesignDocument& doc) {
    return {
        doc.kind, doc.approximation, doc.referenceMode, doc.fp,   doc.figures.fs,          doc.fp1,
        doc.fp2,  doc.figures.fs1,   doc.figures.fs2,   doc.attp, doc.figures.attsAchieved};
}

}  // namespace vorna
