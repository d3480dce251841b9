#include "app/DocumentShown.h"

#include "app/DesignDocument.h"

namespace vorna {

ShownDesign ShownDesignOf(const DesignDocument& doc) {
    return {doc.kind, doc.approximation, doc.referenceMode, doc.fp,   doc.fs,          doc.fp1,
            doc.fp2,  doc.fs1,           doc.fs2,           doc.attp, doc.attsAchieved};
}

}  // namespace vorna
