#include <gtest/gtest.h>

#include <cmath>

#include "analysis/FrequencyResponse.h"
#include "app/DigitalConversionCommand.h"
#include "app/DocumentResults.h"
#include "design/conversion/DigitalConversion.h"
#include "platform/RecordingCanvas.h"
#include "support/ScriptedUi.h"
#include "view/ResponseGraph.h"
#include "view/TestDesigns.h"

namespace vorna {
namespace {

using testing::ScriptedUi;
using testing::SetButterworthLowPass;
using testing::ViewWithDesign;

constexpr TextId kCircuitQuestion = TextId::AskConvertCircuitApproximation;
constexpr TextId kDigitalQuestion = TextId::AskConvertAgain;

// A view holding the document's design, as after a design run.
struct DesignedView : ViewWithDesign {
    DesignedView() { RecomputeResults(view, doc); }
};

void ExpectSamplingDialog(ScriptedUi& ui, const std::string& value, const std::string& unit) {
    ui.ExpectDialog(200).Type(201, value).Pick(202, unit).Ok();
}

TEST(DigitalConversion, LowerLimitIsTwiceTheHighestFrequencyOfEachKind) {
    struct Case {
        int kind;
        double limit;
    };
    const Case cases[] = {
        {kLowPass, 3000}, {kHighPass, 3000}, {kBandPass, 9000}, {kBandEliminate, 9000}, {0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        DesignDocument doc;  // fp 1 kHz, fs 1.5 kHz, xs 1.5, fp2 3 kHz, fs2 4.5 kHz
        doc.kind = c.kind;
        EXPECT_DOUBLE_EQ(SamplingFrequencyLowerLimit(doc), c.limit);
    }
}

TEST(DigitalConversion, DialogStatesTheLimitAndSilentlyRefusesLowerFrequencies) {
    DesignedView w;
    ScriptedUi ui;
    ui.ExpectDialog(200)
        .ExpectText(203, "  3.0000")
        .ExpectText(204, "KHz")
        .ExpectText(201, "48")
        .ExpectText(202, "KHz")
        .Type(201, "2.9999")
        .Ok();
    ui.ExpectDialog(200)
        .ExpectText(201, "48")
        .Type(201, "100001")
        .Ok()
        .ExpectFocus(201)
        .Type(201, "3")
        .Ok();
    ui.ExpectMessage("Please enter a number between 0 and 100000.");
    w.view.OnConvertDigital(ui);
    ui.VerifyDone();
    EXPECT_TRUE(w.view.convertedToDigital);
    EXPECT_DOUBLE_EQ(w.view.samplingFrequency, 3000);
    EXPECT_DOUBLE_EQ(w.view.samplingPeriod, 1.0 / 3000);
    EXPECT_TRUE(ui.messages.size() == 1);
}

TEST(DigitalConversion, UnknownUnitOrZeroFrequencyBringsTheDialogBack) {
    DesignedView w;
    w.doc.kind = 0;  // no lower limit at all
    ScriptedUi ui;
    ui.ExpectDialog(200).Type(201, "0").Ok();
    ui.ExpectDialog(200).Cancel();
    w.view.OnConvertDigital(ui);
    ui.VerifyDone();
    EXPECT_FALSE(w.view.convertedToDigital);
    EXPECT_DOUBLE_EQ(w.view.samplingFrequency, 48000);
}

TEST(DigitalConversion, OddLowPassMapsItsFirstOrderSection) {
    DesignedView w;
    w.doc.figures.order = 5;
    w.doc.oddOrder = true;
    w.doc.lastSection = 1;
    RecomputeResults(w.view, w.doc);
    ASSERT_EQ(w.view.p1, 0);
    ScriptedUi ui;
    ExpectSamplingDialog(ui, "48", "KHz");
    w.view.OnConvertDigital(ui);
    ui.VerifyDone();
    const double T = 1.0 / 48000;
    const double warped = Prewarp(1000, T);
    EXPECT_NEAR(w.view.omegaC, warped, 1e-9);
    EXPECT_NEAR(w.view.fc, warped / kTwoPi, 1e-9);
    EXPECT_NEAR(w.view.p0, (warped * T - 2) / (warped * T + 2), 1e-12);
    EXPECT_NEAR(w.view.p1, w.view.p2, 1e-15);
    // The cut-off stays where the analog design had it.
    EXPECT_NEAR(DigitalGainDb(w.view, kLowPass, kTwoPi * 1000, T), -3.0103, 1e-4);
    EXPECT_DOUBLE_EQ(w.doc.xs, 1.5);
}

TEST(DigitalConversion, ConvertingAgainEqualsConvertingOnce) {
    DesignedView twice;
    ScriptedUi ui;
    ExpectSamplingDialog(ui, "48", "KHz");
    ui.ExpectMessage(kDigitalQuestion, IDOK);
    ExpectSamplingDialog(ui, "96", "KHz");
    twice.view.OnConvertDigital(ui);
    twice.view.OnConvertDigital(ui);
    ui.VerifyDone();

    DesignedView once;
    ScriptedUi single;
    ExpectSamplingDialog(single, "96", "KHz");
    once.view.OnConvertDigital(single);
    EXPECT_EQ(twice.view.sections, once.view.sections);
    EXPECT_EQ(twice.view.omegaC, once.view.omegaC);
    EXPECT_TRUE(twice.view.convertedToDigital);
}

TEST(DigitalConversion, CoefficientsThatAreNotFiniteAreRefusedAndTheDesignStaysAnalog) {
    DesignedView w;
    w.doc.kind = 0;  // no lower limit: a period of 1e320 s leaves nothing finite
    const DesignResults analog = w.view;
    ScriptedUi ui;
    ui.ExpectDialog(200).Type(201, "1e-320").Pick(202, "Hz").Ok();
    ui.ExpectMessage(TextId::ConversionNotComputable);
    ui.ExpectDialog(200).Cancel();
    w.view.OnConvertDigital(ui);
    ui.VerifyDone();
    EXPECT_TRUE(static_cast<const DesignResults&>(w.view) == analog);
}

TEST(DigitalConversion, CancellingAQuestionChangesNothing) {
    for (const bool circuit : {true, false}) {
        SCOPED_TRACE(circuit);
        DesignedView w;
        int repaints = 0;
        w.view.onInvalidate = [&] { ++repaints; };
        w.view.convertedToDigital = true;
        w.view.approximatedByCircuit = circuit;
        w.view.sections[0].den1 = 42;
        ScriptedUi ui;
        if (circuit) {
            ui.ExpectMessage(kCircuitQuestion, IDCANCEL);
        } else {
            ui.ExpectMessage(kDigitalQuestion, IDCANCEL);
        }
        w.view.OnConvertDigital(ui);
        ui.VerifyDone();
        EXPECT_EQ(w.view.sections[0].den1, 42);
        EXPECT_TRUE(w.view.convertedToDigital);
        EXPECT_EQ(repaints, 0);
    }
}

TEST(DigitalConversion, CancelInTheDialogKeepsTheRestoredAnalogDesign) {
    DesignedView w;
    const auto analog = w.view.sections;
    ScriptedUi ui;
    ExpectSamplingDialog(ui, "48", "KHz");
    ui.ExpectMessage(kDigitalQuestion, IDOK);
    ui.ExpectDialog(200).Cancel();
    w.view.OnConvertDigital(ui);
    w.view.OnConvertDigital(ui);
    ui.VerifyDone();
    EXPECT_FALSE(w.view.convertedToDigital);
    EXPECT_EQ(w.view.sections, analog);
}

TEST(DigitalConversion, BandPassStaysSecondOrder) {
    DesignedView w;
    w.doc.kind = kBandPass;
    w.doc.oddOrder = true;  // an odd prototype order
    RecomputeResults(w.view, w.doc);
    const int last = w.view.sectionLast;
    ScriptedUi ui;
    ExpectSamplingDialog(ui, "48", "KHz");
    w.view.OnConvertDigital(ui);
    ui.VerifyDone();
    EXPECT_EQ(w.view.p0, 0);
    EXPECT_EQ(w.view.p1, 0);
    EXPECT_EQ(w.view.p2, 0);
    EXPECT_EQ(w.view.sectionLast, last);
    EXPECT_NEAR(w.view.omegaC, std::sqrt(Prewarp(1000, 1.0 / 48000) * Prewarp(3000, 1.0 / 48000)),
                1e-9);
    EXPECT_DOUBLE_EQ(w.doc.xs, 1.5);
}

TEST(DigitalConversion, SecondOrderMapKeepsTheGainAtDcAndHalfTheSamplingRate) {
    const double T = 1.0 / 8000;
    ViewWithDesign w;
    SetButterworthLowPass(w.view, 2, 1000);
    const Section analog{3000, 4e7, 0.5, 2000, 4e7};
    w.view.sections[0] = analog;
    BilinearSecondOrder(w.view, 0, T);
    const Section& p = w.view.sections[0];
    // z = 1 is s = 0; z = -1 is s = infinity.
    EXPECT_NEAR((p.num2 + p.num1 + p.num0) / (1 + p.den1 + p.den0), analog.num0 / analog.den0,
                1e-12);
    EXPECT_NEAR((p.num2 - p.num1 + p.num0) / (1 - p.den1 + p.den0), analog.num2, 1e-12);
}

TEST(DigitalConversion, DigitalGraphEndsAt80KilohertzFor48) {
    DesignedView w;
    ScriptedUi ui;
    ExpectSamplingDialog(ui, "48", "KHz");
    w.view.OnConvertDigital(ui);
    RecordingCanvas canvas;
    w.view.OnDraw(canvas);
    EXPECT_DOUBLE_EQ(w.view.graphFreqMax, 80000);
    EXPECT_DOUBLE_EQ(w.view.graphFreqMin, 100);
    EXPECT_NE(canvas.FindText("30K   "), nullptr);
    EXPECT_EQ(canvas.FindText("100K  "), nullptr);
    EXPECT_EQ(canvas.texts[0].text.rfind("ﾃﾞｼﾞﾀﾙ Low Pass Butterworth", 0), 0u);
    // The response mirrors about 24 kHz.
    const double T = w.view.samplingPeriod;
    EXPECT_NEAR(DigitalGainDb(w.view, kLowPass, kTwoPi * 1000, T),
                DigitalGainDb(w.view, kLowPass, kTwoPi * 47000, T), 1e-6);
}

}  // namespace
}  // namespace vorna
