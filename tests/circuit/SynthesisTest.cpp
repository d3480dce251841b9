#include <gtest/gtest.h>

#include <cmath>

#include "circuit/CandidateStep.h"
#include "circuit/InitialValueTables.h"
#include "circuit/Synthesis.h"
#include "circuit/SynthesisFixture.h"
#include "circuit/models/BandPassModel.h"
#include "circuit/models/FirstOrderModel.h"
#include "circuit/models/NotchModel.h"
#include "circuit/models/SecondOrderModel.h"

namespace vorna {
namespace {

using testing::SynthesisRun;
using namespace vorna::testing;

const char kComponentUnitMessage[] =
    "単位の記号は次に示すものが使用出来ます\n\nf p n u m (なし) K Meg G T";

double W0(const Section& s) {
    return std::sqrt(s.den0);
}
double Q(const Section& s) {
    return std::sqrt(s.den0) / s.den1;
}

TEST(Synthesis, OddLowPassWithLP1WritesFirstOrderThenNumberedSections) {
    SynthesisRun run;
    run.Butterworth(kLowPass, 5, 1000);
    const auto design = run.view.sections;
    run.ui.ExpectDialog(710)
        .ExpectText(913, "1")
        .ExpectText(914, "n")
        .ExpectText(900, "  0.5310  %")
        .Ok();
    run.ui.ExpectDialog(720).ExpectText(912, "R1_2 = ").Ok();
    run.ui.ExpectDialog(720).ExpectText(912, "R1_3 = ").Ok();
    run.Run(LP1);

    const std::string journal = run.JournalBytes();
    const std::string head = SynthesisRun::ShiftJis(
        "１次のフィルタ回路\n"
        " 1(lp1) R1_1 = 159.1549K C1_1 =   1.0000n  誤差 = 0.53 %\n"
        " 2 (LP1)「LP1-0-1」 C1_2 = ");
    EXPECT_EQ(journal.substr(0, head.size()), head);
    EXPECT_NE(journal.find(SynthesisRun::ShiftJis(" 3 (LP1)「LP1-0-2」 C1_3 = ")),
              std::string::npos);
    EXPECT_NE(journal.find(SynthesisRun::ShiftJis("   R1_3 = R3_3 = ")), std::string::npos);

    // The first-order section: p2 = p0 = 1/(C R).
    EXPECT_EQ(RealiseFirstOrder(true, run.Value("R1_1"), run.Value("C1_1"), {}),
              (FirstOrderSection{run.view.p0, 0, run.view.p2}));
    for (int n = 2; n <= 3; ++n) {
        const auto name = [n](const char* element) {
            return std::string(element) + "_" + std::to_string(n);
        };
        const double r1 = run.Value(name("R1")), r2 = run.Value(name("R2")),
                     c1 = run.Value(name("C1")), c2 = run.Value(name("C2"));
        EXPECT_EQ(run.Value(name("R3")), r1);
        const Section& s = run.view.sections[static_cast<std::size_t>(n - 2)];
        EXPECT_EQ(s, RealiseLowPass(SecondOrderForm::MultipleFeedback, r1, r2, c1, c2,
                                    design[static_cast<std::size_t>(n - 2)]));
        // Unrounded derived values realise the design itself.
        EXPECT_NEAR(W0(s) / W0(design[static_cast<std::size_t>(n - 2)]), 1, 1e-9);
        EXPECT_NEAR(Q(s) / Q(design[static_cast<std::size_t>(n - 2)]), 1, 1e-9);
        // C2 is the largest series value with C1'/C2 >= m.
        EXPECT_GE(c1 / c2, 9 * Q(s) * Q(s) * (1 - 1e-12));
    }
}

TEST(Synthesis, RoundedLP2SectionsStayWithinTheSeriesDeviation) {
    SynthesisRun run;
    run.Butterworth(kLowPass, 6, 2500);
    const auto design = run.view.sections;
    for (int k = 0; k < 3; ++k) {
        run.ui.ExpectDialog(720).Click(903);  // the next candidate
        run.ui.ExpectDialog(720).Click(902);  // rounded to the series
        run.ui.ExpectDialog(720).Ok();
    }
    run.Run(LP2);
    for (int i = 0; i < 3; ++i) {
        const auto n = std::to_string(i + 1);
        const double r1 = run.Value("R1_" + n), r2 = run.Value("R2_" + n),
                     c1 = run.Value("C1_" + n), c2 = run.Value("C2_" + n);
        const Section& s = run.view.sections[static_cast<std::size_t>(i)];
        const Section& d = design[static_cast<std::size_t>(i)];
        EXPECT_EQ(s, RealiseLowPass(SecondOrderForm::SallenKey, r1, r2, c1, c2, d));
        EXPECT_EQ(s.num0, s.den0);
        // R1 = R2 are rounded to one series value: the pole frequency moves by at most the
        // E24 spacing, Q not at all.
        EXPECT_EQ(r1, r2);
        EXPECT_NEAR(W0(s) / W0(d), 1, 0.05);
        EXPECT_NEAR(Q(s) / Q(d), 1, 1e-9);
        ESeriesState e24;
        EXPECT_EQ(e24.NearestSeriesValue(r1).deviation, 0.0);
    }
    EXPECT_NE(run.JournalBytes().find(SynthesisRun::ShiftJis(" 1 (LP2)「LP2-0-1」 C1_1 = ")),
              std::string::npos);
}

TEST(Synthesis, OddHighPassWithHP1) {
    SynthesisRun run;
    run.Butterworth(kHighPass, 3, 1000);
    const auto design = run.view.sections;
    run.ui.ExpectDialog(710).Ok();
    run.ui.ExpectDialog(720).ExpectText(912, "R1_2 = ").ExpectText(915, "C1_2 = ").Ok();
    run.Run(HP1);
    std::vector<std::string> names;
    for (const auto& e : run.out.elementValues) names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"R1_1", "C1_1", "R2_1", "R1_2", "R2_2", "C1_2",
                                               "C2_2", "C3_2"}));
    EXPECT_EQ(RealiseFirstOrder(false, run.Value("R1_1"), run.Value("C1_1"), {}),
              (FirstOrderSection{run.view.p0, run.view.p1, 0}));
    EXPECT_EQ(run.view.p1, 1);
    const double r1 = run.Value("R1_2"), r2 = run.Value("R2_2"), c = run.Value("C1_2");
    const Section& s = run.view.sections[0];
    EXPECT_EQ(s, RealiseHighPass(SecondOrderForm::MultipleFeedback, r1, r2, c, c, design[0]));
    EXPECT_EQ(s.num2, 1);
    EXPECT_NEAR(W0(s) / W0(design[0]), 1, 1e-9);
    EXPECT_NEAR(Q(s) / Q(design[0]), 1, 1e-9);
    const std::string journal = run.JournalBytes();
    EXPECT_NE(journal.find(SynthesisRun::ShiftJis(
                  " 1 (hp1) R1_1 = R1_2 = 159.1549K C1_1 =   1.0000n  誤差 = 0.5310 %\n")),
              std::string::npos);
    EXPECT_NE(journal.find(SynthesisRun::ShiftJis(" 2 (HP1)「HP1-0-2」 R1_2 = ")),
              std::string::npos);
}

