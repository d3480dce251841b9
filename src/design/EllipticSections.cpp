// The elliptic approximation: equiripple pass band and stop band. Every section computation
// runs the elliptic core on the prototype normalised to 1 rad/s and transforms it; the
// band-pass and band-eliminate ones let the core see the band ratio (xsAlt) as its stop-band
// ratio for the time of the run.

#include <utility>

#include "app/CKorvelDoc.h"
#include "design/DesignResults.h"
#include "design/EllipticCore.h"
#include "design/FrequencyTransformation.h"
#include "design/SectionComputations.h"

namespace vorna {

namespace {

// The core's prototype with the document's xs and xsAlt exchanged while it runs.
LowPassPrototype BandEllipticPrototype(CKorvelDoc& doc) {
    struct XsExchange {
        CKorvelDoc& doc;
        explicit XsExchange(CKorvelDoc& d) : doc(d) { std::swap(doc.xs, doc.xsAlt); }
        ~XsExchange() { std::swap(doc.xs, doc.xsAlt); }
    } exchange(doc);
    return EllipticPrototype(doc).prototype;
}

}  // namespace

void EllipticLowPassSections(CKorvelDoc& doc, DesignResults& results) {
    LowPassFromPrototype(EllipticPrototype(doc).prototype, results);
}

void EllipticHighPassSections(CKorvelDoc& doc, DesignResults& results) {
    HighPassFromPrototype(EllipticPrototype(doc).prototype, results);
}

void EllipticBandPassSections(CKorvelDoc& doc, DesignResults& results) {
    BandPassFromPrototype(BandEllipticPrototype(doc), results);
}

void EllipticBandEliminateSections(CKorvelDoc& doc, DesignResults& results) {
    BandEliminateFromPrototype(BandEllipticPrototype(doc), results);
}

}  // namespace vorna
