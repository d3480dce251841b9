#include <gtest/gtest.h>

#include <cmath>

#include "design/EllipticFunctions.h"

namespace vorna {
namespace {

// Reference values from SciPy's ellipk and ellipj.
TEST(EllipticFunctions, CompleteIntegralMatchesReference) {
    const struct {
        double k;
        double expected;
    } cases[] = {
        {0, 1.5707963267948966},       {0.1, 1.5747455615173558}, {0.5, 1.685750354812596},
        {1 / 1.5, 1.8096674954865886}, {0.9, 2.2805491384227703}, {0.99, 3.3566005233611915},
        {0.999999, 7.947479773542437},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.k);
        EXPECT_NEAR(EllipticK(c.k), c.expected, 1e-11 * c.expected);
    }
}

TEST(EllipticFunctions, EllipticSineMatchesReference) {
    const EllipticModulus modulus = ModulusOfRatio(1.5);
    EXPECT_NEAR(EllipticSn(modulus, 0), 0, 1e-15);
    EXPECT_NEAR(EllipticSn(modulus, modulus.K), 1, 1e-12);
    EXPECT_NEAR(EllipticSn(modulus, 0.3 * modulus.K), 0.5070704096713667, 1e-12);
    EXPECT_NEAR(EllipticSn(modulus, modulus.K / 3), 0.5548586126211943, 1e-12);
}

TEST(EllipticFunctions, AttenuationOfAnOrder) {
    // The product runs over sn((2i+1)K/m), i < m/2, for odd orders too.
    const struct {
        int order;
        double xs;
        double attp;
        double expected;
    } cases[] = {
        {2, 1.5, 0.1, 3.2103367051424856}, {4, 1.5, 0.1, 29.063674579245976},
        {5, 1.5, 0.1, 43.415212548829274}, {6, 2.0, 0.5, 83.54670967047727},
        {9, 1.2, 1.0, 84.08854750379511},  {20, 1.05, 0.1, 139.7311325189679},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.order);
        const EllipticModulus modulus = ModulusOfRatio(c.xs);
        const EllipticStopband reached =
            EllipticStopbandOf(modulus, c.order, std::pow(10, c.attp / 10) - 1);
        EXPECT_NEAR(reached.atts, c.expected, 1e-9 * c.expected);
        EXPECT_DOUBLE_EQ(modulus.k, 1 / c.xs);
        EXPECT_GT(reached.selectivity, 1);
    }
}

TEST(EllipticFunctions, ClosedFormOrderIsTheCeilingOfTheDegreeEquation) {
    const struct {
        double xs, attp, atts;
        int expected;  // ceilings of 6.155, 8.928, 2.715
    } cases[] = {{1.5, 0.1, 60, 7}, {1.2, 0.5, 80, 9}, {3, 1, 40, 3}};
    for (const auto& c : cases) {
        const double epsP2 = std::pow(10, c.attp / 10) - 1;
        const double epsS2 = std::pow(10, c.atts / 10) - 1;
        EXPECT_EQ(EllipticOrder(epsP2, epsS2, c.xs).order, c.expected);
    }
}

TEST(EllipticFunctions, ClosedFormOrderThatIsNotFiniteIsAboveTheLimit) {
    EXPECT_EQ(EllipticOrder(0, 0, 1.5).order, 59);
}

TEST(EllipticFunctions, SearchFindsTheSmallestOrderReachingTheAttenuation) {
    const EllipticModulus modulus = ModulusOfRatio(1.5);
    const double epsP2 = std::pow(10, 0.01) - 1;
    const EllipticSearchResult found = SearchEllipticOrder(modulus, epsP2, 7, 60);
    EXPECT_EQ(found.order, 7);
    EXPECT_GE(found.reached.atts, 60);
    EXPECT_LT(EllipticStopbandOf(modulus, 6, epsP2).atts, 60);
}

TEST(EllipticFunctions, SearchStartsAtTheLimitAbove300Decibels) {
    const EllipticModulus modulus = ModulusOfRatio(1.5);
    const double epsP2 = std::pow(10, 0.01) - 1;
    // Start order 3 would end the search at once; above 300 dB it bisects from 58.
    const EllipticSearchResult found = SearchEllipticOrder(modulus, epsP2, 3, 301);
    EXPECT_GT(found.order, 3);
    EXPECT_GE(found.reached.atts, 301);
    EXPECT_EQ(SearchEllipticOrder(modulus, epsP2, 3, 300).order, 3);
}

}  // namespace
}  // namespace vorna

namespace vorna {
namespace {

// Near x = 1 the complementary modulus must keep its digits: 1 - k*k would cancel to a few
// correct digits (or to 0) and the elliptic design would drift from the ideal response.
TEST(EllipticFunctions, ComplementaryModulusKeepsItsDigitsNearOne) {
    struct Case {
        double x;
        double expected;  // sqrt(1 - 1/x^2), from the exact expansion
    };
    const Case cases[] = {
        {2.0, std::sqrt(0.75)},
        {1.5, std::sqrt(1 - 1 / 2.25)},
        // 1 + 2^-20 and 1 + 2^-33 are exact doubles, so x - 1 is known exactly.
        {1 + 0x1p-20, std::sqrt(0x1p-19 + 0x1p-40) / (1 + 0x1p-20)},
        {1 + 0x1p-33, std::sqrt(0x1p-32 + 0x1p-66) / (1 + 0x1p-33)},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(ComplementaryModulus(c.x) / c.expected, 1.0, 1e-9) << c.x;
    }
}

}  // namespace
}  // namespace vorna
