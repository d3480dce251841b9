#include <gtest/gtest.h>

#include <cmath>

#include "analysis/FrequencyResponse.h"
#include "design/conversion/DigitalConversion.h"
#include "view/TestDesigns.h"

namespace vorna {
namespace {

using testing::SetButterworthLowPass;
using testing::ViewWithDesign;

TEST(FrequencyResponse, ButterworthIsThreeDecibelsDownAtItsCutOffWhateverTheOrder) {
    for (int order : {2, 3, 18, 57}) {
        SCOPED_TRACE(order);
        ViewWithDesign w;
        SetButterworthLowPass(w.view, order, 1000);
        EXPECT_NEAR(AnalogGainDb(w.view, kLowPass, kTwoPi * 1000), -3.0103, 1e-4);
        EXPECT_NEAR(AnalogGainDb(w.view, kLowPass, kTwoPi * 1), 0, 1e-9);
        // Far in the stop band the gain falls 20 dB per decade and order.
        EXPECT_NEAR(AnalogGainDb(w.view, kLowPass, kTwoPi * 10000), -20.0 * order, 1e-3);
    }
}

TEST(FrequencyResponse, PhaseStaysWithinHalfATurn) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 18, 1000);
    for (double hz = 10; hz < 1e5; hz *= 1.07) {
        const double phase = AnalogPhase(w.view, kLowPass, kTwoPi * hz);
        ASSERT_GE(phase, -kPi);
        ASSERT_LE(phase, kPi);
    }
    // A second-order Butterworth section lags by 90 degrees at its cut-off.
    SetButterworthLowPass(w.view, 2, 1000);
    EXPECT_NEAR(AnalogPhase(w.view, kLowPass, kTwoPi * 1000), -kPi / 2, 1e-12);
}

TEST(FrequencyResponse, FirstOrderSectionCountsOnlyForOddLowAndHighPass) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 3, 1000);
    const double withFirstOrder = AnalogGainDb(w.view, kLowPass, kTwoPi * 1000);
    EXPECT_NEAR(withFirstOrder, -3.0103, 1e-4);
    EXPECT_NEAR(AnalogGainDb(w.view, kHighPass, kTwoPi * 1000), withFirstOrder, 1e-12);
    // Band designs never have a first-order section, whatever p0 .. p2 hold.
    EXPECT_NEAR(AnalogGainDb(w.view, kBandPass, kTwoPi * 1000), 0, 1e-9);
    EXPECT_NEAR(AnalogGainDb(w.view, kBandEliminate, kTwoPi * 1000), 0, 1e-9);
}

TEST(FrequencyResponse, ExactZeroOfTheNumeratorGivesMinus600Decibels) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 2, 1000);
    w.view.sections[0] = Section{1, 1, 0, 0, 0};  // numerator 0, denominator s^2 + s + 1
    const double omega = 1;                       // |denominator| = 1 there
    EXPECT_NEAR(AnalogGainDb(w.view, kLowPass, omega), -600, 1e-9);
    // A denominator that vanishes too (pole at DC, evaluated at DC) stays finite.
    w.view.sections[0] = Section{0, 0, 1, 0, 0};
    EXPECT_TRUE(std::isfinite(AnalogGainDb(w.view, kLowPass, 0)));
}

TEST(FrequencyResponse, DigitalFormsMatchTheBilinearMapOfTheAnalogForms) {
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 5, 1000);
    const double T = 1.0 / 48000;
    ViewWithDesign analog;
    SetButterworthLowPass(analog.view, 5, 1000);
    BilinearFirstOrder(w.view, T);
    for (int i = 0; i <= w.view.sectionLast; ++i) BilinearSecondOrder(w.view, i, T);
    // The bilinear transform maps the digital frequency f onto the analog Prewarp(f).
    for (double hz : {0.0, 100.0, 1000.0, 5000.0, 20000.0}) {
        SCOPED_TRACE(hz);
        EXPECT_NEAR(DigitalGainDb(w.view, kLowPass, kTwoPi * hz, T),
                    AnalogGainDb(analog.view, kLowPass, Prewarp(hz, T)), 1e-6);
        EXPECT_NEAR(DigitalPhase(w.view, kLowPass, kTwoPi * hz, T),
                    AnalogPhase(analog.view, kLowPass, Prewarp(hz, T)), 1e-9);
    }
    // At half the sampling frequency the low-pass has its zeros: a deep, finite gain.
    const double nyquist = DigitalGainDb(w.view, kLowPass, kTwoPi * 24000, T);
    EXPECT_LT(nyquist, -200);
    EXPECT_TRUE(std::isfinite(nyquist));
}

}  // namespace
}  // namespace vorna
