// The twenty design procedures driven through their parameter dialogs as a user would.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>

#include "app/DesignDocument.h"
#include "app/DocumentResults.h"
#include "design/DesignResults.h"
#include "design/EllipticFunctions.h"
#include "design/OrderLimits.h"
#include "dialogs/GroupDelayDialog.h"
#include "dialogs/ParameterDialog.h"
#include "support/ScriptedUi.h"

namespace vorna {
namespace {

using testing::ScriptedUi;

constexpr TextId kOrderTooHigh = TextId::RefusalOrderAboveLimit;
constexpr TextId kOrderTooLow = TextId::NoticeOrderRaisedToTwo;
constexpr TextId kBandEdges = TextId::RefusalBandEdgesReversed;
constexpr TextId kAttenuations = TextId::RefusalAttsBelowAttp;
constexpr TextId kFrequencyZero = TextId::RefusalFrequencyNotPositive;
constexpr TextId kFrequencyOutOfRange = TextId::RefusalFrequencyOutOfRange;
constexpr TextId kNotComputable = TextId::RefusalNotComputable;
constexpr TextId kRippleZero = TextId::RefusalRippleNotPositive;

DesignDocument Selection(int kind, int approximation, int byOrder) {
    DesignDocument doc;
    doc.kind = kind;
    doc.approximation = approximation;
    doc.byOrder = byOrder;
    return doc;
}

// Attenuation (dB, positive) of the realised analog transfer function at `hz`.
double AttenuationAt(const DesignResults& r, double hz) {
    const std::complex<double> s(0, kTwoPi * hz);
    std::complex<double> h = 1;
    if (r.resultOddOrder != 0) h *= (r.p1 * s + r.p2) / (s + r.p0);
    for (int i = 0; i <= r.sectionLast; ++i) {
        const Section& n = r.sections[static_cast<std::size_t>(i)];
        h *= (n.num2 * s * s + n.num1 * s + n.num0) / (s * s + n.den1 * s + n.den0);
    }
    return -20 * std::log10(std::abs(h));
}

TEST(DesignDocument, NewDocumentDescribesTheDefaultDesign) {
    const DesignDocument doc;
    EXPECT_EQ(doc.kind, 101);
    EXPECT_EQ(doc.approximation, 111);
    EXPECT_FALSE(doc.byOrder);
    EXPECT_EQ(doc.figures.order, 18);
    EXPECT_FALSE(doc.oddOrder);
    EXPECT_EQ(doc.lastSection, 8);
    EXPECT_EQ(doc.figures.fc, 1000);
    EXPECT_EQ(doc.attp, 3.0102999566398116);
    EXPECT_EQ(doc.atts, 60);
    EXPECT_EQ(doc.xs, 1.5);
}

TEST(DesignDispatcher, EverySelectionShowsItsDialog) {
    struct Case {
        int kind, approximation, byOrder, dialog;
    };
    const Case cases[] = {
        {101, 111, 0, 500}, {101, 112, 0, 501}, {101, 113, 0, 501}, {101, 114, 0, 501},
        {101, 111, 1, 508}, {101, 112, 1, 509}, {101, 113, 1, 510}, {101, 114, 1, 510},
        {102, 111, 0, 502}, {102, 112, 0, 503}, {102, 113, 0, 503}, {102, 114, 0, 503},
        {102, 111, 1, 511}, {102, 112, 1, 512}, {102, 113, 1, 513}, {102, 114, 1, 513},
        {103, 111, 0, 504}, {103, 112, 0, 505}, {103, 113, 0, 505}, {103, 114, 0, 505},
        {103, 111, 1, 514}, {103, 112, 1, 515}, {103, 113, 1, 516}, {103, 114, 1, 516},
        {104, 111, 0, 506}, {104, 112, 0, 507}, {104, 113, 0, 507}, {104, 114, 0, 507},
        {104, 111, 1, 517}, {104, 112, 1, 518}, {104, 113, 1, 519}, {104, 114, 1, 519},
    };
    const char* const names[] = {"", "Chebyshev", "Inv. Cheb", "Elliptic"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog);
        DesignDocument doc = Selection(c.kind, c.approximation, c.byOrder);
        doc.figures.order = 7;
        ScriptedUi ui;
        auto& step = ui.ExpectDialog(c.dialog);
        if (c.dialog == 501 || c.dialog == 503 || c.dialog == 505 || c.dialog == 507 ||
            c.dialog == 510 || c.dialog == 513 || c.dialog == 516 || c.dialog == 519) {
            step.ExpectText(526, names[c.approximation - 111]);
        }
        step.Cancel();
        EXPECT_EQ(doc.RunDesign(ui), DesignRun::Cancelled);
        // Cancel leaves the document alone; the dispatcher still derives the section counts.
        EXPECT_EQ(doc.figures.order, 7);
        EXPECT_TRUE(doc.oddOrder);
        EXPECT_EQ(doc.lastSection, 2);
    }
}

TEST(DesignDispatcher, SectionCountsFollowTheOrder) {
    const struct {
        int order, odd, last;
    } cases[] = {{2, 0, 0}, {3, 1, 0}, {4, 0, 1}, {17, 1, 7}, {58, 0, 28}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.order);
        DesignDocument doc = Selection(101, 111, 1);
        ScriptedUi ui;
        ui.ExpectDialog(508).Type(534, std::to_string(c.order)).Ok();
        EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
        EXPECT_EQ(doc.figures.order, c.order);
        EXPECT_EQ(doc.oddOrder, c.odd != 0);
        EXPECT_EQ(doc.lastSection, c.last);
    }
}

