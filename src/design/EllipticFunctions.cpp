#include "design/EllipticFunctions.h"

#include <cmath>

#include "app/CKorvelDoc.h"
#include "design/DesignResults.h"
#include "design/OrderLimits.h"

namespace vorna {

namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr int kLandenSteps = 50;
constexpr int kNomeTerms = 50;
// Above this start order, or above this required attenuation, the search starts at 58.
constexpr int kSearchFullRangeAbove = 45;
constexpr double kSearchFullRangeAtts = 300;

}  // namespace

double EllipticK(CKorvelDoc& doc, double k) {
    auto& theta = doc.landenAngles;
    auto& phi = doc.landenAmplitudes;
    theta[0] = std::atan2(k, std::sqrt(1 - k * k));
    phi[0] = kHalfPi;
    int i = 0;
    for (; i < kLandenSteps; ++i) {
        const double g = 2 / (std::sin(theta[i]) + 1) - 1;
        theta[i + 1] = std::atan2(std::sqrt(1 - g * g), g);
        const double p = std::sin(phi[i]) * std::sin(theta[i]);
        phi[i + 1] = (std::atan2(p, std::sqrt(1 - p * p)) + phi[i]) / 2;
        if (1 - 2 * theta[i + 1] / kPi < doc.tolerance) break;
    }
    double product = 1;
    for (int j = 1; j <= i; ++j) product *= 1 + std::cos(theta[j]);
    // ln(tan(phi/2 + pi/4)) written as asinh(tan(phi)): the same function, but exact for
    // the tiny amplitudes of small moduli, where 1 + tan would round away the result.
    return std::asinh(std::tan(phi[i])) * product;
}

double EllipticSn(const CKorvelDoc& doc, double u, double k) {
    const double q = std::exp(-kPi * doc.ellKc / doc.ellK);
    const double v = u * kHalfPi / doc.ellK;
    double sum = 0;
    for (int n = 0; n < kNomeTerms; ++n) {
        const double t = std::pow(q, n + 0.5);
        sum += std::sin((2 * n + 1) * v) * t / (1 - t * t);
        if (t < doc.tolerance) break;
    }
    return sum * kTwoPi / (k * doc.ellK);
}

double ComplementaryModulus(double inverseModulus) {
    // sqrt(1 - k^2) with k = 1/x, written so that x just above 1 keeps its digits.
    return std::sqrt((inverseModulus - 1) * (inverseModulus + 1)) / inverseModulus;
}

double EllipticAttenuation(CKorvelDoc& doc) {
    const int m = doc.order;
    const double k = 1 / doc.xs;
    doc.ellModulus = k;
    doc.ellComplement = ComplementaryModulus(doc.xs);
    doc.ellK = EllipticK(doc, k);
    doc.ellKc = EllipticK(doc, doc.ellComplement);
    double product = 1;
    for (int i = 0; i < m / 2; ++i) {
        const double sn = EllipticSn(doc, (2 * i + 1) * doc.ellK / m, k);
        product *= sn * sn * sn * sn;
    }
    doc.ellSelectivity = 1 / (std::pow(k, m) * product);
    return 10 * std::log10(1 + doc.epsP2 * doc.ellSelectivity * doc.ellSelectivity);
}

void EllipticOrder(CKorvelDoc& doc) {
    doc.ellSelectivity = std::sqrt(doc.epsS2 / doc.epsP2);
    const double k1 = 1 / doc.ellSelectivity;
    const double k1c = ComplementaryModulus(doc.ellSelectivity);
    const double k = 1 / doc.xs;
    doc.ellModulus = k;
    doc.ellComplement = ComplementaryModulus(doc.xs);
    doc.ellK = EllipticK(doc, k);
    doc.ellKc = EllipticK(doc, doc.ellComplement);
    doc.orderExact = (doc.ellK * EllipticK(doc, k1c)) / (doc.ellKc * EllipticK(doc, k1));
    doc.order = OrderFromExact(doc.orderExact);
    doc.orderExact = doc.order;
}

void SearchEllipticOrder(CKorvelDoc& doc, int start, double required) {
    int lo = kMinOrder;
    int hi = start;
    if (hi > kSearchFullRangeAbove || required > kSearchFullRangeAtts) hi = kMaxOrder;
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        doc.order = mid;
        if (EllipticAttenuation(doc) >= required) {
            hi = (lo + hi + 1) / 2;
        } else {
            lo = mid;
        }
    }
    doc.order = hi;
    doc.orderExact = hi;
    doc.attsAchieved = EllipticAttenuation(doc);
}

}  // namespace vorna
