#include <gtest/gtest.h>

#include <cmath>

#include "app/CKorvelDoc.h"
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
    CKorvelDoc doc;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.k);
        EXPECT_NEAR(EllipticK(doc, c.k), c.expected, 1e-11 * c.expected);
    }
}

TEST(EllipticFunctions, EllipticSineMatchesReference) {
    CKorvelDoc doc;
    const double k = 1 / 1.5;
    doc.ellK = EllipticK(doc, k);
    doc.ellKc = EllipticK(doc, std::sqrt(1 - k * k));
    EXPECT_NEAR(EllipticSn(doc, 0, k), 0, 1e-15);
    EXPECT_NEAR(EllipticSn(doc, doc.ellK, k), 1, 1e-12);
    EXPECT_NEAR(EllipticSn(doc, 0.3 * doc.ellK, k), 0.5070704096713667, 1e-12);
    EXPECT_NEAR(EllipticSn(doc, doc.ellK / 3, k), 0.5548586126211943, 1e-12);
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
        CKorvelDoc doc;
        doc.order = c.order;
        doc.xs = c.xs;
        doc.epsP2 = std::pow(10, c.attp / 10) - 1;
        EXPECT_NEAR(EllipticAttenuation(doc), c.expected, 1e-9 * c.expected);
        EXPECT_DOUBLE_EQ(doc.ellModulus, 1 / c.xs);
        EXPECT_GT(doc.ellSelectivity, 1);
    }
}

TEST(EllipticFunctions, ClosedFormOrderIsTheCeilingOfTheDegreeEquation) {
    const struct {
        double xs, attp, atts;
        int expected;  // ceilings of 6.155, 8.928, 2.715
    } cases[] = {{1.5, 0.1, 60, 7}, {1.2, 0.5, 80, 9}, {3, 1, 40, 3}};
    for (const auto& c : cases) {
        CKorvelDoc doc;
        doc.xs = c.xs;
        doc.epsP2 = std::pow(10, c.attp / 10) - 1;
        doc.epsS2 = std::pow(10, c.atts / 10) - 1;
        EllipticOrder(doc);
        EXPECT_EQ(doc.order, c.expected);
        EXPECT_EQ(doc.orderExact, c.expected);
    }
}

TEST(EllipticFunctions, ClosedFormOrderThatIsNotFiniteIsAboveTheLimit) {
    CKorvelDoc doc;
    doc.xs = 1.5;
    doc.epsP2 = 0;
    doc.epsS2 = 0;
    EllipticOrder(doc);
    EXPECT_EQ(doc.order, 59);
}

TEST(EllipticFunctions, SearchFindsTheSmallestOrderReachingTheAttenuation) {
    CKorvelDoc doc;
    doc.xs = 1.5;
    doc.epsP2 = std::pow(10, 0.01) - 1;
    SearchEllipticOrder(doc, 7, 60);
    EXPECT_EQ(doc.order, 7);
    EXPECT_GE(doc.attsAchieved, 60);
    doc.order = 6;
    EXPECT_LT(EllipticAttenuation(doc), 60);
}

TEST(EllipticFunctions, SearchStartsAtTheLimitAbove300Decibels) {
    CKorvelDoc doc;
    doc.xs = 1.5;
    doc.epsP2 = std::pow(10, 0.01) - 1;
    // Start order 3 would end the search at once; above 300 dB it bisects from 58.
    SearchEllipticOrder(doc, 3, 301);
    EXPECT_GT(doc.order, 3);
    EXPECT_GE(doc.attsAchieved, 301);
    SearchEllipticOrder(doc, 3, 300);
    EXPECT_EQ(doc.order, 3);
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
