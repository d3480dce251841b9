// Section computations not written yet: they leave the reset results as they are.
#include "design/SectionComputations.h"

namespace vorna {

void ChebyshevLowPassSections(CKorvelDoc&, DesignResults&) {}
void InverseChebyshevLowPassSections(CKorvelDoc&, DesignResults&) {}
void EllipticLowPassSections(CKorvelDoc&, DesignResults&) {}
void ChebyshevHighPassSections(CKorvelDoc&, DesignResults&) {}
void InverseChebyshevHighPassSections(CKorvelDoc&, DesignResults&) {}
void EllipticHighPassSections(CKorvelDoc&, DesignResults&) {}
void ButterworthBandPassSections(CKorvelDoc&, DesignResults&) {}
void ChebyshevBandPassSections(CKorvelDoc&, DesignResults&) {}
void InverseChebyshevBandPassSections(CKorvelDoc&, DesignResults&) {}
void EllipticBandPassSections(CKorvelDoc&, DesignResults&) {}
void ButterworthBandEliminateSections(CKorvelDoc&, DesignResults&) {}
void ChebyshevBandEliminateSections(CKorvelDoc&, DesignResults&) {}
void InverseChebyshevBandEliminateSections(CKorvelDoc&, DesignResults&) {}
void EllipticBandEliminateSections(CKorvelDoc&, DesignResults&) {}

}  // namespace vorna
