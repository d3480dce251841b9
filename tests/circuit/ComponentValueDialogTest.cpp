#include <gtest/gtest.h>

#include "dialogs/ComponentValueDialog.h"
#include "support/ScriptedUi.h"

namespace vorna {
namespace {

using testing::ScriptedUi;

ComponentDialogRequest Request720() {
    ComponentDialogRequest r;
    r.dialogId = 720;
    r.section = 3;
    r.deviation = 0.0005;
    r.series = 2;
    r.valueA = 4700;              // R1
    r.valueB = 2.2e-8;            // C1
    r.derived = {1e-9, 12.5, 0};  // C2, R2
    return r;
}

TEST(ComponentValueDialog, OpeningShowsLabelsValuesAndDeviation) {
    ScriptedUi ui;
    ComponentValueDialog dialog(Request720());
    ui.ExpectDialog(720)
        .ExpectText(912, "R1_3 = ")
        .ExpectText(915, "C1_3 = ")
        .ExpectText(922, "C2_3 =   1.0000n")
        .ExpectText(926, "R2_3 =  12.5000 ")
        .ExpectText(952, "E12 シリーズからの誤差 =")
        .ExpectText(902, "E12 シリーズ の値で近似する")
        .ExpectText(900, " 50.0000m %")
        .ExpectText(910, "4.7")
        .ExpectText(911, "K")
        .ExpectText(913, "22")
        .ExpectText(914, "n")
        .Ok();
    ui.RunModal(dialog);
    EXPECT_EQ(dialog.action, CandidateAction::Accept);
    ui.VerifyDone();
}

TEST(ComponentValueDialog, DeviationAndBoundTexts) {
    const std::pair<double, const char*> deviations[] = {{0, "0  %"}, {0.015, "  1.5000  %"}};
    for (const auto& [deviation, text] : deviations) {
        ScriptedUi ui;
        ComponentDialogRequest r;
        r.dialogId = 733;
        r.section = 4;
        r.deviation = deviation;
        r.valueA = 1000;
        r.valueB = 1e-9;
        r.bound = 4.7e-10;
        ComponentValueDialog dialog(r);
        ui.ExpectDialog(733)
            .ExpectText(900, text)
            .ExpectText(925, "C2_4 は   0.4700n 以上の値になります")
            .Ok();
        ui.RunModal(dialog);
        ui.VerifyDone();
    }
    ScriptedUi ui;
    ComponentDialogRequest first;
    first.dialogId = 710;
    first.valueA = 100;
    first.valueB = 1e-9;
    ComponentValueDialog dialog(first);
    // The no-suffix class shows a single blank that selects no list entry.
    ui.ExpectDialog(710)
        .ExpectText(911, " ")
        .Inspect([](const Dialog& d) {
            EXPECT_EQ(d.Control(911).selection, -1);
            EXPECT_EQ(d.Control(914).selection, 2);
        })
        .Ok();
    ui.RunModal(dialog);
    ui.VerifyDone();
}

TEST(ComponentValueDialog, ButtonsGiveActions) {
    struct Case {
        const char* what;
        std::function<void(testing::DialogScript&)> play;
        CandidateAction action;
    };
    const Case cases[] = {
        {"check without change", [](auto& s) { s.Click(901); }, CandidateAction::Next},
        {"round", [](auto& s) { s.Click(902); }, CandidateAction::Round},
        {"next", [](auto& s) { s.Click(903); }, CandidateAction::Next},
        {"accept", [](auto& s) { s.Ok(); }, CandidateAction::Accept},
        {"escape", [](auto& s) { s.Escape(); }, CandidateAction::None},
        {"typed A then next", [](auto& s) { s.Type(910, "5.6").Click(903); },
         CandidateAction::TypedA},
        {"unit of B then accept", [](auto& s) { s.Pick(914, "u").Ok(); }, CandidateAction::TypedB},
        {"typed A then round", [](auto& s) { s.Type(910, "5.6").Click(902); },
         CandidateAction::TypedA},
    };
    for (const Case& c : cases) {
        ScriptedUi ui;
        ComponentValueDialog dialog(Request720());
        c.play(ui.ExpectDialog(720));
        ui.RunModal(dialog);
        EXPECT_EQ(dialog.action, c.action) << c.what;
        ui.VerifyDone();
    }
}

TEST(ComponentValueDialog, MarkingLocksTheOtherElement) {
    ScriptedUi ui;
    ComponentValueDialog dialog(Request720());
    ui.ExpectDialog(720)
        .Type(913, "33")
        .Inspect([](const Dialog& d) {
            EXPECT_TRUE(d.Control(910).readOnly);
            EXPECT_TRUE(d.Control(911).items.empty());
            EXPECT_FALSE(d.Control(913).readOnly);
            EXPECT_EQ(d.Control(914).items.size(), 10u);
        })
        .Pick(914, "p")
        .Click(901);
    ui.RunModal(dialog);
    EXPECT_EQ(dialog.action, CandidateAction::TypedB);
    EXPECT_EQ(dialog.TypedMantissa(), 33);
    EXPECT_EQ(dialog.TypedUnit(), "p");
    ui.VerifyDone();
}

TEST(ComponentValueDialog, SeriesChangeAndCancel) {
    ScriptedUi ui;
    ComponentValueDialog dialog(Request720());
    ui.ExpectDialog(720).Click(904).ExpectText(910, "4.7").Click(904);
    ui.ExpectDialog(950).Click(963).Cancel();
    ui.ExpectDialog(950).Click(963).Click(953).Ok();
    ui.RunModal(dialog);
    EXPECT_EQ(dialog.action, CandidateAction::ChangeSeries);
    EXPECT_EQ(dialog.seriesCode, 14);
    ui.VerifyDone();
}

TEST(ComponentValueDialog, MantissaMustBeANumber) {
    ScriptedUi ui;
    ComponentValueDialog dialog(Request720());
    ui.ExpectDialog(720).Type(910, "abc").Ok().ExpectFocus(910).Type(910, "3.3").Ok();
    ui.ExpectMessage(TextId::EnterNumber);
    ui.RunModal(dialog);
    EXPECT_EQ(dialog.action, CandidateAction::TypedA);
    EXPECT_EQ(dialog.mantissaA, 3.3);
    EXPECT_EQ(dialog.unitA, "K");
    ui.VerifyDone();
}

}  // namespace
}  // namespace vorna