TEST(Synthesis, HP2ShowsEachR1AgainBeforeMovingOn) {
    SynthesisRun run;
    run.Butterworth(kHighPass, 2, 1000);
    const auto design = run.view.sections;
    auto first = std::make_shared<std::string>();
    run.ui.ExpectDialog(720)
        .Inspect([first](const Dialog& d) { *first = d.Control(910).text; })
        .Click(903);
    run.ui.ExpectDialog(720)
        .Inspect([first](const Dialog& d) { EXPECT_EQ(d.Control(910).text, *first); })
        .Ok();
    run.Run(HP2);
    const double c = run.Value("C1_1");
    EXPECT_EQ(run.view.sections[0], RealiseHighPass(SecondOrderForm::SallenKey, run.Value("R1_1"),
                                                    run.Value("R2_1"), c, c, design[0]));
    EXPECT_EQ(run.Value("C2_1"), c);
}

TEST(Synthesis, FirstOrderCandidatesCycleThroughOneDecade) {
    SynthesisRun run;
    run.Butterworth(kLowPass, 3, 1000);
    run.ui.ExpectDialog(710).ExpectText(913, "1").Click(903);
    run.ui.ExpectDialog(710).ExpectText(913, "1.1").Click(903);
    for (int k = 2; k < 24; ++k) run.ui.ExpectDialog(710).Click(903);
    run.ui.ExpectDialog(710).ExpectText(913, "1").ExpectText(914, "n").Ok();
    run.ui.ExpectDialog(720).Ok();
    run.Run(LP2);
    EXPECT_DOUBLE_EQ(run.Value("C1_1"), 1e-9);
}