// The Bessel by-order dialogs ask what the cut-off fixes and the document keeps the choice;
// the Legendre ones do not ask.
TEST(BesselDesign, ByOrderDialogTakesTheNormalisation) {
    DesignDocument doc = Selection(101, kBessel, 1);
    ScriptedUi ui;
    ui.ExpectDialog(508)
        .ExpectText(kBesselNormCombo, BesselNormTexts()[0])
        .Pick(kBesselNormCombo, BesselNormTexts()[1])
        .Type(534, "5")
        .Ok();
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
    EXPECT_EQ(doc.besselNorm, BesselNorm::Delay);
    ui.ExpectDialog(508).ExpectText(kBesselNormCombo, BesselNormTexts()[1]).Ok();
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);

    DesignDocument legendre = Selection(102, kLegendre, 1);
    ui.ExpectDialog(511)
        .Inspect([](const Dialog& d) { EXPECT_EQ(d.Controls().count(kBesselNormCombo), 0u); })
        .Ok();
    EXPECT_EQ(legendre.RunDesign(ui), DesignRun::Designed);
}

// The Bessel low-pass by-order dialog's group-delay entry designs what `vorna-cli design
// --group-delay S --delay-to F --delay-tolerance P` does (order and Fc from its output), and a
// refused entry shows its message and the group-delay dialog again.
TEST(BesselDesign, GroupDelayEntryDesignsAsTheCli) {
    const struct {
        const char *delay, *hz, *percent;
        int order;  // 0: refused with `refusal`
        double fc;  // Hz
        TextId refusal;
    } cases[] = {
        {"1e-3", "300", "1", 4, 159.15494309189532, {}},
        {"2.5e-5", "10000", "0.1", 5, 6366.197723675814, {}},
        {"0", "300", "1", 0, 0, TextId::GroupDelayDelayRange},
        {"1e-3", "0", "1", 0, 0, TextId::GroupDelayFrequencyNotPositive},
        {"1e-3", "300", "100", 0, 0, TextId::GroupDelayPercentRange},
        {"1e-3", "1e6", "1", 0, 0, TextId::GroupDelayOrderAboveLimit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.delay) + " s " + c.hz + " Hz " + c.percent + " %");
        DesignDocument doc = Selection(101, kBessel, 1);
        ScriptedUi ui;
        ui.ExpectDialog(508).Click(kGroupDelayButton);
        ui.ExpectDialog(kGroupDelayDialogId)
            .Type(kGroupDelayEdit, c.delay)
            .Type(kDelayToEdit, c.hz)
            .Type(kDelayToleranceEdit, c.percent)
            .Ok();
        if (c.order == 0) {
            ui.ExpectMessage(c.refusal);
            ui.ExpectDialog(kGroupDelayDialogId).Cancel();
            ui.ExpectDialog(508).Cancel();
            EXPECT_EQ(doc.RunDesign(ui), DesignRun::Cancelled);
        } else {
            EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
            EXPECT_EQ(doc.figures.order, c.order);
            EXPECT_DOUBLE_EQ(doc.fp, c.fc);
            EXPECT_EQ(doc.besselNorm, BesselNorm::Delay);
        }
        ui.VerifyDone();
    }
}

