// Band-pass and band-eliminate sections of the Butterworth approximation: its prototype,
// normalised to the -3 dB frequency, has every pole on the unit circle.

#include "app/CKorvelDoc.h"
#include "design/ButterworthPoles.h"
#include "design/DesignResults.h"
#include "design/FrequencyTransformation.h"
#include "design/LowPassPrototype.h"
#include "design/OrderLimits.h"
#include "design/SectionComputations.h"

namespace vorna {

namespace {

LowPassPrototype ButterworthPrototype(const DesignResults& results) {
    LowPassPrototype prototype;
    const int m = results.resultOrder;
    if (m < kMinOrder || m > kMaxOrder) return prototype;
    prototype.odd = m % 2 != 0;
    prototype.sigma = 1;
    for (int i = 0; i < m / 2; ++i) prototype.pairs.push_back({1, ButterworthPairQ(i, m)});
    return prototype;
}

}  // namespace

void ButterworthBandPassSections(CKorvelDoc&, DesignResults& results) {
    BandPassFromPrototype(ButterworthPrototype(results), results);
}

void ButterworthBandEliminateSections(CKorvelDoc&, DesignResults& results) {
    BandEliminateFromPrototype(ButterworthPrototype(results), results);
}

}  // namespace vorna
