// The band-pass and band-eliminate transformations: every transformed pair of sections
// multiplies out to the transformed prototype section, which is read from the low-pass
// design of the same prototype at 1 rad/s.

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "design/DesignFixture.h"
#include "design/FrequencyTransformation.h"

namespace vorna::testing {
namespace {

using Quartic = std::array<double, 5>;  // s^4 .. s^0

Quartic Multiply(double a0, double a1, double c0, double c1) {
    return {1, a0 + c0, a1 + c1 + a0 * c0, a0 * c1 + a1 * c0, a1 * c1};
}

// (s^2 + W^2)^2 + x s (s^2 + W^2) + y s^2
Quartic Transformed(double x, double y, double w) {
    return {1, x, 2 * w * w + y, x * w * w, w * w * w * w};
}

void ExpectSameQuartic(const Quartic& actual, const Quartic& expected, double w) {
    // Coefficient of s^(4-k) compared on the scale W^k.
    for (int k = 0; k < 5; ++k) {
        const double scale = std::pow(w, k);
        EXPECT_NEAR(actual[k] / scale, expected[k] / scale,
                    1e-9 * (1 + std::abs(expected[k] / scale)))
            << "coefficient of s^" << 4 - k;
    }
}

TEST(FrequencyTransformation, PolePairSplitMultipliesToTheTransformedPair) {
    // Narrow and wide bands, pairs close to the real axis and of high Q, a zero band width.
    for (double w : {1.0, 6283.185307179586, 6.2e9}) {
        for (double bRatio : {0.0, 1e-4, 0.05, 1.0, 3.0, 1e3}) {
            for (double q : {0.5000001, 0.50018, 0.7071, 2.5, 400.0}) {
                SCOPED_TRACE(::testing::Message() << "w=" << w << " b/w=" << bRatio << " q=" << q);
                const double b = bRatio * w;
                const PolePairSplit split = SplitPolePair(b, q, w);
                ASSERT_TRUE(std::isfinite(split.alpha) && std::isfinite(split.d));
                ExpectSameQuartic(Multiply(split.alpha * split.d, split.alpha * w * w, split.d,
                                           w * w / split.alpha),
                                  Transformed(b / q, b * b, w), w);
            }
        }
    }
}

TEST(FrequencyTransformation, ZeroPairSplitMultipliesToTheTransformedZero) {
    for (double w : {1.0, 6283.185307179586}) {
        for (double xRatio : {0.0, 1e-4, 1.0, 30.0}) {
            const double x = xRatio * w;
            const double beta = SplitZeroPair(x, w);
            ExpectSameQuartic(Multiply(0, w * w * beta, 0, w * w / beta), Transformed(0, x * x, w),
                              w);
        }
    }
}

// The low-pass design with the same prototype as a band design, at 1 rad/s.
Design PrototypeOf(const Design& band, const DesignCase& bandCase) {
    const DesignDocument& doc = band.doc;
    const double ratio = doc.kind == kBandPass
                             ? (doc.figures.fs2 - doc.figures.fs1) / (doc.fp2 - doc.fp1)
                             : (doc.fp2 - doc.fp1) / (doc.figures.fs2 - doc.figures.fs1);
    DesignCase lp = bandCase;
    lp.kind = kLowPass;
    lp.xs = ratio;
    // The inverse Chebyshev prototype is normalised at its stop-band edge fp * xs.
    lp.fp = (bandCase.approximation == kInverseChebyshev ? 1 / ratio : 1) / kTwoPi;
    return MakeDesign(lp);
}

TEST(FrequencyTransformation, BandSectionsAreTheTransformedPrototype) {
    for (int kind : {kBandPass, kBandEliminate}) {
        for (int approximation = kButterworth; approximation <= kElliptic; ++approximation) {
            for (int order : {2, 3, 8, 17, 58}) {
                const DesignCase bandCase{kind, approximation, order, 0.5, 1.3, 0, 1000, 3000};
                SCOPED_TRACE(Describe(bandCase));
                const Design band = MakeDesign(bandCase);
                const Design lp = PrototypeOf(band, bandCase);
                const DesignResults& r = band.results;
                const DesignResults& p = lp.results;
                const double w = r.omegaC;
                const double bw = r.bandwidth;
                const bool bp = kind == kBandPass;
                const int odd = order % 2;
                if (odd != 0) {
                    const double sigma = p.p0;
                    const Section expected = bp ? Section{bw * sigma, w * w, 0, bw * sigma, 0}
                                                : Section{bw / sigma, w * w, 1, 0, w * w};
                    const auto got = InFileOrder(r.sections[0]), want = InFileOrder(expected);
                    for (int j = 0; j < 5; ++j) {
                        EXPECT_NEAR(got[j], want[j], 1e-12 * std::abs(want[j]));
                    }
                }
                for (int i = 0; i < order / 2; ++i) {
                    SCOPED_TRACE(i);
                    const Section& proto = p.sections[i];  // r/Q, r^2 and the numerator
                    const Section& a = r.sections[odd + 2 * i];
                    const Section& c = r.sections[odd + 2 * i + 1];
                    // b/Q and b^2 of the transformed pair: b = B r (BP) or B / r (BE).
                    const double x = bp ? bw * proto.den1 : bw * proto.den1 / proto.den0;
                    const double y = bp ? bw * bw * proto.den0 : bw * bw / proto.den0;
                    ExpectSameQuartic(Multiply(a.den1, a.den0, c.den1, c.den0),
                                      Transformed(x, y, w), w);
                    if (approximation <= kChebyshev) {
                        // Numerators b^2 s^2 (BP) or (s^2 + W^2)^2 (BE).
                        if (bp) {
                            EXPECT_NEAR(a.num1 * c.num1, y, 1e-9 * y);
                        } else {
                            EXPECT_NEAR(a.num2 * c.num2, 1, 1e-12);
                            EXPECT_NEAR(a.num0 * c.num0, w * w * w * w, 1e-9 * w * w * w * w);
                        }
                        continue;
                    }
                    // Zeros: (s^2 + W^2)^2 + (wz B)^2 s^2 (BP) or + (B / wz)^2 s^2 (BE), with
                    // the s^2 gain of the prototype section (BP) or its gain far above (BE).
                    const double wz2 = proto.num0 / proto.num2;
                    const double gain = bp ? proto.num2 : proto.num0 / proto.den0;
                    const double zx = bp ? wz2 * bw * bw : bw * bw / wz2;
                    EXPECT_NEAR(a.num2 * c.num2, gain, 1e-9 * gain);
                    ExpectSameQuartic(Multiply(0, a.num0 / a.num2, 0, c.num0 / c.num2),
                                      Transformed(0, zx, w), w);
                }
            }
        }
    }
}

}  // namespace
}  // namespace vorna::testing