// The order label names the highest order of the design's approximation.
TEST(DesignDispatcher, OrderLabelNamesTheApproximationsHighestOrder) {
    const struct {
        int kind, approximation, dialog;
        const char* limit;
    } cases[] = {{101, kBessel, 508, "m(<=44)"},
                 {104, kBessel, 517, "m(<=44)"},
                 {102, kLegendre, 511, "m(<=58)"},
                 {103, 112, 515, "m(<=58)"}};
    for (const auto& c : cases) {
        DesignDocument doc = Selection(c.kind, c.approximation, 1);
        ScriptedUi ui;
        ui.ExpectDialog(c.dialog)
            .Inspect([&c](const Dialog& d) {
                EXPECT_EQ(std::ranges::count_if(
                              d.Resource().controls,
                              [&c](const auto& k) { return k.text.ends_with(c.limit); }),
                          1)
                    << c.dialog;
            })
            .Cancel();
        EXPECT_EQ(doc.RunDesign(ui), DesignRun::Cancelled);
    }
}

TEST(ButterworthDesign, DefaultsGiveOrder18AndOneKilohertz) {
    DesignDocument doc;
    ScriptedUi ui;
    ui.ExpectDialog(500)
        .ExpectText(522, "3.01029995663981")
        .ExpectText(520, "1")
        .ExpectText(521, "KHz")
        .ExpectText(523, "1.5")
        .ExpectText(524, "60")
        .Ok();
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
    EXPECT_EQ(doc.figures.order, 18);
    EXPECT_EQ(doc.figures.orderExact, 18);
    EXPECT_NEAR(doc.figures.fc, 1000, 1e-9);
    EXPECT_DOUBLE_EQ(doc.figures.fs, 1500);
    EXPECT_EQ(doc.lastSection, 8);
    EXPECT_NEAR(doc.figures.attsAchieved, 10 * std::log10(std::pow(1.5, 36) + 1), 1e-9);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ButterworthDesign, AttenuationAtThePassBandEdgeIsAttp) {
    struct Case {
        int kind, dialog;
        const char *attp, *xs, *atts;
    };
    const Case cases[] = {
        {101, 500, "1", "1.5", "60"}, {101, 500, "3.0103", "2", "40"}, {101, 500, "0.5", "3", "45"},
        {102, 502, "1", "1.5", "60"}, {102, 502, "0.25", "4", "70"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.attp) + " " + c.xs);
        DesignDocument doc = Selection(c.kind, 111, 0);
        ScriptedUi ui;
        ui.ExpectDialog(c.dialog).Type(522, c.attp).Type(523, c.xs).Type(524, c.atts).Ok();
        ASSERT_EQ(doc.RunDesign(ui), DesignRun::Designed);
        DesignResults results;
        RecomputeResults(results, doc);
        EXPECT_NEAR(AttenuationAt(results, doc.fp), std::stod(c.attp), 1e-9);
        EXPECT_GE(AttenuationAt(results, doc.figures.fs), std::stod(c.atts) - 1e-9);
        EXPECT_NEAR(AttenuationAt(results, doc.figures.fs), doc.figures.attsAchieved, 1e-6);
    }
}

