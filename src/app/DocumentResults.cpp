// The design results of a document: its sections from the design pipeline and the graph
// ranges of its kind.

#include "app/CKorvelDoc.h"
#include "design/DesignResults.h"
#include "design/SectionPipeline.h"

namespace vorna {

void DesignResults::RecomputeResults(CKorvelDoc& doc) {
    ResetResults(doc);
    ComputeSections(doc);
    switch (doc.kind) {
        case kLowPass:
            ComputeGraphRanges(doc, doc.fp, doc.fs);
            break;
        case kHighPass:
            ComputeGraphRanges(doc, doc.fs, doc.fp);
            break;
        case kBandPass:
            ComputeGraphRanges(doc, doc.fs1, doc.fs2);
            break;
        case kBandEliminate:
            ComputeGraphRanges(doc, doc.fp1, doc.fp2);
            break;
        default:
            break;
    }
}

void DesignResults::ResetResults(const CKorvelDoc& doc) {
    p0 = 0;
    p1 = 0;
    p2 = 0;
    sections.fill(Section{});
    resultOddOrder = doc.oddOrder;
    resultOrder = doc.order;
    sectionLast = doc.lastSection;
    bandwidth = doc.bandwidth;
    fc = doc.fc;
    halfOrder = resultOrder / 2;
    evenOrder = 2 * halfOrder;
    omegaC = kTwoPi * fc;
    invTwoPi = 1 / kTwoPi;
    convertedToDigital = 0;
    approximatedByCircuit = 0;
    noDesignYet = 0;
}

void DesignResults::ComputeSections(CKorvelDoc& doc) {
    const std::optional<FilterKind> kind = FilterKindOf(doc.kind);
    const std::optional<Approximation> approximation = ApproximationOf(doc.approximation);
    if (!kind || !approximation) return;
    const SectionRequest request{*kind,
                                 *approximation,
                                 doc.order,
                                 doc.attp,
                                 doc.epsP2,
                                 doc.epsS2,
                                 IsBand(*kind) ? doc.xsAlt : doc.xs};
    const SectionOutcome outcome = vorna::ComputeSections(request, *this);
    if (outcome.modulus) {
        doc.KeepElliptic(*outcome.modulus, outcome.reached.selectivity);
        doc.attsAchieved = outcome.reached.atts;
    }
}

void DesignResults::ComputeGraphRanges(const CKorvelDoc& doc, double low, double high) {
    ComputeGraphRanges(doc.attsAchieved, low, high);
}

}  // namespace vorna
