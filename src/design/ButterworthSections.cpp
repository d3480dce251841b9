// Butterworth low-pass and high-pass sections: poles evenly spaced on the circle of radius
// ωc, one real pole for odd orders.

#include "app/CKorvelDoc.h"
#include "design/ButterworthPoles.h"
#include "design/DesignResults.h"
#include "design/SectionComputations.h"

namespace vorna {

namespace {

// Fills Pn_0 and Pn_1 of every section; the numerators are the caller's.
void ButterworthDenominators(DesignResults& results) {
    const int m = results.resultOrder;
    const double wc = results.omegaC;
    for (int i = 0; i <= results.sectionLast; ++i) {
        const double q = ButterworthPairQ(i, m);
        Section& section = results.sections[static_cast<std::size_t>(i)];
        section[0] = wc / q;
        section[1] = wc * wc;
    }
}

}  // namespace

void ButterworthLowPassSections(CKorvelDoc&, DesignResults& results) {
    const double wc = results.omegaC;
    if (results.resultOddOrder != 0) {
        results.p0 = wc;
        results.p2 = wc;
    }
    ButterworthDenominators(results);
    for (int i = 0; i <= results.sectionLast; ++i)
        results.sections[static_cast<std::size_t>(i)][4] = wc * wc;
}

void ButterworthHighPassSections(CKorvelDoc&, DesignResults& results) {
    results.p1 = 1;
    if (results.resultOddOrder != 0) results.p0 = results.omegaC;
    ButterworthDenominators(results);
    for (int i = 0; i <= results.sectionLast; ++i)
        results.sections[static_cast<std::size_t>(i)][2] = 1;
}

}  // namespace vorna
