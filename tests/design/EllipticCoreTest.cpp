// The elliptic core: the factorisation of the characteristic polynomial where it is sound,
// the poles from the Jacobi functions where it is not, and the gain constant.

#include <gtest/gtest.h>

#include <cmath>

#include "app/DesignDocument.h"
#include "design/DesignFixture.h"
#include "design/EllipticCore.h"

namespace vorna::testing {
namespace {

EllipticRequest Elliptic(int order, double attp, double xs) {
    return {order, std::pow(10, attp / 10) - 1, attp, xs};
}

TEST(EllipticCore, FifthOrderFromTheMonicPolynomialMeetsItsSpecification) {
    // Factorised on the polynomial that was not made monic, this design had 0.43 dB of
    // pass-band ripple and 28.8 dB of stop band.
    const Design d = MakeDesign({kLowPass, kElliptic, 5, 0.01, 1.5, 1000});
    EXPECT_NEAR(d.doc.figures.attsAchieved, 33.4, 0.05);
    double low = 0;
    for (int i = 0; i <= 200; ++i) low = std::min(low, GainDb(d, 1000.0 * i / 200));
    EXPECT_NEAR(low, -0.01, 1e-6);
    double stopHigh = -1e300;
    for (int i = 0; i <= 200; ++i)
        stopHigh = std::max(stopHigh, GainDb(d, 1500.0 * (1 + i / 20.0)));
    EXPECT_NEAR(stopHigh, -d.doc.figures.attsAchieved, 1e-6);
    EXPECT_TRUE(EllipticPrototype(Elliptic(5, 0.01, 1.5)).polesFromFactorisation);
}

TEST(EllipticCore, FactorisationStandsWhereItIsSoundAndIsReplacedWhereNot) {
    const struct {
        double attp;
        double xs;
    } cases[] = {{0.01, 1.05}, {0.1, 1.5}, {0.5, 1.5}, {1.0, 3.0}, {3.0, 10.0}};
    for (const auto& c : cases) {
        for (int order = 2; order <= 40; ++order) {
            EXPECT_TRUE(EllipticPrototype(Elliptic(order, c.attp, c.xs)).polesFromFactorisation)
                << order << " " << c.attp << " " << c.xs;
        }
    }
    // At order 58 the polynomial is too ill-conditioned for double precision.
    const EllipticPrototypeResult result = EllipticPrototype(Elliptic(58, 0.5, 1.5));
    EXPECT_FALSE(result.polesFromFactorisation);
    EXPECT_TRUE(result.prototype.IsUsable());
}

TEST(EllipticCore, AttenuationAtTheEdgeIsAttpAndZerosLieInTheStopBand) {
    for (double xs : {1.00001, 1.05, 2.0, 100.0}) {
        for (int order : {2, 3, 9, 30, 47, 57, 58}) {
            const DesignCase design{kLowPass, kElliptic, order, 0.2, xs, 1000};
            SCOPED_TRACE(Describe(design));
            const Design d = MakeDesign(design);
            ASSERT_TRUE(AllFinite(d.results));
            EXPECT_NEAR(GainDb(d, 1000), -0.2, 5e-3);
            for (int i = 0; i < order / 2; ++i) {
                const Section& section = d.results.sections[i];
                EXPECT_GE(std::sqrt(section.num0 / section.num2), kTwoPi * 1000 * xs * (1 - 1e-12));
            }
        }
    }
}

TEST(EllipticCore, DocumentKeepsItsStopBandRatioAfterBandDesigns) {
    for (int kind : {kBandPass, kBandEliminate}) {
        const Design d = MakeDesign({kind, kElliptic, 6, 0.5, 1.3, 0, 1000, 3000});
        EXPECT_EQ(d.doc.xs, 1.3);
        EXPECT_GT(d.doc.figures.xsAlt, 1.3);
    }
}

}  // namespace
}  // namespace vorna::testing
