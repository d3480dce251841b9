// Section computations not written yet: they leave the reset results as they are.
#include "design/SectionComputations.h"

namespace vorna {

void EllipticLowPassSections(CKorvelDoc&, DesignResults&) {}
void EllipticHighPassSections(CKorvelDoc&, DesignResults&) {}
void EllipticBandPassSections(CKorvelDoc&, DesignResults&) {}
void EllipticBandEliminateSections(CKorvelDoc&, DesignResults&) {}

}  // namespace vorna
