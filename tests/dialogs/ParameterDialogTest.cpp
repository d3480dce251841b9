// The parameter dialogs 500 to 519 and the filter selection dialog 100, driven as a user
// would drive them.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>

#include "dialogs/FilterSelectDialog.h"
#include "dialogs/ParameterDialog.h"
#include "support/ScriptedUi.h"
#include "text/Texts.h"

namespace vorna {
namespace {

using testing::ScriptedUi;

void Fill(ParameterDialog& dialog) {
    dialog.fpValue = 1;
    dialog.fcValue = 1;
    dialog.fpUnit = "KHz";
    dialog.fp1Value = 1;
    dialog.fp1Unit = "KHz";
    dialog.fp2Value = 4;
    dialog.fp2Unit = "KHz";
    dialog.attp = 0.1;
    dialog.xs = 1.5;
    dialog.atts = 60;
    dialog.order = 5;
    dialog.xsUpperLimit = 2;
}

TEST(ParameterDialogs, EveryDialogHasTheControlsItExchanges) {
    for (const auto& spec : kParameterDialogs) {
        SCOPED_TRACE(spec.id);
        const DialogResource r = ParameterDialogResource(spec);
        EXPECT_EQ(r.title, "設計パラメータの入力");
        for (int control : spec.exchangeOrder) EXPECT_NE(r.Find(control), nullptr) << control;
        EXPECT_EQ(r.Find(526) != nullptr, spec.caption == ApproximationCaption::Named);
        EXPECT_EQ(r.Find(533) != nullptr, spec.xsLimit != XsLimit::None);
        ASSERT_NE(r.Find(IDOK), nullptr);
        EXPECT_TRUE(r.Find(IDOK)->defaultButton);
        EXPECT_EQ(r.Find(IDCANCEL)->text, "ｷｬﾝｾﾙ");
        EXPECT_GE(r.height, 82);
        EXPECT_LE(r.height, 122);
        // Every control lies inside the dialog.
        for (const auto& c : r.controls) {
            EXPECT_LE(c.x + c.width, r.width) << c.text;
            EXPECT_LE(c.y + c.height, r.height) << c.text;
        }
        const std::size_t lastItems = r.Find(spec.Has(531)   ? 531
                                             : spec.Has(528) ? 528
                                                             : 521)
                                          ->items.size();
        EXPECT_EQ(lastItems, spec.id == 504 ? 6u : 5u);
    }
}

TEST(ParameterDialogs, EverySelectionHasOneProcedure) {
    // Per kind: from the edges Butterworth and the others; from an order Butterworth,
    // Chebyshev and the others.
    const std::array<std::pair<FilterKind, std::array<int, 5>>, 4> procedures{{
        {FilterKind::LowPass, {500, 501, 508, 509, 510}},
        {FilterKind::HighPass, {502, 503, 511, 512, 513}},
        {FilterKind::BandPass, {504, 505, 514, 515, 516}},
        {FilterKind::BandEliminate, {506, 507, 517, 518, 519}},
    }};
    for (const auto& [kind, ids] : procedures) {
        for (int id = 111; id <= 114; ++id) {
            const Approximation approximation = *ApproximationOf(id);
            const std::size_t fromEdges = id == 111 ? 0 : 1;
            const std::size_t fromOrder = id == 111 ? 2 : id == 112 ? 3 : 4;
            EXPECT_EQ(DesignProcedureFor(kind, approximation, false).id, ids[fromEdges]) << id;
            EXPECT_EQ(DesignProcedureFor(kind, approximation, true).id, ids[fromOrder]) << id;
        }
    }
}

TEST(ParameterDialogs, Dialog507IsLaidOutAsDrawn) {
    const DialogResource r = ParameterDialogResource(ParameterDialogSpecOf(507));
    EXPECT_EQ(r.width, 325);
    EXPECT_EQ(r.height, 112);
    EXPECT_EQ(r.fontPoints, 8);
    struct Expected {
        ControlKind kind;
        int id;
        int x, y;
        const char* text;
    };
    const Expected expected[] = {
        {ControlKind::Static, -1, 5, 10, "フィルタの種類　ＢＥフィルタ"},
        {ControlKind::Static, -1, 200, 10, "遮断特性"},
        {ControlKind::Static, 526, 240, 10, ""},
        {ControlKind::Edit, 527, 200, 20, ""},
        {ControlKind::DropList, 528, 270, 20, ""},
        {ControlKind::Static, -1, 5, 25, "阻止帯域　下端の周波数 Fp1 : (Fs1 = Fp1*xs)"},
        {ControlKind::Edit, 530, 200, 35, ""},
        {ControlKind::DropList, 531, 270, 35, ""},
        {ControlKind::Static, -1, 5, 40, "阻止帯域　上端の周波数 Fp2 : (Fs2 = Fp2/xs)"},
        {ControlKind::Edit, 522, 200, 50, ""},
        {ControlKind::Static, -1, 5, 55, "周波数Fp1,Fp2における減衰量又はリプル attp"},
        {ControlKind::Static, -1, 270, 55, "dB"},
        {ControlKind::Static, -1, 5, 70,
         "減衰量を指定する周波数をFs1として, Xs = Fs1/Fp1を次の範囲で"},
        {ControlKind::Edit, 523, 200, 80, ""},
        {ControlKind::Static, -1, 5, 85, "入力して下さい     1 < Xs <"},
        {ControlKind::Static, 533, 120, 85, ""},
        {ControlKind::Static, -1, 270, 85, "倍"},
        {ControlKind::Edit, 524, 200, 95, ""},
        {ControlKind::Static, -1, 5, 100, "周波数Fs1,Fs2における減衰量 atts"},
        {ControlKind::Static, -1, 270, 100, "dB"},
        {ControlKind::Button, 1, 285, 80, "OK"},
        {ControlKind::Button, 2, 285, 95, "ｷｬﾝｾﾙ"},
    };
    ASSERT_EQ(r.controls.size(), std::size(expected));
    for (std::size_t i = 0; i < r.controls.size(); ++i) {
        SCOPED_TRACE(i);
        const ControlSpec& c = r.controls[i];
        EXPECT_EQ(c.kind, expected[i].kind);
        EXPECT_EQ(c.id, expected[i].id);
        EXPECT_EQ(c.x, expected[i].x);
        EXPECT_EQ(c.y, expected[i].y);
        EXPECT_EQ(c.text, expected[i].text);
    }
}

TEST(ParameterDialogs, RowsFollowTheirOrderAndLabels) {
    // The label texts of a few dialogs, from the top.
    const struct {
        int id;
        std::vector<std::string> labels;
    } cases[] = {
        {500,
         {"フィルタの種類　ローパスフィルタ", "遮断特性　バターワース",
          "カットオフ付近で減衰域の周波数 Fp", "周波数Fpにおける減衰量又はリプル attp", "dB",
          "減衰量を指定する周波数をFsとして, Xs = Fs/Fp", "倍", "周波数Fsにおける減衰量 atts",
          "dB"}},
        {504,
         {"フィルタの種類　バンドパスフィルタ", "遮断特性　バターワース",
          "通過帯域　下端の周波数 Fp1 : (Fs1 = Fp1/xs)",
          "通過帯域　上端の周波数 Fp2 : (Fs2 = Fp2*xs)",
          "周波数Fp1,Fp2における減衰量は 3.01dB とします",
          "減衰量を指定する周波数をFs1として, Xs = Fp1/Fs1", "倍",
          "周波数Fs1,Fs2における減衰量 atts", "dB"}},
        {512,
         {"フィルタの種類　ハイパスフィルタ", "遮断特性　チェビシェフ",
          "設計するフィルタの次数 m(<=58)", "カットオフ周波数 Fc",
          "周波数Fcにおける減衰量又はリプル attp", "dB",
          "最低減衰量に達する周波数をFsとして、Xs = Fc/Fs", "倍"}},
        {514,
         {"フィルタの種類　バンドパスフィルタ", "遮断特性　バターワース",
          "設計するフィルタの次数 m(<=58)", "通過帯域　下端の周波数 Fp1  : (Fs1 = Fp1/xs)",
          "通過帯域　上端の周波数 Fp2  : (Fs2 = Fp2*xs)",
          "最低減衰量に達する周波数をFs1として、Xs = Fp1/Fs1", "倍"}},
        {517,
         {"フィルタの種類　ＢＥフィルタ", "遮断特性　バターワース",
          "設計するフィルタの次数 m(<=58)", "阻止帯域　下端の周波数 Fp1 : (Fs1 = Fp1*xs)",
          "阻止帯域　上端の周波数 Fp2 : (Fs2 = Fp2/xs)",
          "最低減衰量に達する周波数をFs1として、Xs = Fs1/Fp1 を次の範囲で",
          "入力して下さい     1 < Xs <", "倍"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        std::vector<std::string> labels;
        for (const auto& control : ParameterDialogResource(ParameterDialogSpecOf(c.id)).controls) {
            if (control.kind == ControlKind::Static && control.id == IDC_STATIC)
                labels.push_back(control.text);
        }
        EXPECT_EQ(labels, c.labels);
    }
}

// The labels are read as a dialog is laid out, so that they follow a language chosen after the
// first layout.
TEST(ParameterDialogs, LabelsFollowTheLanguageChosenAfterTheFirstLayout) {
    ASSERT_NE(ParameterDialogResource(ParameterDialogSpecOf(517)).title, "");
    struct English {
        English() { SetLanguage(Language::English); }
        ~English() { SetLanguage(Language::Japanese); }
    } english;
    for (const auto& spec : kParameterDialogs) {
        for (const auto& control : ParameterDialogResource(spec).controls) {
            std::string shown = control.text;
            for (const auto& item : control.items) shown += item;
            for (const char c : shown)
                EXPECT_LT(static_cast<unsigned char>(c), 0x80) << spec.id << ": " << shown;
        }
    }
}

TEST(ParameterDialogs, OpeningShowsTheFields) {
    ScriptedUi ui;
    ParameterDialog dialog(507, "Elliptic");
    Fill(dialog);
    ui.ExpectDialog(507)
        .ExpectText(526, "Elliptic")
        .ExpectText(527, "1")
        .ExpectText(528, "KHz")
        .ExpectText(530, "4")
        .ExpectText(522, "0.1")
        .ExpectText(523, "1.5")
        .ExpectText(524, "60")
        .ExpectText(533, "  2.0000")
        .Cancel();
    EXPECT_EQ(dialog.DoModal(ui), IDCANCEL);
}

TEST(ParameterDialogs, RefusedEntriesNameTheRangeAndTakeTheFocus) {
    struct Case {
        int dialog, control;
        std::string text, message;
    };
    const Case cases[] = {
        {508, 534, "1", "Please enter an integer between 2 and 58."},
        {519, 534, "59", "Please enter an integer between 2 and 58."},
        {516, 534, "5.5", "Please enter an integer."},
        {500, 522, "100.5", "Please enter a number between 0 and 100."},
        {501, 524, "2000.1", "Please enter a number between 0 and 2000."},
        {502, 523, "0.99", "Please enter a number between 1 and 100."},
        {517, 523, "100.5", "Please enter a number between 1 and 100."},
        {503, 520, "100001", "Please enter a number between 0 and 100000."},
        {505, 527, "-1", "Please enter a number between 0 and 100000."},
        {510, 535, "1k", "Please enter a number."},
        {506, 523, "2.5", "Please enter a number between 1 and 2."},
        {507, 523, "2.0001", "Please enter a number between 1 and 2."},
        {519, 523, "3", "Please enter a number between 1 and 2."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.dialog) + " " + c.text);
        ScriptedUi ui;
        ParameterDialog dialog(c.dialog, "Elliptic");
        Fill(dialog);
        ui.ExpectDialog(c.dialog).Type(c.control, c.text).Ok().ExpectFocus(c.control).Cancel();
        ui.ExpectMessage(c.message);
        EXPECT_EQ(dialog.DoModal(ui), IDCANCEL);
        ui.VerifyDone();
    }
}

TEST(ParameterDialogs, CancelAfterARefusedOkKeepsTheFieldsAsFilled) {
    // The entries exchanged before the refused one are not handed back by a later Cancel.
    const struct {
        int dialog, refused;
        std::vector<std::pair<int, std::string>> typed;
        std::string message;
    } cases[] = {
        {500,
         523,
         {{522, "1"}, {524, "40"}, {520, "2"}, {523, "0.5"}},
         "Please enter a number between 1 and 100."},
        {507,
         523,
         {{522, "1"}, {524, "40"}, {527, "2"}, {530, "8"}, {523, "99"}},
         "Please enter a number between 1 and 2."},
        {513,
         534,
         {{522, "1"}, {521, "Hz"}, {535, "2"}, {523, "3"}, {534, "1"}},
         "Please enter an integer between 2 and 58."},
        {519,
         523,
         {{522, "1"}, {528, "Meg"}, {527, "2"}, {530, "8"}, {534, "9"}, {523, "99"}},
         "Please enter a number between 1 and 2."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog);
        ScriptedUi ui;
        ParameterDialog dialog(c.dialog, "Elliptic");
        Fill(dialog);
        auto& step = ui.ExpectDialog(c.dialog);
        for (const auto& [control, text] : c.typed) {
            if (control == 521 || control == 528) {
                step.Pick(control, text);
            } else {
                step.Type(control, text);
            }
        }
        step.Ok().ExpectFocus(c.refused).Cancel();
        ui.ExpectMessage(c.message);
        EXPECT_EQ(dialog.DoModal(ui), IDCANCEL);
        EXPECT_EQ(dialog.attp, 0.1);
        EXPECT_EQ(dialog.atts, 60);
        EXPECT_EQ(dialog.fpValue, 1);
        EXPECT_EQ(dialog.fcValue, 1);
        EXPECT_EQ(dialog.fpUnit, "KHz");
        EXPECT_EQ(dialog.fp1Value, 1);
        EXPECT_EQ(dialog.fp1Unit, "KHz");
        EXPECT_EQ(dialog.fp2Value, 4);
        EXPECT_EQ(dialog.xs, 1.5);
        EXPECT_EQ(dialog.order, 5);
        ui.VerifyDone();
    }
}

TEST(ParameterDialogs, RangeEndsAreAccepted) {
    struct Case {
        int dialog;
        std::vector<std::pair<int, std::string>> typed;
    };
    const Case cases[] = {
        {508, {{534, "2"}}},
        {508, {{534, "58"}}},
        {500, {{523, "1"}, {522, "100"}, {524, "2000"}}},
        {500, {{523, "100"}, {522, "0"}, {524, "0"}}},
        {517, {{523, "2.5"}}},
        {506, {{523, "2"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog);
        ScriptedUi ui;
        ParameterDialog dialog(c.dialog, "Elliptic");
        Fill(dialog);
        auto& step = ui.ExpectDialog(c.dialog);
        for (const auto& [control, text] : c.typed) step.Type(control, text);
        step.Ok();
        EXPECT_EQ(dialog.DoModal(ui), IDOK);
    }
    for (const char* unit : {"mHz", "Hz", "KHz", "Meg", "GHz"}) {
        SCOPED_TRACE(unit);
        ScriptedUi ui;
        ParameterDialog dialog(501, "Elliptic");
        Fill(dialog);
        ui.ExpectDialog(501).Type(520, "100000").Pick(521, unit).Ok();
        EXPECT_EQ(dialog.DoModal(ui), IDOK);
        EXPECT_EQ(dialog.fpValue, 100000);
        EXPECT_EQ(dialog.fpUnit, unit);
    }
}

TEST(ParameterDialogs, FieldsAreExchangedInTheDialogsOrder) {
    // Two bad entries: the message and the focus belong to the first one exchanged.
    const struct {
        int dialog, first, second;
    } cases[] = {
        {500, 524, 520}, {513, 535, 523}, {513, 523, 534}, {508, 535, 534}, {504, 524, 527}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog);
        ScriptedUi ui;
        ParameterDialog dialog(c.dialog, "Elliptic");
        Fill(dialog);
        ui.ExpectDialog(c.dialog)
            .Type(c.first, "x")
            .Type(c.second, "x")
            .Ok()
            .ExpectFocus(c.first)
            .Cancel();
        ui.ExpectMessage(c.first == 534 ? "Please enter an integer." : "Please enter a number.");
        dialog.DoModal(ui);
        ui.VerifyDone();
    }
}

TEST(ParameterDialogs, XsLimitFollowsTheBandEdgesAsTyped) {
    ScriptedUi ui;
    ParameterDialog dialog(507, "Elliptic");
    Fill(dialog);
    ui.ExpectDialog(507)
        .ExpectText(533, "  2.0000")
        .Type(530, "9")
        .ExpectText(533, "  3.0000")
        .Type(527, "0")
        .ExpectText(533, "  3.0000")
        .Type(527, "abc")
        .ExpectText(533, "  3.0000")
        .Type(527, "1")
        .Pick(531, "Hz")  // 9 Hz below 1 KHz: the limit stays
        .ExpectText(533, "  3.0000")
        .Pick(531, "Meg")
        .ExpectText(533, " 94.8683")
        .Pick(528, "Meg")
        .ExpectText(533, "  3.0000")
        .Type(530, "100")
        .ExpectText(533, " 10.0000")
        .Type(523, "10.5")
        .Ok()
        .ExpectFocus(523)
        .Type(523, "10")
        .Ok();
    ui.ExpectMessage("Please enter a number between 1 and 10.");
    EXPECT_EQ(dialog.DoModal(ui), IDOK);
    EXPECT_EQ(dialog.xsUpperLimit, 10);
    ui.VerifyDone();
}

TEST(ParameterDialogs, Dialog506AlsoUpdatesOnXsTyping) {
    ScriptedUi ui;
    ParameterDialog dialog(506, "Elliptic");
    Fill(dialog);
    dialog.xsUpperLimit = 7;  // stale: typing Xs recomputes it from the band
    ui.ExpectDialog(506)
        .ExpectText(533, "  7.0000")
        .Type(523, "1.2")
        .ExpectText(533, "  2.0000")
        .Cancel();
    dialog.DoModal(ui);
    ui.VerifyDone();
}

TEST(FilterSelect, OpensWithTheSelectionAndReturnsTheChoice) {
    ScriptedUi ui;
    FilterSelectDialog dialog;
    dialog.kindIndex = 0;
    dialog.approximationIndex = 0;
    dialog.referenceIndex = 0;
    ui.ExpectDialog(100)
        .Inspect([](const Dialog& d) {
            EXPECT_EQ(d.Resource().title, "フィルタの種類選択");
            EXPECT_TRUE(d.Control(101).checked);
            EXPECT_TRUE(d.Control(111).checked);
            EXPECT_FALSE(d.Control(115).checked);
            EXPECT_TRUE(d.Control(2403).checked);
            EXPECT_FALSE(d.Control(2404).checked);
        })
        .Click(104)
        .Click(113)
        .Click(115)
        .Click(2404)
        .Inspect([](const Dialog& d) {
            EXPECT_FALSE(d.Control(101).checked);
            EXPECT_TRUE(d.Control(113).checked);
        })
        .Ok();
    EXPECT_EQ(dialog.DoModal(ui), IDOK);
    EXPECT_EQ(dialog.kindIndex, 3);
    EXPECT_EQ(dialog.approximationIndex, 2);
    EXPECT_TRUE(dialog.byOrder);
    EXPECT_EQ(dialog.referenceIndex, 1);
}

}  // namespace
}  // namespace vorna