TEST(Synthesis, FirstOrderStartCapacitorByFrequency) {
    const std::pair<double, std::pair<const char*, const char*>> cases[] = {{1000, {"1", "n"}},
                                                                            {2e5, {"10", "p"}},
                                                                            {0.0005, {"10", "m"}},
                                                                            {0.005, {"1", "m"}},
                                                                            {50, {"0.1", "u"}}};
    for (const auto& [fc, shown] : cases) {
        SynthesisRun run;
        run.Butterworth(kLowPass, 1, fc);
        run.view.sectionLast = -1;
        run.ui.ExpectDialog(710).ExpectText(913, shown.first).ExpectText(914, shown.second).Ok();
        run.Run(LP1);
    }
}

TEST(Synthesis, InitialTableValueByBandAndQClass) {
    const double u2 = std::pow(1 - std::log10(2.0), 2);  // 2 in its band
    struct Case {
        const InitialValueTable* table;
        double hz;  // the lookup's own 2π: omega = hz * 6.283184
        double q;
        double value;
        int band, qClass;
    };
    const Case cases[] = {
        // Interpolated towards the next band, within the two table values.
        {&kTableLP3, 2000, 5, 1.12e-7 * u2, 0, 0},
        {&kTableLP4, 20000, 2, 5.5e-8 * u2, 1, 1},
        // Below 1 kHz the frequency is brought up and the value scaled by the same decades.
        {&kTableLP3, 200, 5, 10 * 1.12e-7 * u2, 0, 0},
        // Interpolation limited to the range of the two table values (5 in its band).
        {&kTableLP1, 500, 0.707, 10 * 1e-10, 0, 2},
        {&kTableHP4, 5e5, 2, 2e-10, 2, 1},
        {&kTableHP4, 2e5, 1.5, 2.75e-10 * (1 - u2), 2, 2},
        // Equal neighbours: no interpolation.
        {&kTableLP2, 20000, 4, 1e-9, 1, 0},
        // Band 3 has no next band; above 3.5 MHz the value is a tenth.
        {&kTableHP1, 2e6, 4, 3e-11, 3, 0},
        {&kTableHP1, 5e6, 4, 3e-12, 3, 0},
    };
    for (const Case& c : cases) {
        const InitialValue found = InitialTableValue(*c.table, c.hz * 6.283184, c.q);
        EXPECT_NEAR(found.value / c.value, 1, 1e-9) << c.table->name << " " << c.hz;
        EXPECT_STREQ(found.range.table, c.table->name);
        EXPECT_EQ(found.range.band, c.band) << c.table->name << " " << c.hz;
        EXPECT_EQ(found.range.qClass, c.qClass) << c.table->name << " " << c.hz;
    }
}

TEST(Synthesis, TypedCapacitorOfAHighPassSectionComesBack) {
    SynthesisRun run;
    run.Butterworth(kHighPass, 2, 1000);
    run.ui.ExpectDialog(720).Type(913, "10").Pick(914, "n").Click(901);
    // R1 moves to its nearest series value, so C comes back within the series spacing.
    run.ui.ExpectDialog(720)
        .ExpectText(914, "n")
        .Inspect([](const Dialog& d) {
            const double shown = std::stod(d.Control(913).text);
            EXPECT_NEAR(shown, 10, 0.5) << d.Control(913).text;
        })
        .Ok();
    run.Run(HP2);
    EXPECT_NEAR(run.Value("C1_1") / 10e-9, 1, 0.05);
}

