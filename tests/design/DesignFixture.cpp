#include "design/DesignFixture.h"

#include <cmath>
#include <complex>
#include <stdexcept>

#include "app/DocumentResults.h"
#include "design/Approximations.h"
#include "platform/CLocale.h"

namespace vorna::testing {

namespace {

constexpr const char* kKindNames[] = {"LP", "HP", "BP", "BE"};

}  // namespace

const char* ApproximationLabel(int approximation) {
    switch (static_cast<Approximation>(approximation)) {
        case Approximation::Butterworth:
            return "Butterworth";
        case Approximation::Chebyshev:
            return "Chebyshev";
        case Approximation::InverseChebyshev:
            return "InvCheb";
        case Approximation::Elliptic:
            return "Elliptic";
        case Approximation::Bessel:
            return "Bessel";
        case Approximation::Legendre:
            return "Legendre";
    }
    return "?";
}

std::string Describe(const DesignCase& d) {
    const std::string norm = d.approximation == static_cast<int>(Approximation::Bessel)
                                 ? "-" + std::string(BesselNormName(d.besselNorm))
                                 : "";
    return Format("%s %s%s m=%d attp=%g xs=%g fp=%g fp1=%g fp2=%g", kKindNames[d.kind - kLowPass],
                  ApproximationLabel(d.approximation), norm.c_str(), d.order, d.attp, d.xs, d.fp,
                  d.fp1, d.fp2);
}

DesignDocument MakeDocument(const DesignCase& d) {
    DesignDocument doc;
    doc.kind = d.kind;
    doc.approximation = d.approximation;
    doc.byOrder = true;
    doc.figures.order = d.order;
    doc.xs = d.xs;
    const bool threeDecibels =
        ApproximationRowOf(static_cast<Approximation>(d.approximation)).passband ==
        PassbandEntry::ThreeDecibels;
    doc.attp = threeDecibels ? kThreeDecibels : d.attp;
    doc.besselNorm = d.besselNorm;
    doc.fp = d.fp;
    doc.fp1 = d.fp1;
    doc.fp2 = d.fp2;
    const DesignOutcome outcome = DesignFilter(doc.Spec(), doc.figures);
    if (outcome.Refused()) throw std::invalid_argument("refused design: " + Describe(d));
    doc.TakeOver(doc.Spec(), EntriesKept::All, outcome.Designed().figures);
    return doc;
}

Design MakeDesign(const DesignCase& design) {
    Design result{MakeDocument(design), {}};
    RecomputeResults(result.results, result.doc);
    return result;
}

double GainDb(const DesignDocument& doc, const DesignResults& results, double hz) {
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
