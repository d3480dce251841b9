#include "design/DesignFixture.h"

#include <cmath>
#include <complex>

#include "platform/CLocale.h"

namespace vorna::testing {

namespace {

constexpr const char* kKindNames[] = {"LP", "HP", "BP", "BE"};
constexpr const char* kApproximationNames[] = {"Butterworth", "Chebyshev", "InvCheb", "Elliptic"};

double ChebyshevStopband(double epsP2, double order, double omegaS) {
    const double t = std::sqrt(epsP2) * std::cosh(order * std::acosh(omegaS));
    return 10 * std::log10(t * t + 1);
}

}  // namespace

std::string Describe(const DesignCase& d) {
    return Format("%s %s m=%d attp=%g xs=%g fp=%g fp1=%g fp2=%g", kKindNames[d.kind - kLowPass],
                  kApproximationNames[d.approximation - kButterworth], d.order, d.attp, d.xs, d.fp,
                  d.fp1, d.fp2);
}

CKorvelDoc MakeDocument(const DesignCase& d) {
    CKorvelDoc doc;
    doc.kind = d.kind;
    doc.approximation = d.approximation;
    doc.byOrder = 1;
    doc.order = d.order;
    doc.orderExact = d.order;
    doc.oddOrder = d.order % 2;
    doc.lastSection = static_cast<int>(std::ceil((d.order - 1) / 2.0)) - 1;
    doc.xs = d.xs;
    doc.attp = d.approximation == kButterworth ? 3.0102999566398116 : d.attp;
    doc.epsP2 = std::pow(10, doc.attp / 10) - 1;
    doc.epsS2 = std::pow(10, doc.atts / 10) - 1;
    doc.fp = d.fp;
    doc.fp1 = d.fp1;
    doc.fp2 = d.fp2;
    const bool lowOrHigh = d.kind == kLowPass || d.kind == kHighPass;
    double ratio = d.xs;
    if (lowOrHigh) {
        doc.fc = d.fp;
        doc.fs = d.kind == kLowPass ? d.fp * d.xs : d.fp / d.xs;
    } else {
        if (d.kind == kBandPass) {
            doc.fs1 = d.fp1 / d.xs;
            doc.fs2 = d.fp2 * d.xs;
            ratio = (doc.fs2 - doc.fs1) / (d.fp2 - d.fp1);
        } else {
            doc.fs1 = d.fp1 * d.xs;
            doc.fs2 = d.fp2 / d.xs;
            ratio = (d.fp2 - d.fp1) / (doc.fs2 - doc.fs1);
        }
        doc.fc = std::sqrt(d.fp1 * d.fp2);
        doc.bandwidth = kTwoPi * (d.fp2 - d.fp1);
    }
    switch (d.approximation) {
        case kButterworth:
            doc.attsAchieved = 10 * std::log10(std::pow(ratio, 2.0 * d.order) + 1);
            break;
        case kChebyshev:
            doc.attsAchieved = ChebyshevStopband(doc.epsP2, d.order, ratio);
            break;
        case kInverseChebyshev:
            doc.attsAchieved = ChebyshevStopband(doc.epsP2, d.order, ratio);
            doc.epsS2 = std::pow(10, doc.attsAchieved / 10) - 1;
            if (lowOrHigh) {
                doc.fc = doc.fs;
            } else {
                doc.bandwidth = kTwoPi * (doc.fs2 - doc.fs1);
            }
            break;
        case kElliptic:
            if (!lowOrHigh) doc.xsAlt = ratio;
            doc.attsAchieved = doc.EllipticAttenuation(ratio);
            break;
        default:
            break;
    }
    return doc;
}

Design MakeDesign(const DesignCase& design) {
    Design result{MakeDocument(design), {}};
    result.results.RecomputeResults(result.doc);
    return result;
}

double GainDb(const CKorvelDoc& doc, const DesignResults& results, double hz) {
    const std::complex<double> s(0, kTwoPi * hz);
    double db = 0;
    // Band filters carry the transformed real pole in section 0 instead.
    if (results.resultOddOrder != 0 && (doc.kind == kLowPass || doc.kind == kHighPass)) {
        db += 20 * std::log10(std::abs((results.p1 * s + results.p2) / (s + results.p0)));
    }
    for (int i = 0; i <= results.sectionLast; ++i) {
        const Section& n = results.sections[i];
        db += 20 * std::log10(std::abs((n.num2 * s * s + n.num1 * s + n.num0) /
                                       (s * s + n.den1 * s + n.den0)));
    }
    return db;
}

}  // namespace vorna::testing