TEST(Synthesis, TypedValuesRestartTheSearch) {
    SynthesisRun run;
    run.Butterworth(kLowPass, 1, 1000);
    run.view.sectionLast = -1;
    // R = 10 kΩ: C = 15.9 nF, shown as its nearest series value.
    run.ui.ExpectDialog(710).Type(910, "10").Pick(911, "K").Click(901);
    // Zero and negative values are refused and the same candidate comes again.
    run.ui.ExpectDialog(710).ExpectText(913, "16").ExpectText(914, "n").Type(910, "0").Ok();
    run.ui.ExpectMessage(TextId::EnterPositiveComponentValue);
    run.ui.ExpectDialog(710).ExpectText(913, "16").Type(913, "abc").Ok().Type(913, "-2").Ok();
    run.ui.ExpectMessage(TextId::EnterNumber);
    run.ui.ExpectMessage(TextId::EnterPositiveComponentValue);
    // An unknown unit is reported and taken as factor 1: R = 10 Ω gives C = 15.9 µF.
    run.ui.ExpectDialog(710).ExpectText(913, "16").Type(910, "10").Type(911, "k").Ok();
    run.ui.ExpectMessage(kComponentUnitMessage);
    run.ui.ExpectDialog(710).ExpectText(913, "16").ExpectText(914, "u").Click(902);
    run.ui.ExpectDialog(710).ExpectText(910, "10").ExpectText(911, " ").Ok();
    run.Run(LP1);
    EXPECT_DOUBLE_EQ(run.Value("R1_1"), 10);
    EXPECT_DOUBLE_EQ(run.Value("C1_1"), 16e-6);
    EXPECT_DOUBLE_EQ(run.view.p0, 1 / (10 * 16e-6));
}

TEST(Synthesis, SeriesChangeHoldsForTheStepOrBecomesTheDefault) {
    for (const bool makeDefault : {false, true}) {
        SynthesisRun run;
        run.Butterworth(kLowPass, 3, 1000);
        run.ui.ExpectDialog(710).Click(904);
        auto& change = run.ui.ExpectDialog(950).Click(960);
        if (makeDefault) change.Click(953);
        change.Ok();
        run.ui.ExpectDialog(710).ExpectText(952, "E6 シリーズからの誤差 =").Click(903);
        run.ui.ExpectDialog(710).ExpectText(913, "1.5").Ok();
        run.ui.ExpectDialog(720)
            .ExpectText(952, makeDefault ? "E6 シリーズからの誤差 =" : "E24 シリーズからの誤差 =")
            .Ok();
        run.Run(LP1);
        EXPECT_EQ(run.out.eDefault, makeDefault ? 1 : 3);
    }
}

TEST(Synthesis, EscapeRestartsFromTheCurrentCandidate) {
    SynthesisRun run;
    run.Butterworth(kLowPass, 1, 1000);
    run.view.sectionLast = -1;
    run.ui.ExpectDialog(710).Click(903);
    run.ui.ExpectDialog(710).ExpectText(913, "1.1").Escape();
    run.ui.ExpectDialog(710).ExpectText(913, "1.1").Ok();
    run.Run(LP1);
}

TEST(Synthesis, BP2WithUnityGainNeedsNoR3) {
    SynthesisRun run;
    const double w0 = Omega(1000);
    run.BandSections(kBandPass, {MakeSection(w0, 5, 0, w0 / 5, 0)});
    run.ui.ExpectDialog(741).ExpectText(912, "R1_1 = ").Ok();
    run.ui.ExpectDialog(742).ExpectText(930, "R3_1 = 0 ").ExpectText(900, "0  %").Ok();
    run.Run(BP2);
    EXPECT_EQ(run.Value("R3_1"), 0.01);
    EXPECT_EQ(run.Value("R4_1"), 10000);
    const Section& s = run.view.sections[0];
    EXPECT_DOUBLE_EQ(s.num1, s.den1);
    EXPECT_NEAR(W0(s) / w0, 1, 1e-9);
    EXPECT_NEAR(Q(s) / 5, 1, 1e-9);
    EXPECT_EQ(run.Value("R11_1"), run.Value("R12_1"));
    EXPECT_NE(run.JournalBytes().find(SynthesisRun::ShiftJis(
                  " 1  R3_1 =  10.0000m  R4_1 =  10.0000K   誤差 = 0.00 %\n")),
              std::string::npos);
}

TEST(Synthesis, BP1RealisesGainAndQ) {
    SynthesisRun run;
    const double w0 = Omega(12000);
    run.BandSections(kBandPass, {MakeSection(w0, 4, 0, 2 * w0 / 4, 0)});
    const auto design = run.view.sections;
    run.ui.ExpectDialog(740).Click(902);
    run.ui.ExpectDialog(740).Ok();
    run.Run(BP1);
    const double r1 = run.Value("R1_1"), r2 = run.Value("R2_1"), r3 = run.Value("R3_1"),
                 c = run.Value("C1_1");
    const Section& s = run.view.sections[0];
    EXPECT_EQ(s, RealiseMultipleFeedbackBandPass(r1, r2, r3, c, design[0]));
    EXPECT_NEAR(W0(s) / w0, 1, 0.1);
    EXPECT_NEAR(s.num1 / s.den1, 2, 0.2);
    EXPECT_NE(run.JournalBytes().find(SynthesisRun::ShiftJis(" 1(BP1)「BP1-1-0」 R1_1 = ")),
              std::string::npos);
}