TEST(DesignMessages, ChecksSendTheUserBackToTheDialog) {
    struct Case {
        const char* name;
        int kind, approximation, byOrder, dialog;
        std::vector<std::pair<int, std::string>> typed;
        std::vector<TextId> messages;  // empty: refused without a message
    };
    const Case cases[] = {
        {"atts below attp", 101, 111, 0, 500, {{524, "2"}}, {kAttenuations}},
        {"atts below attp, ripple", 102, 112, 0, 503, {{522, "1"}, {524, "0.5"}}, {kAttenuations}},
        {"band edges reversed", 103, 111, 0, 504, {{527, "5"}, {530, "1"}}, {kBandEdges}},
        {"band edges reversed, order mode",
         104,
         113,
         1,
         519,
         {{527, "5"}, {530, "1"}},
         {kBandEdges}},
        {"order above 58", 101, 111, 0, 500, {{523, "1.01"}}, {kOrderTooHigh}},
        {"Chebyshev order above 58",
         102,
         112,
         0,
         503,
         {{523, "1.0001"}, {524, "200"}},
         {kOrderTooHigh}},
        {"elliptic band-pass order above 58",
         103,
         114,
         0,
         505,
         {{523, "1.0000001"}, {524, "2000"}},
         {kOrderTooHigh}},
        {"ripple of 0", 101, 112, 0, 501, {{522, "0"}, {524, "0"}}, {kRippleZero}},
        {"ripple of 0 in order mode", 104, 114, 1, 519, {{522, "0"}}, {kRippleZero}},
        {"pass-band edge of 0", 101, 111, 0, 500, {{520, "0"}}, {kFrequencyZero}},
        {"cut-off of 0 in order mode", 102, 113, 1, 513, {{535, "0"}}, {kFrequencyZero}},
        {"band edge of 0", 103, 112, 0, 505, {{527, "0"}}, {kFrequencyZero}},
        {"pass-band edge too low to design at",
         101,
         114,
         0,
         501,
         {{520, "1e-80"}},
         {kFrequencyOutOfRange}},
        {"band edge too low to design at, order mode",
         104,
         112,
         1,
         518,
         {{527, "1e-320"}},
         {kFrequencyOutOfRange}},
        {"band too narrow for order 58",
         103,
         114,
         1,
         516,
         {{534, "58"}, {527, "1"}, {530, "1.0000001"}},
         {kNotComputable}},
        {"Butterworth band too narrow for order 58",
         103,
         111,
         1,
         514,
         {{534, "58"}, {527, "1"}, {530, "1.0000001"}},
         {kNotComputable}},
        {"Xs of 1", 101, 111, 0, 500, {{523, "1"}}, {}},
        {"Xs of 1 in order mode", 102, 111, 1, 511, {{523, "1"}}, {}},
        {"band-eliminate Xs at the limit",
         104,
         111,
         0,
         506,
         {{527, "1"}, {530, "4"}, {523, "2"}},
         {}},
        {"band-eliminate Xs at the limit, order mode",
         104,
         114,
         1,
         519,
         {{527, "1"}, {530, "4"}, {523, "2"}},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DesignDocument doc = Selection(c.kind, c.approximation, c.byOrder);
        ScriptedUi ui;
        auto& first = ui.ExpectDialog(c.dialog);
        for (const auto& [control, text] : c.typed) first.Type(control, text);
        first.Ok();
        for (const auto& message : c.messages) ui.ExpectMessage(message);
        ui.ExpectDialog(c.dialog).Cancel();
        EXPECT_EQ(doc.RunDesign(ui), DesignRun::Cancelled);
        ui.VerifyDone();
    }
}

TEST(DesignMessages, OrderBelowTwoIsRaisedWithAMessage) {
    struct Case {
        int kind, approximation, dialog;
    };
    // atts equal to attp asks for order 0 of every approximation.
    const Case cases[] = {{101, 111, 500}, {102, 112, 503}, {101, 113, 501}, {101, 114, 501},
                          {103, 111, 504}, {103, 112, 505}, {104, 114, 507}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog);
        DesignDocument doc = Selection(c.kind, c.approximation, 0);
        ScriptedUi ui;
        auto& step = ui.ExpectDialog(c.dialog);
        if (c.dialog == 504) {
            step.Type(524, "3.0102999566398116");
        } else {
            step.Type(522, "3").Type(524, "3");
        }
        step.Ok();
        ui.ExpectMessage(kOrderTooLow);
        EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
        EXPECT_EQ(doc.figures.order, 2);
        EXPECT_EQ(doc.figures.orderExact, 2);
        EXPECT_EQ(doc.lastSection, 0);
        ui.VerifyDone();
    }
}

