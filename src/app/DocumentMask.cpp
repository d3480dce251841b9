#include "app/DocumentMask.h"

#include "app/CKorvelDoc.h"

namespace vorna {

analysis::MaskEdges MaskEdgesOf(const CKorvelDoc& doc) {
    return {doc.kind, doc.fp,   doc.fs,
            doc.fp1,  doc.fp2,  doc.fs1,
            doc.fs2,  doc.attp, doc.byOrder != 0 ? doc.attsAchieved : doc.atts};
}

}  // namespace vorna
