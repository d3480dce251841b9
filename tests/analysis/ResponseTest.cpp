#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "analysis/AnalysisDesigns.h"
#include "analysis/Response.h"

namespace vorna::testing {
namespace {

using analysis::Cascade;
using Complex = std::complex<double>;

// The evaluation section by section, as the graphs did it before the fused pass: a sum of
// logarithms of each term's modulus (an exact zero counting as 1e-30) and a sum of angles.
analysis::GainPhase PerSection(const Cascade& c, double omega) {
    double gain = 0;
    double phase = 0;
    auto add = [&](Complex n, Complex d) {
        auto db = [](Complex v) {
            const bool zero = std::fabs(v.real()) < 1e-150 && std::fabs(v.imag()) < 1e-150;
            return 20 * std::log10(zero ? 1e-30 : std::sqrt(std::norm(v)));
        };
        gain += db(n) - db(d);
        phase += std::arg(n) - std::arg(d);
    };
    const Complex x =
        c.IsDigital() ? std::polar(1.0, -omega * c.samplingPeriod) : Complex(0, omega);
    if (c.first) {
        const auto& f = *c.first;
        if (c.IsDigital())
            add(f.p2 * x + f.p1, f.p0 * x + 1.0);
        else
            add(f.p1 * x + f.p2, x + f.p0);
    }
    for (const Section& p : c.sections) {
        if (c.IsDigital())
            add(p.num1 * x + p.num0 * (x * x) + p.num2, p.den1 * x + p.den0 * (x * x) + 1.0);
        else
            add(p.num2 * x * x + p.num1 * x + p.num0, x * x + p.den1 * x + p.den0);
    }
    return {gain, std::remainder(phase, kTwoPi)};
}

double AngleDifference(double a, double b) {
    return std::fabs(std::remainder(a - b, kTwoPi));
}

TEST(Response, OnePassMatchesTheSectionBySectionEvaluation) {
    for (const CascadeCase& c : CascadeCases({2, 3, 13, 30, 57, 58}, true)) {
        SCOPED_TRACE(c.name);
        // The graph's range, and far beyond it for the analog cascades.
        std::vector<double> omegas = GraphOmegas(c, 1500);
        if (!c.cascade.IsDigital()) {
            const auto far = analysis::LogSpaced(kTwoPi * 1e-3, kTwoPi * 1e12, 301);
            omegas.insert(omegas.end(), far.begin(), far.end());
        }
        // One frequency at a time, and all at once (several side by side, a short group last).
        std::vector<analysis::GainPhase> over(omegas.size());
        analysis::GainPhaseOver(c.cascade, omegas, over);
        std::vector<double> gains(omegas.size());
        analysis::GainOver(c.cascade, omegas, gains);
        for (std::size_t i = 0; i < omegas.size(); ++i) {
            const double omega = omegas[i];
            const analysis::GainPhase reference = PerSection(c.cascade, omega);
            ASSERT_TRUE(std::isfinite(gains[i])) << omega;
            if (reference.gainDb > -300)
                ASSERT_NEAR(gains[i], reference.gainDb, 1e-9) << omega;
            else
                ASSERT_LT(gains[i], -299) << omega;
            for (const analysis::GainPhase& fused :
                 {analysis::GainPhaseAt(c.cascade, omega), over[i]}) {
                ASSERT_TRUE(std::isfinite(fused.gainDb) && std::isfinite(fused.phase)) << omega;
                if (reference.gainDb > -300) {
                    ASSERT_NEAR(fused.gainDb, reference.gainDb, 1e-9) << omega;
                    ASSERT_LE(AngleDifference(fused.phase, reference.phase), 1e-9) << omega;
                } else {
                    ASSERT_LT(fused.gainDb, -299) << omega;
                }
            }
        }
    }
}

TEST(Response, UnwrappedPhaseIsTheWrappedPhaseWithoutItsTurns) {
    for (const CascadeCase& c : CascadeCases({5, 58}, true)) {
        SCOPED_TRACE(c.name);
        const std::vector<double> omegas = GraphOmegas(c, 2000);
        const std::vector<double> unwrapped = analysis::UnwrappedPhaseOver(c.cascade, omegas);
        ASSERT_EQ(unwrapped.size(), omegas.size());
        EXPECT_LE(std::fabs(unwrapped[0]), kPi);
        // Without zeros inside the range (all-pole prototypes other than the band-eliminate
        // ones; digital ones have theirs at half the sampling frequency, the last point) the
        // phase only falls: every pole delays.
        const bool allPole =
            c.design.doc.kind != kBandEliminate && (c.design.doc.approximation == kButterworth ||
                                                    c.design.doc.approximation == kChebyshev);
        const std::size_t last = omegas.size() - (c.cascade.IsDigital() ? 1 : 0);
        for (std::size_t i = 0; i < omegas.size(); ++i) {
            const double wrapped = analysis::GainPhaseAt(c.cascade, omegas[i]).phase;
            ASSERT_LE(AngleDifference(unwrapped[i], wrapped), 1e-9) << omegas[i];
            if (allPole && i > 0 && i < last) {
                ASSERT_LT(unwrapped[i], unwrapped[i - 1] + 1e-9) << i;
            }
        }
    }
    // An order-58 Butterworth low-pass turns by 58 quarter turns from DC to far above Fc.
    const CascadeCase lowPass = CascadeCases({58}, false).front();
    const std::vector<double> omegas = analysis::LogSpaced(kTwoPi * 1, kTwoPi * 1e12, 3000);
    EXPECT_NEAR(analysis::UnwrappedPhaseOver(lowPass.cascade, omegas).back(), -29 * kPi, 1e-6);
}

}  // namespace
}  // namespace vorna::testing