TEST(DesignMessages, EqualBandEdgesAreRefused) {
    DesignDocument doc = Selection(103, 112, 1);
    ScriptedUi ui;
    ui.ExpectDialog(515).Type(527, "2").Type(530, "2").Ok();
    ui.ExpectMessage(kBandEdges);
    ui.ExpectDialog(515).Cancel();
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Cancelled);
    ui.VerifyDone();
}

TEST(DesignMessages, ChebyshevBandEliminateBeyondItsXsLimitWarnsOfTheAcoshArgument) {
    // The order-mode dialog 518 shows the limit of Xs but does not check it: the band ratio
    // is negative, its acosh is taken as 0 with a message, and the design goes on.
    DesignDocument doc = Selection(104, 112, 1);
    ScriptedUi ui;
    ui.ExpectDialog(518).Type(527, "1").Type(530, "4").Type(523, "3").Type(522, "0.5").Ok();
    ui.ExpectMessage(TextId::NoticeAcoshArgument);
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
    EXPECT_NEAR(doc.figures.attsAchieved, 0.5, 1e-12);
    ui.VerifyDone();
}

TEST(DesignProcedure, ValuesStoredBeforeARefusalStayWhenTheUserCancels) {
    DesignDocument doc = Selection(103, 111, 0);
    ScriptedUi ui;
    ui.ExpectDialog(504).Type(527, "5").Type(530, "1").Ok();
    ui.ExpectMessage(kBandEdges);
    ui.ExpectDialog(504).ExpectText(527, "5").ExpectText(530, "1").Cancel();
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Cancelled);
    EXPECT_DOUBLE_EQ(doc.fp1, 5000);
    EXPECT_DOUBLE_EQ(doc.fp2, 1000);
}

TEST(DesignProcedure, FrequenciesAreStoredInHertzAndShownInTheirNaturalUnit) {
    DesignDocument doc;
    ScriptedUi ui;
    ui.ExpectDialog(500).Type(520, "1500").Pick(521, "Hz").Ok();
    ui.ExpectDialog(500)
        .ExpectText(520, "1.5")
        .ExpectText(521, "KHz")
        .Type(520, "0.05")
        .Pick(521, "Meg")
        .Ok();
    ui.ExpectDialog(500).ExpectText(520, "50").ExpectText(521, "KHz").Cancel();
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
    EXPECT_DOUBLE_EQ(doc.fp, 1500);
    EXPECT_EQ(doc.unitFp, 2);
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
    EXPECT_DOUBLE_EQ(doc.fp, 50000);
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Cancelled);
}