TEST(Synthesis, InfeasibleSectionsStopTheRun) {
    const double w0 = Omega(1000);
    struct Case {
        int circuit;
        int kind;
        Section bad;
        const char* line;
    };
    const Case cases[] = {
        {BP1, kBandPass, MakeSection(w0, 1, 0, 4 * w0, 0), "bpat1 で 変換不能, j = 0\n"},
        {BP2, kBandPass, MakeSection(w0, 5, 0, 0.5 * w0 / 5, 0), "bpat2 で 変換不能, j = 0\n"},
        {LP3, kLowPass, MakeSection(w0, 0.3, 0.1, 0, 0.1 * 4 * w0 * w0),
         "lpet1 で 変換不能, j = 0\n"},
        {LP4, kLowPass, MakeSection(w0, 0.4, 0.1, 0, 0.1 * 4 * w0 * w0),
         "lpet2 で 変換不能, j = 0\n"},
        {BE1, kBandEliminate, MakeSection(w0, 2, 0, 0, 0),
         "lpet1 で 変換不能, j = 0\n"},  // no zeros
    };
    for (const Case& c : cases) {
        SynthesisRun run;
        run.BandSections(c.kind, {c.bad, MakeSection(w0, 2, 1, 0, w0 * w0)});
        run.ui.ExpectMessage(TextId::SynthesisFailed);
        run.Run(c.circuit);
        EXPECT_TRUE(run.out.synthesisFailed) << c.line;
        EXPECT_EQ(run.JournalBytes(), SynthesisRun::ShiftJis(c.line));
    }
}

TEST(Synthesis, StateVariableNotchRealisesTheNotchSection) {
    SynthesisRun run;
    const double w0 = Omega(1000), wz = Omega(2500);
    const double k = w0 * w0 / (wz * wz);
    run.BandSections(kLowPass, {MakeSection(w0, 2, k, 0.123, k * wz * wz)});
    const auto design = run.view.sections;
    run.ui.ExpectDialog(731).ExpectText(918, "Rb_1 = ").Ok();
    run.ui.ExpectDialog(730).ExpectText(912, "R1_1 = ").Click(902);
    run.ui.ExpectDialog(730).Ok();
    run.Run(LP3);
    const double r2 = run.Value("R2_1"), r3 = run.Value("R3_1"), r4 = run.Value("R45_1");
    const double rb = run.Value("Rb1_1"), cb = run.Value("Cb2_1");
    const Section& s = run.view.sections[0];
    EXPECT_EQ(s, RealiseStateVariableNotch(rb, cb, run.Value("R1_1"), r2, r3, r4, design[0]));
    EXPECT_NEAR(s.num0 / s.num2, (r2 / r4) * s.den0, 1e-9 * s.num0 / s.num2);
    EXPECT_EQ(s.num1, 0.123);
    EXPECT_NEAR(W0(s) / w0, 1, 1e-9);
    EXPECT_NEAR(Q(s) / 2, 1, 0.1);
    const std::string journal = run.JournalBytes();
    EXPECT_EQ(journal.find(SynthesisRun::ShiftJis(" 1 (et1)「LP3-0-1」 Rb_1(2個)=")), 0u);
    EXPECT_NE(journal.find(SynthesisRun::ShiftJis("\n 1 R1_1 = ")), std::string::npos);
}

