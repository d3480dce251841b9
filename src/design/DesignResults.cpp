#include "design/DesignResults.h"

#include <cmath>

#include "app/CKorvelDoc.h"
#include "design/SectionComputations.h"

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
    for (auto& section : sections) section.fill(0);
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
    const int index = (doc.kind - kLowPass) * 4 + (doc.approximation - kButterworth);
    if (doc.kind < kLowPass || doc.kind > kBandEliminate || doc.approximation < kButterworth ||
        doc.approximation > kElliptic) {
        return;
    }
    kSectionComputations[static_cast<std::size_t>(index)](doc, *this);
}

void DesignResults::ComputeGraphRanges(const CKorvelDoc& doc, double low, double high) {
    graphFreqMin = std::pow(10, std::floor(std::log10(low / 1.5)));
    double whole = 0;
    double fraction = std::modf(std::log10(3 * high), &whole);
    if (fraction < 0) {
        whole -= 1;
        fraction += 1;
    }
    graphFreqMax = std::ceil(std::pow(10, fraction)) * std::pow(10, whole);
    graphAttMax = std::ceil(doc.attsAchieved / 10) * 10 + 20;
}

}  // namespace vorna
