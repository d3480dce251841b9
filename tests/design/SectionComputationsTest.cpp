// What a user relies on in every designed filter: the gain at the edges equals the specified
// attenuations, the pass band stays within its ripple, the stop band reaches attsAchieved,
// the gain at DC or at the centre is the prototype's, and no coefficient is NaN or infinite.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/DocumentResults.h"
#include "design/DesignFixture.h"

namespace vorna::testing {
namespace {

constexpr double kThreeDecibels = 3.0102999566398116;

// Where the pass and stop bands end, and which frequencies lie inside each band.
struct Bands {
    std::vector<double> passEdges;
    std::vector<double> stopEdges;
    std::vector<double> passBand;
    std::vector<double> stopBand;
    // Where the prototype's DC lands (LP and BE: DC, HP: far above, BP: the centre).
    double prototypeDc = 0;
};

std::vector<double> Spread(double from, double to, int points) {
    std::vector<double> f;
    for (int i = 0; i <= points; ++i) f.push_back(from * std::pow(to / from, double(i) / points));
    return f;
}

Bands BandsOf(const DesignDocument& doc) {
    Bands bands;
    const bool stopNormalised = doc.approximation == kInverseChebyshev;
    switch (doc.kind) {
        case kLowPass: {
            const double fs = stopNormalised ? doc.figures.fc : doc.fp * doc.xs;
            bands.passEdges = {doc.fp};
            bands.stopEdges = {fs};
            bands.passBand = Spread(doc.fp * 1e-3, doc.fp, 300);
            bands.stopBand = Spread(fs, fs * 100, 300);
            bands.prototypeDc = 0;
            break;
        }
        case kHighPass: {
            const double fs = stopNormalised ? doc.figures.fc : doc.fp / doc.xs;
            bands.passEdges = {doc.fp};
            bands.stopEdges = {fs};
            bands.passBand = Spread(doc.fp, doc.fp * 1e3, 300);
            bands.stopBand = Spread(fs / 100, fs, 300);
            bands.prototypeDc = doc.fp * 1e8;
            break;
        }
        case kBandPass:
            bands.passEdges = {doc.fp1, doc.fp2};
            bands.stopEdges = {doc.figures.fs1, doc.figures.fs2};
            bands.passBand = Spread(doc.fp1, doc.fp2, 300);
            bands.stopBand = Spread(doc.figures.fs1 / 100, doc.figures.fs1, 150);
            for (double f : Spread(doc.figures.fs2, doc.figures.fs2 * 100, 150))
                bands.stopBand.push_back(f);
            bands.prototypeDc = doc.figures.fc;
            break;
        default:
            bands.passEdges = {doc.fp1, doc.fp2};
            bands.stopEdges = {doc.figures.fs1, doc.figures.fs2};
            bands.passBand = Spread(doc.fp1 / 1000, doc.fp1, 150);
            for (double f : Spread(doc.fp2, doc.fp2 * 1000, 150)) bands.passBand.push_back(f);
            bands.stopBand = Spread(doc.figures.fs1, doc.figures.fs2, 300);
            bands.prototypeDc = 0;
            break;
    }
    return bands;
}

// The gains a design must show, by approximation (dB).
struct Expected {
    double passEdge;
    double passLow;
    double passHigh;
    double stopEdge;
    double prototypeDc;
    double tolerance;
};

Expected ExpectedOf(const DesignDocument& doc) {
    const bool even = doc.figures.order % 2 == 0;
    const double atts = doc.figures.attsAchieved;
    switch (doc.approximation) {
        case kButterworth:
            return {-kThreeDecibels, -kThreeDecibels, 0, -atts, 0, 1e-6};
        case kChebyshev:
            // Unity DC gain for every order: an even order's ripple lies above 0 dB.
            if (even) return {0, 0, doc.attp, -atts + doc.attp, 0, 1e-6};
            return {-doc.attp, -doc.attp, 0, -atts, 0, 1e-6};
        case kInverseChebyshev:
            return {-doc.attp, -doc.attp, 0, -atts, 0, 1e-6};
        default:
            // The accepted factorisation keeps within 2e-3 dB of the ideal response.
            return {-doc.attp, -doc.attp, 0, -atts, even ? -doc.attp : 0, 5e-3};
    }
}

struct Parameters {
    double attp;
    double xs;
    double fp;
    double fp1;
    double fp2;
};

void CheckDesign(const DesignCase& design) {
    SCOPED_TRACE(Describe(design));
    const Design d = MakeDesign(design);
    ASSERT_TRUE(AllFinite(d.results));
    const Bands bands = BandsOf(d.doc);
    const Expected expected = ExpectedOf(d.doc);
    const double tol = expected.tolerance;
    for (double f : bands.passEdges) EXPECT_NEAR(GainDb(d, f), expected.passEdge, tol) << f;
    for (double f : bands.stopEdges) EXPECT_NEAR(GainDb(d, f), expected.stopEdge, tol) << f;
    EXPECT_NEAR(GainDb(d, bands.prototypeDc), expected.prototypeDc, tol);
    double passLow = 1e300;
    double passHigh = -1e300;
    for (double f : bands.passBand) {
        const double gain = GainDb(d, f);
        passLow = std::min(passLow, gain);
        passHigh = std::max(passHigh, gain);
    }
    EXPECT_GE(passLow, expected.passLow - tol);
    EXPECT_LE(passHigh, expected.passHigh + tol);
    double stopHigh = -1e300;
    for (double f : bands.stopBand) stopHigh = std::max(stopHigh, GainDb(d, f));
    EXPECT_LE(stopHigh, expected.stopEdge + tol);
}

TEST(SectionComputations, EdgeBandAndDcGainsOfEveryKindApproximationAndOrder) {
    // Low-pass/high-pass parameters and band parameters (the band-eliminate Xs stays below
    // sqrt(fp2/fp1)).
    const Parameters parameters[] = {
        {0.1, 1.5, 1000, 1000, 3000},
        {1.0, 1.05, 50, 9000, 11000},
    };
    for (int kind = kLowPass; kind <= kBandEliminate; ++kind) {
        for (int approximation = kButterworth; approximation <= kElliptic; ++approximation) {
            for (const Parameters& p : parameters) {
                for (int order = 2; order <= 58; ++order) {
                    CheckDesign({kind, approximation, order, p.attp, p.xs, p.fp, p.fp1, p.fp2});
                    if (HasFailure()) return;
                }
            }
        }
    }
}

TEST(SectionComputations, SectionsInUseAndGainConstant) {
    for (int order : {2, 3, 17, 58}) {
        for (int approximation = kButterworth; approximation <= kElliptic; ++approximation) {
            for (int kind = kLowPass; kind <= kBandEliminate; ++kind) {
                const DesignCase design{kind, approximation, order, 0.5, 1.5};
                SCOPED_TRACE(Describe(design));
                const Design d = MakeDesign(design);
                const bool band = kind == kBandPass || kind == kBandEliminate;
                // Band filters: one section per prototype order; else one per pole pair.
                const int used = band ? order : order / 2;
                EXPECT_EQ(d.results.sectionLast, used - 1);
                ASSERT_EQ(d.results.sections.size(), static_cast<std::size_t>(used));
                for (int i = 0; i < used; ++i) EXPECT_NE(d.results.sections[i].den0, 0) << i;
                EXPECT_EQ(d.results.sectionGain != 0, band || approximation == kElliptic);
                EXPECT_EQ(d.results.p1, kind == kHighPass ? 1 : 0);
                if (!band && order % 2 == 1) {
                    EXPECT_GT(d.results.p0, 0);
                }
            }
        }
    }
}

TEST(SectionComputations, ButterworthLowAndHighPassCoefficientsAreExact) {
    // Pn_0 = wc/Q with Q = -0.5/cos(theta) and theta = (2i + 1 + m) pi / (2m), Pn_1 = wc^2,
    // to the last bit.
    for (int kind : {kLowPass, kHighPass}) {
        for (int order = 2; order <= 58; ++order) {
            const DesignCase design{kind, kButterworth, order, 0.5, 1.5};
            SCOPED_TRACE(Describe(design));
            const Design d = MakeDesign(design);
            const double wc = d.results.omegaC;
            if (order % 2 == 1) {
                EXPECT_EQ(d.results.p0, wc);
                EXPECT_EQ(d.results.p2, kind == kLowPass ? wc : 0);
                EXPECT_EQ(d.results.p1, kind == kLowPass ? 0 : 1);
            }
            ASSERT_EQ(d.results.sectionLast, order / 2 - 1);
            for (int i = 0; i <= d.results.sectionLast; ++i) {
                const double theta = (2 * i + 1 + order) * 3.141592653589793 / (2 * order);
                const double q = -0.5 / std::cos(theta);
                const Section& s = d.results.sections[static_cast<std::size_t>(i)];
                EXPECT_EQ(s.den1, wc / q) << i;
                EXPECT_EQ(s.den0, wc * wc) << i;
                EXPECT_EQ(s.num2, kind == kLowPass ? 0 : 1) << i;
                EXPECT_EQ(s.num1, 0) << i;
                EXPECT_EQ(s.num0, kind == kLowPass ? wc * wc : 0) << i;
            }
        }
    }
}

TEST(SectionComputations, UnusableDesignsLeaveFiniteResults) {
    // Values a design can hold after a refused or cancelled entry, or at the ends of the
    // dialogs' ranges: orders outside 2..58, no ripple, Xs of 1, a zero cut-off, equal band
    // edges. The results stay finite and within their sixty sections.
    const struct {
        const char* what;
        void (*apply)(DesignDocument& doc);
    } cases[] = {
        {"order -1", [](DesignDocument& doc) { doc.figures.order = -1; }},
        {"order 0", [](DesignDocument& doc) { doc.figures.order = 0; }},
        {"order 1", [](DesignDocument& doc) { doc.figures.order = 1; }},
        {"order 59", [](DesignDocument& doc) { doc.figures.order = 59; }},
        {"attp 0",
         [](DesignDocument& doc) {
             doc.attp = 0;
             doc.figures.epsP2 = 0;
         }},
        {"atts 0",
         [](DesignDocument& doc) {
             doc.figures.attsAchieved = 0;
             doc.figures.epsS2 = 0;
         }},
        {"xs 1",
         [](DesignDocument& doc) {
             doc.xs = 1;
             doc.figures.xsAlt = 1;
         }},
        {"fc 0", [](DesignDocument& doc) { doc.figures.fc = 0; }},
        {"no band",
         [](DesignDocument& doc) {
             doc.figures.bandwidth = 0;
             doc.figures.xsAlt = HUGE_VAL;
         }},
    };
    for (const auto& c : cases) {
        for (int kind = kLowPass; kind <= kBandEliminate; ++kind) {
            for (int approximation = kButterworth; approximation <= kElliptic; ++approximation) {
                SCOPED_TRACE(::testing::Message()
                             << c.what << " kind " << kind << " approximation " << approximation);
                DesignDocument doc = MakeDocument({kind, approximation, 7, 0.5, 1.2});
                c.apply(doc);
                doc.oddOrder = doc.figures.order % 2 != 0;
                doc.lastSection = static_cast<int>(std::ceil((doc.figures.order - 1) / 2.0)) - 1;
                DesignResults results;
                RecomputeResults(results, doc);
                EXPECT_TRUE(AllFinite(results));
                EXPECT_LT(results.sectionLast, 60);
            }
        }
    }
}

}  // namespace
}  // namespace vorna::testing