TEST(DesignProcedure, ButterworthShowsThreeDecibelsAndOthersTheRememberedRipple) {
    DesignDocument doc;
    doc.attp = 0.5;
    ScriptedUi ui;
    ui.ExpectDialog(500).ExpectText(522, "3.01029995663981").Ok();
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
    doc.approximation = kChebyshev;
    ui.ExpectDialog(501).ExpectText(522, "0.1").Type(522, "0.5").Ok();
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
    EXPECT_EQ(doc.rippleMemory, 0.5);
    doc.approximation = kButterworth;
    ui.ExpectDialog(500).ExpectText(522, "3.01029995663981").Ok();
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
    EXPECT_EQ(doc.rippleMemory, 0.5);
    doc.approximation = kElliptic;
    ui.ExpectDialog(501).ExpectText(522, "0.5").Cancel();
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Cancelled);
}

TEST(DesignProcedure, FirstEntryGoesOnWithTheDocumentValuesOnCancel) {
    DesignDocument doc = Selection(103, 114, 1);
    doc.firstEntry = true;
    ScriptedUi ui;
    ui.ExpectDialog(516).Type(534, "9").Cancel();
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
    EXPECT_EQ(doc.figures.order, 18);
    EXPECT_DOUBLE_EQ(doc.figures.fc, std::sqrt(1000.0 * 3000.0));
    EXPECT_DOUBLE_EQ(doc.figures.bandwidth, 2000 * kTwoPi);
    EXPECT_DOUBLE_EQ(doc.attp, 0.1);
}

TEST(DesignProcedure, FirstEntryCancelAfterARangeErrorDesignsFromTheDocument) {
    // Dialog 500 reads attp, atts and Fp before it refuses Xs; the Cancel that follows must
    // not hand those half-read entries to the design.
    DesignDocument doc;
    doc.firstEntry = true;
    ScriptedUi ui;
    ui.ExpectDialog(500)
        .Type(522, "1")
        .Type(524, "40")
        .Type(520, "2")
        .Type(523, "200")
        .Ok()
        .Cancel();
    ui.ExpectMessage("Please enter a number between 1 and 100.");
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
    EXPECT_EQ(doc.atts, 60);
    EXPECT_DOUBLE_EQ(doc.attp, 3.0102999566398116);
    EXPECT_DOUBLE_EQ(doc.fp, 1000);
    EXPECT_EQ(doc.figures.order, 18);
    ui.VerifyDone();
}

TEST(DesignProcedure, FirstEntryCancelOfRefusedValuesDoesNotLoop) {
    // The stored Xs is above the limit of the stored band: the document's own values are
    // refused silently, and the second Cancel abandons.
    DesignDocument doc = Selection(104, 111, 0);
    doc.xs = 5;
    doc.firstEntry = true;
    ScriptedUi ui;
    ui.ExpectDialog(506).Cancel();
    ui.ExpectDialog(506).Cancel();
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Cancelled);
    ui.VerifyDone();
}

TEST(DesignProcedure, FirstEntryCancelAfterARefusedOkDesignsFromTheDocument) {
    DesignDocument doc;
    doc.firstEntry = true;
    ScriptedUi ui;
    ui.ExpectDialog(500).Type(524, "1").Ok();
    ui.ExpectMessage(kAttenuations);
    ui.ExpectDialog(500).Cancel();  // nothing was stored: the document's values pass
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
    EXPECT_EQ(doc.figures.order, 18);
    ui.VerifyDone();
}

TEST(DesignProcedure, FirstEntryCancelOfStoredRefusedValuesAbandons) {
    DesignDocument doc;
    doc.firstEntry = true;
    ScriptedUi ui;
    ui.ExpectDialog(500).Type(523, "1.01").Ok();
    ui.ExpectMessage(kOrderTooHigh);
    ui.ExpectDialog(500).ExpectText(523, "1.01").Cancel();  // Xs 1.01 was stored
    ui.ExpectMessage(kOrderTooHigh);
    ui.ExpectDialog(500).Cancel();
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Cancelled);
    EXPECT_EQ(doc.figures.order, 59);
    EXPECT_EQ(doc.lastSection, 28);
    ui.VerifyDone();
}

