#pragma once
// The sixteen section computations, one per filter kind and approximation, chosen by
// ComputeSections at index (kind - 101) * 4 + (approximation - 111). Each fills the
// first-order part and the second-order sections of `results` (already reset) from the
// document; per-section working values stay local to the computation.

#include <array>

namespace vorna {

class CKorvelDoc;
class DesignResults;

using SectionComputation = void (*)(CKorvelDoc& doc, DesignResults& results);

void ButterworthLowPassSections(CKorvelDoc& doc, DesignResults& results);
void ChebyshevLowPassSections(CKorvelDoc& doc, DesignResults& results);
void InverseChebyshevLowPassSections(CKorvelDoc& doc, DesignResults& results);
void EllipticLowPassSections(CKorvelDoc& doc, DesignResults& results);
void ButterworthHighPassSections(CKorvelDoc& doc, DesignResults& results);
void ChebyshevHighPassSections(CKorvelDoc& doc, DesignResults& results);
void InverseChebyshevHighPassSections(CKorvelDoc& doc, DesignResults& results);
void EllipticHighPassSections(CKorvelDoc& doc, DesignResults& results);
void ButterworthBandPassSections(CKorvelDoc& doc, DesignResults& results);
void ChebyshevBandPassSections(CKorvelDoc& doc, DesignResults& results);
void InverseChebyshevBandPassSections(CKorvelDoc& doc, DesignResults& results);
void EllipticBandPassSections(CKorvelDoc& doc, DesignResults& results);
void ButterworthBandEliminateSections(CKorvelDoc& doc, DesignResults& results);
void ChebyshevBandEliminateSections(CKorvelDoc& doc, DesignResults& results);
void InverseChebyshevBandEliminateSections(CKorvelDoc& doc, DesignResults& results);
void EllipticBandEliminateSections(CKorvelDoc& doc, DesignResults& results);

inline constexpr std::array<SectionComputation, 16> kSectionComputations{
    ButterworthLowPassSections,
    ChebyshevLowPassSections,
    InverseChebyshevLowPassSections,
    EllipticLowPassSections,
    ButterworthHighPassSections,
    ChebyshevHighPassSections,
    InverseChebyshevHighPassSections,
    EllipticHighPassSections,
    ButterworthBandPassSections,
    ChebyshevBandPassSections,
    InverseChebyshevBandPassSections,
    EllipticBandPassSections,
    ButterworthBandEliminateSections,
    ChebyshevBandEliminateSections,
    InverseChebyshevBandEliminateSections,
    EllipticBandEliminateSections,
};

}  // namespace vorna