TEST(Synthesis, IntegratorNotchRealisesBothPoleShiftForms) {
    const double w0 = Omega(1000);
    struct Case {
        double wz;
        int shiftDialog;
    };
    for (const Case& c : {Case{Omega(2500), 733}, Case{Omega(400), 734}, Case{w0, 733}}) {
        SynthesisRun run;
        const double k = 0.5;
        run.BandSections(kHighPass, {MakeSection(w0, 3, k, 0, k * c.wz * c.wz)});
        const auto design = run.view.sections;
        run.ui.ExpectDialog(732).Ok();
        run.ui.ExpectDialog(c.shiftDialog).Ok();
        run.ui.ExpectDialog(735).Ok();
        run.ui.ExpectDialog(736).Ok();
        run.Run(HP4);
        const double rb = run.Value("Rb1_1"), cb = run.Value("Cb1_1");
        EXPECT_EQ(run.Value("C1_1"), 2 * cb);
        EXPECT_EQ(run.Value("R1_1"), rb / 2);
        const Section& s = run.view.sections[0];
        EXPECT_NEAR(s.num0 / s.num2, 1 / ((cb * rb) * (cb * rb)), 1e-9 * s.num0 / s.num2);
        EXPECT_EQ(s, RealiseIntegratorNotch(rb, cb, run.Value("R2_1"), run.Value("C2_1"),
                                            run.Value("R3_1"), run.Value("R4_1"), run.Value("R5_1"),
                                            run.Value("R6_1"), design[0]));
        // Only the series values of R3..R6 and the shift pair separate the circuit from the design.
        EXPECT_NEAR(W0(s) / w0, 1, 0.05) << c.shiftDialog;
        EXPECT_NEAR(Q(s) / 3, 1, 0.15) << c.shiftDialog;
        EXPECT_NEAR(s.num2 / k, 1, 0.1) << c.shiftDialog;
        EXPECT_EQ(run.JournalBytes().find(SynthesisRun::ShiftJis(" 1 (et2)「HP4-")), 0u);
    }
}

TEST(Synthesis, IntegratorNotchPoleShiftWalkWithoutCandidateStartsOver) {
    SynthesisRun run;
    const double w0 = Omega(1000), wz = Omega(2500);
    run.BandSections(kLowPass, {MakeSection(w0, 3, 0.16, 0, 0.16 * wz * wz)});
    run.ui.ExpectDialog(732).Ok();
    auto first = std::make_shared<std::string>();
    run.ui.ExpectDialog(733)
        .Inspect([first](const Dialog& d) { *first = d.Control(922).text; })
        .Type(922, "1")
        .Pick(923, "f")
        .Ok();
    run.ui.ExpectMessage(TextId::NoCandidateRestarting);
    run.ui.ExpectDialog(733)
        .Inspect([first](const Dialog& d) { EXPECT_EQ(d.Control(922).text, *first); })
        .Ok();
    run.ui.ExpectDialog(735).Ok();
    run.ui.ExpectDialog(736).Ok();
    run.Run(LP4);
    EXPECT_FALSE(run.out.synthesisFailed);
}

TEST(Synthesis, BandEliminateCapacitorScaleFollowsTheBandRatio) {
    const double w0 = Omega(1000);
    struct Case {
        int approximation;
        double fp2;
        double scale;
    };
    const Case cases[] = {
        {kInverseChebyshev, 30000, 1}, {kButterworth, 30000, 10}, {kChebyshev, 5e6, 1000}};
    double reference = 0;
    for (const Case& c : cases) {
        SynthesisRun run;
        run.doc.approximation = c.approximation;
        run.doc.fp1 = 1000;
        run.doc.fp2 = c.fp2;
        run.BandSections(kBandEliminate, {MakeSection(w0, 2, 1, 0, w0 * w0)});
        run.ui.ExpectDialog(731).Ok();
        run.ui.ExpectDialog(730).Ok();
        run.Run(BE1);
        const double cb = run.Value("Cb1_1");
        if (reference == 0) reference = cb;
        EXPECT_NEAR(cb / reference, c.scale, 1e-9 * c.scale);
    }
}

TEST(Synthesis, BP3RealisesAnOddSectionZeroByBP2) {
    SynthesisRun run;
    const double w0 = Omega(1000), wz = Omega(3000);
    run.BandSections(
        kBandPass,
        {MakeSection(w0, 2, 0, 2 * w0 / 2, 0), MakeSection(w0, 4, 0.1, 0, 0.1 * wz * wz)}, 1);
    run.ui.ExpectDialog(741).Ok();
    run.ui.ExpectDialog(742).Ok();
    run.ui.ExpectDialog(731).Ok();
    run.ui.ExpectDialog(730).ExpectText(912, "R1_2 = ").Ok();
    run.Run(BP3);
    const std::string journal = run.JournalBytes();
    EXPECT_EQ(journal.find(SynthesisRun::ShiftJis(" 1(BP2)「BP2-0-1」 R1_1（2 個）= ")), 0u);
    // Section 1 of an odd band-pass design starts from the low-pass table, scaled by ten.
    EXPECT_NE(journal.find(SynthesisRun::ShiftJis(" 2 (et1)「LP3-0-0」")), std::string::npos);
}

}  // namespace
}  // namespace vorna