TEST(EllipticDesign, SearchAbove300DecibelsStartsAt58) {
    DesignDocument doc = Selection(101, 114, 0);
    ScriptedUi ui;
    ui.ExpectDialog(501).Type(522, "0.1").Type(524, "301").Ok();
    EXPECT_EQ(doc.RunDesign(ui), DesignRun::Designed);
    EXPECT_EQ(doc.figures.order,
              SearchEllipticOrder(ModulusOfRatio(1.5), doc.figures.epsP2, kMaxOrder, 301).order);
    EXPECT_GE(doc.figures.attsAchieved, 301);
}

// The design quantities of one procedure of each family, against values worked out
// independently (SciPy for the elliptic integrals).
TEST(DesignProcedure, DerivedQuantitiesOfEachFamily) {
    struct Case {
        const char* name;
        int kind, approximation, byOrder, dialog;
        std::vector<std::pair<int, std::string>> typed;
        int order;
        double fc, bandwidth, attsAchieved, xs, xsAlt;
    };
    const double nan = std::nan("");
    const Case cases[] = {
        {"LP Chebyshev",
         101,
         112,
         0,
         501,
         {{522, "0.5"}},
         9,
         1000,
         nan,
         60.07921029295552,
         1.5,
         nan},
        {"LP inverse Chebyshev",
         101,
         113,
         0,
         501,
         {{522, "0.5"}},
         9,
         1500,
         nan,
         60.07921029295552,
         1.5,
         nan},
        {"HP elliptic", 102, 114, 0, 503, {}, 7, 1000, nan, 72.12859646174012, 1.5, nan},
        {"BP Butterworth",
         103,
         111,
         0,
         504,
         {},
         11,
         1732.0508075688772,
         12566.370614359172,
         62.16025243433702,
         1.5,
         nan},
        {"BE Chebyshev",
         104,
         112,
         0,
         507,
         {{530, "4"}, {522, "0.5"}, {524, "40"}},
         4,
         2000,
         18849.55592153876,
         40.34537536401113,
         1.5,
         nan},
        {"BP inverse Chebyshev",
         103,
         113,
         0,
         505,
         {{522, "0.5"}},
         7,
         1732.0508075688772,
         24085.54367752175,
         61.906187413692734,
         1.5,
         nan},
        {"BE elliptic by order",
         104,
         114,
         1,
         519,
         {{534, "5"}, {530, "4"}},
         5,
         2000,
         18849.55592153876,
         71.10155247974116,
         1.5,
         2.5714285714285716},
        {"HP Chebyshev by order",
         102,
         112,
         1,
         512,
         {{534, "4"}, {535, "2"}, {522, "0.5"}, {523, "2"}},
         4,
         2000,
         nan,
         30.60347104735845,
         2,
         nan},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DesignDocument doc = Selection(c.kind, c.approximation, c.byOrder);
        ScriptedUi ui;
        auto& step = ui.ExpectDialog(c.dialog);
        for (const auto& [control, text] : c.typed) step.Type(control, text);
        step.Ok();
        ASSERT_EQ(doc.RunDesign(ui), DesignRun::Designed);
        EXPECT_EQ(doc.figures.order, c.order);
        EXPECT_EQ(doc.figures.orderExact, c.order);
        EXPECT_NEAR(doc.figures.fc, c.fc, 1e-9 * c.fc);
        if (!std::isnan(c.bandwidth)) {
            EXPECT_NEAR(doc.figures.bandwidth, c.bandwidth, 1e-9 * c.bandwidth);
        }
        EXPECT_NEAR(doc.figures.attsAchieved, c.attsAchieved, 1e-8);
        EXPECT_EQ(doc.xs, c.xs);
        if (!std::isnan(c.xsAlt)) {
            EXPECT_NEAR(doc.figures.xsAlt, c.xsAlt, 1e-12);
        }
        EXPECT_TRUE(ui.messages.empty());
    }
}

}  // namespace
}  // namespace vorna
