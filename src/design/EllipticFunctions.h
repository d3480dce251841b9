#pragma once
// Elliptic functions of the order determination and of the elliptic approximation, and the
// elliptic order of a specification. They work on the document's Landen work arrays and
// elliptic scalars (ellModulus, ellComplement, ellK, ellKc, ellSelectivity).

namespace vorna {

class CKorvelDoc;

// Complete elliptic integral of the first kind K(k) by the ascending Landen transformation.
// Leaves the modular angles and amplitudes of the sequence in the document's work arrays.
double EllipticK(CKorvelDoc& doc, double k);

// Jacobi elliptic sine sn(u, k) by its nome series; needs the document's ellK = K(k) and
// ellKc = K(k') of the same modulus.
double EllipticSn(const CKorvelDoc& doc, double u, double k);

// The complementary modulus sqrt(1 - k^2) of k = 1/inverseModulus (inverseModulus >= 1).
double ComplementaryModulus(double inverseModulus);

// Stop-band attenuation (dB) that an elliptic filter of the document's order reaches at the
// document's xs; sets ellModulus, ellComplement, ellK, ellKc and ellSelectivity.
double EllipticAttenuation(CKorvelDoc& doc);

// Closed-form elliptic order of the document's epsP2, epsS2 and xs: sets orderExact and
// order (ceiling; a result that is not finite counts as an order above the limit).
void EllipticOrder(CKorvelDoc& doc);

// Smallest elliptic order reaching `required` dB, by bisection between 2 and `start`
// (58 when start is above 45 or more than 300 dB are required). Sets order, orderExact
// and attsAchieved for the order found.
void SearchEllipticOrder(CKorvelDoc& doc, int start, double required);

}  // namespace vorna
