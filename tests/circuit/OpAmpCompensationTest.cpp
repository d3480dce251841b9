// The section circuits with single-pole op-amps: their nodal equations agree with the ideal
// models when the op-amps are fast (up to their finite DC gain), and the pre-distorted section
// gives the designed pole pair (and band-pass gain; high-pass: the response at f0) back
// with slow ones.

#include <gtest/gtest.h>

#include <cmath>

#include "circuit/models/CircuitEquations.h"
#include "compensation/OpAmpCompensation.h"
#include "compensation/SinglePoleSection.h"

namespace vorna {
namespace {

constexpr double kW0 = 2 * 3.141592653589793 * 1000;

struct Case {
    SectionCircuit circuit;
    Section designed;  // s^2 + w0/q s + w0^2 over its numerator
};

const Case kCases[] = {
    {SectionCircuit::MultipleFeedbackLowPass, {kW0 / 0.707, kW0* kW0, 0, 0, kW0* kW0}},
    {SectionCircuit::SallenKeyLowPass, {kW0 / 2.5, kW0* kW0, 0, 0, kW0* kW0}},
    {SectionCircuit::MultipleFeedbackHighPass, {kW0 / 1.3, kW0* kW0, 1, 0, 0}},
    {SectionCircuit::SallenKeyHighPass, {kW0 / 0.54, kW0* kW0, 1, 0, 0}},
    {SectionCircuit::MultipleFeedbackBandPass, {kW0 / 8, kW0* kW0, 0, 2 * kW0 / 8, 0}},
    {SectionCircuit::DualAmplifierBandPass, {kW0 / 12, kW0* kW0, 0, 1.5 * kW0 / 12, 0}},
    // Zeros above the poles (a low-pass notch) and below them (a high-pass one).
    {SectionCircuit::StateVariableNotch, {kW0 / 3, kW0* kW0, 0.2, 0, 0.8 * kW0* kW0}},
    {SectionCircuit::IntegratorNotch, {kW0 / 3, kW0* kW0, 0.2, 0, 0.8 * kW0* kW0}},
    {SectionCircuit::IntegratorNotch, {kW0 / 5, kW0* kW0, 1, 0, 0.25 * kW0* kW0}},
};

double Gain(const Section& s, double w) {
    const std::complex<double> jw(0, w);
    return std::abs((s.num2 * jw * jw + s.num1 * jw + s.num0) / (jw * jw + s.den1 * jw + s.den0));
}

TEST(SinglePoleSectionTest, FastOpAmpsRealiseTheIdealModel) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(static_cast<int>(c.circuit));
        const auto elements = IdealElements(c.circuit, c.designed);
        ASSERT_TRUE(elements);
        const Section ideal = RealiseCircuit(*elements, c.designed).section;
        const double w0 = std::sqrt(ideal.den0), q = w0 / ideal.den1;
        const auto realised = RealiseWithSinglePoleOpAmps(*elements, 1e11, w0, q, 0.7 * w0);
        ASSERT_TRUE(realised);
        // What is left is the op-amps' DC gain of 1e5 (a wrong connection is off by far more).
        EXPECT_NEAR(realised->w0 / w0, 1, 3e-3);
        EXPECT_NEAR(realised->q / q, 1, 3e-3);
        EXPECT_NEAR(std::abs(realised->response) / Gain(ideal, 0.7 * w0), 1, 3e-3);
    }
}

TEST(OpAmpCompensationTest, PreDistortedSectionGivesTheDesignedPairBack) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(static_cast<int>(c.circuit));
        const double w0 = std::sqrt(c.designed.den0), q = w0 / c.designed.den1;
        const double gbw = 200e3;  // slow enough to move every pair by far more than 1e-6
        const auto plain = IdealElements(c.circuit, c.designed);
        const auto uncompensated = RealiseWithSinglePoleOpAmps(*plain, gbw, w0, q, w0);
        ASSERT_TRUE(uncompensated);
        EXPECT_GT(std::abs(uncompensated->w0 / w0 - 1) + std::abs(uncompensated->q / q - 1), 1e-3);

        const auto target = PreDistortedSection(c.circuit, c.designed, gbw);
        ASSERT_TRUE(target);
        const auto realised =
            RealiseWithSinglePoleOpAmps(*IdealElements(c.circuit, *target), gbw, w0, q, w0);
        ASSERT_TRUE(realised);
        const bool highPass = c.designed.num2 != 0 && c.designed.num0 == 0;
        if (highPass) {
            // The high-pass circuits match H(j w0): their op-amps lower its level too.
            const std::complex<double> jw(0, w0), s = c.designed.den1 * jw;
            EXPECT_NEAR(
                std::abs(realised->response * realised->response / (jw * jw / s) / (jw * jw / s) -
                         1.0),
                0, 1e-8);
        } else {
            EXPECT_NEAR(realised->w0 / w0, 1, 1e-8);
            EXPECT_NEAR(realised->q / q, 1, 1e-8);
        }
        if (c.designed.num1 != 0) {
            EXPECT_NEAR(std::abs(realised->response) / Gain(c.designed, w0), 1, 1e-8);
        }
    }
}

TEST(OpAmpCompensationTest, OutOfReachCases) {
    // An op-amp whose bandwidth is below the section's f0 cannot be made up for.
    for (const Case& c : {kCases[0], kCases[6]})
        EXPECT_FALSE(PreDistortedSection(c.circuit, c.designed, 300));
}

}  // namespace
}  // namespace vorna
