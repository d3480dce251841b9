#include <gtest/gtest.h>

#include "app/DocumentResults.h"
#include "app/GainAtFrequency.h"
#include "dialogs/DataExchange.h"
#include "support/ScriptedUi.h"
#include "view/TestDesigns.h"

namespace vorna {
namespace {

using testing::ScriptedUi;
using testing::ViewWithDesign;

constexpr const char* kUnitMessage =
    "単位の記号は次に示すものが使用出来ます\n\nmHz (なし) KHz Meg GHz";

double FieldValue(const Dialog& d, int id) {
    double value = 0;
    EXPECT_TRUE(ParseFieldDouble(d.Control(id).text, value)) << d.Control(id).text;
    return value;
}

TEST(GainAtFrequency, OpensAtTheCutOffAndEvaluatesEachEnteredFrequency) {
    ViewWithDesign w;
    RecomputeResults(w.view, w.doc);
    ScriptedUi ui;
    ui.ExpectDialog(1000)
        .ExpectText(1010, "1")
        .ExpectText(1011, "KHz")
        .ExpectText(1012, "-3.0103")
        .Inspect([](const Dialog& d) {
            EXPECT_GE(FieldValue(d, 1013), -180);
            EXPECT_LE(FieldValue(d, 1013), 180);
        })
        .Type(1010, "2")
        .Ok();
    ui.ExpectDialog(1000)
        .ExpectText(1010, "2")
        .ExpectText(1011, "KHz")
        .Inspect([](const Dialog& d) { EXPECT_NEAR(FieldValue(d, 1012), -108.4, 0.5); })
        .Type(1011, "MHz")
        .Type(1012, "999")
        .Ok();
    ui.ExpectMessage(kUnitMessage);
    // "MHz" is not a unit: the number is taken in Hz.
    ui.ExpectDialog(1000)
        .ExpectText(1010, "2")
        .ExpectText(1011, "Hz")
        .Inspect([](const Dialog& d) { EXPECT_NEAR(FieldValue(d, 1012), 0, 1e-4); })
        .Click(IDCANCEL);
    w.view.displayMode = DisplayMode::CoefficientList;
    ShowGainAtFrequency(w.view, ui);
    ui.VerifyDone();
    EXPECT_EQ(w.view.displayMode, DisplayMode::CoefficientList);
    EXPECT_EQ(w.view.gainUnitText, "Hz");
}

TEST(GainAtFrequency, ZeroFrequencyIsEvaluatedAtDirectCurrent) {
    ViewWithDesign w;
    RecomputeResults(w.view, w.doc);
    ScriptedUi ui;
    ui.ExpectDialog(1000).Type(1010, "0").Ok();
    // 0 splits into "0" with no unit: the unit box stays empty, so pressing "確認" as it is
    // reports the unit and evaluates the number in Hz.
    ui.ExpectDialog(1000)
        .ExpectText(1010, "0")
        .ExpectText(1011, "")
        .Inspect([](const Dialog& d) { EXPECT_NEAR(FieldValue(d, 1012), 0, 1e-4); })
        .Ok();
    ui.ExpectMessage(kUnitMessage);
    ui.ExpectDialog(1000)
        .ExpectText(1010, "0")
        .ExpectText(1011, "")
        .Inspect([](const Dialog& d) { EXPECT_NEAR(FieldValue(d, 1012), 0, 1e-4); })
        .Type(1010, "abc")
        .Ok()
        .ExpectFocus(1010)
        .Cancel();
    ui.ExpectMessage(TextId::EnterNumber);
    ShowGainAtFrequency(w.view, ui);
    ui.VerifyDone();
    EXPECT_EQ(w.view.displayMode, DisplayMode::Graph);
    EXPECT_EQ(w.view.gainUnitText, "");
}

TEST(GainAtFrequency, DigitalDesignOpensAtThePrewarpedCutOff) {
    ViewWithDesign w;
    RecomputeResults(w.view, w.doc);
    ScriptedUi ui;
    ui.ExpectDialog(200).Type(201, "8").Ok();
    w.view.OnConvertDigital(ui);
    ui.ExpectDialog(1000)
        .Inspect([](const Dialog& d) {
            EXPECT_NEAR(FieldValue(d, 1010), 1.0548,
                        1e-4);  // (2/T) tan(pi 1000 T) / (2 pi), T = 1/8000
            EXPECT_EQ(d.Control(1011).text, "KHz");
        })
        .Cancel();
    ShowGainAtFrequency(w.view, ui);
    ui.VerifyDone();
}

}  // namespace
}  // namespace vorna
