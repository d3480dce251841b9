// Commands 600 and 640 on a document window, driven through the scripted user.

#include <gtest/gtest.h>

#include "app/DesignDocument.h"
#include "app/DocumentResults.h"
#include "support/ScriptedUi.h"
#include "view/DesignView.h"

namespace vorna {
namespace {

using testing::ScriptedUi;

struct Window {
    DesignDocument doc;
    DesignView view{doc};
    int invalidations = 0;
    Window() {
        view.onInvalidate = [this] { ++invalidations; };
    }
};

auto ViewIsBlank(const DesignView& view) {
    return [&view](const Dialog&) { EXPECT_EQ(view.displayMode, DisplayMode::Blank); };
}

TEST(FilterSelectCommand, OpensWithTheDocumentsSelectionAndCancelChangesNothing) {
    Window w;
    w.view.displayMode = DisplayMode::CoefficientList;
    ScriptedUi ui;
    ui.ExpectDialog(100)
        .Inspect([](const Dialog& d) {
            EXPECT_TRUE(d.Control(101).checked);
            EXPECT_TRUE(d.Control(111).checked);
            EXPECT_FALSE(d.Control(115).checked);
            EXPECT_TRUE(d.Control(2403).checked);
        })
        .Inspect(ViewIsBlank(w.view))
        .Click(103)
        .Cancel();
    w.view.OnFilterSelect(ui);
    EXPECT_EQ(w.doc.kind, kLowPass);
    EXPECT_TRUE(w.view.noDesignYet);
    EXPECT_EQ(w.view.displayMode, DisplayMode::CoefficientList);
    EXPECT_EQ(w.invalidations, 1);
    ui.VerifyDone();
}

TEST(FilterSelectCommand, CancelInTheParameterDialogStillDesignsFromTheDocument) {
    Window w;
    ScriptedUi ui;
    ui.ExpectDialog(100).Click(103).Click(114).Click(115).Click(2404).Ok();
    ui.ExpectDialog(516).Inspect(ViewIsBlank(w.view)).Type(534, "4").Cancel();
    w.view.OnFilterSelect(ui);
    EXPECT_EQ(w.doc.kind, kBandPass);
    EXPECT_EQ(w.doc.approximation, kElliptic);
    EXPECT_TRUE(w.doc.byOrder);
    EXPECT_EQ(w.doc.referenceMode, 1);
    EXPECT_FALSE(w.doc.firstEntry);
    EXPECT_EQ(w.doc.figures.order, 18);
    EXPECT_FALSE(w.view.noDesignYet);
    EXPECT_EQ(w.view.resultOrder, 18);
    EXPECT_EQ(w.view.sectionLast, 17);
    EXPECT_EQ(w.view.displayMode, DisplayMode::Graph);
    EXPECT_EQ(w.invalidations, 1);
    ui.VerifyDone();
}

TEST(FilterSelectCommand, ABandTooNarrowToComputeKeepsItsEntriesButNotItsFigures) {
    const char* const kNotComputable =
        "この設定では設計値が計算出来ません。\n帯域幅、次数、減衰量を見直してください。";
    Window w;
    ScriptedUi ui;
    ui.ExpectDialog(100).Click(103).Click(115).Ok();
    ui.ExpectDialog(514).Type(534, "58").Type(530, "1.0000001").Ok();
    ui.ExpectMessage(kNotComputable);
    // The first Cancel goes on with the refused entries, the second abandons.
    ui.ExpectDialog(514).ExpectText(534, "58").ExpectText(530, "1.0000001").Cancel();
    ui.ExpectMessage(kNotComputable);
    ui.ExpectDialog(514).Cancel();
    w.view.OnFilterSelect(ui);
    ui.VerifyDone();
    EXPECT_EQ(w.doc.figures.order, 58);
    EXPECT_DOUBLE_EQ(w.doc.fp2, 1000.0001);
    EXPECT_EQ(w.doc.figures.attsAchieved, 60);
    EXPECT_EQ(w.doc.figures.bandwidth, 2000);
    EXPECT_TRUE(AllFinite(w.view));
}

TEST(FilterSelectCommand, OkDesignsTheNewSelection) {
    Window w;
    ScriptedUi ui;
    ui.ExpectDialog(100).Click(102).Ok();
    ui.ExpectDialog(502).Type(523, "2").Type(524, "40").Ok();
    w.view.OnFilterSelect(ui);
    EXPECT_EQ(w.doc.kind, kHighPass);
    EXPECT_EQ(w.view.resultOrder, 7);
    EXPECT_EQ(w.view.resultOddOrder, 1);
    EXPECT_EQ(w.view.p1, 1);
    EXPECT_DOUBLE_EQ(w.view.p0, w.view.omegaC);
    ui.VerifyDone();
}

TEST(ParameterInputCommand, CancelKeepsTheResultsAndOkReplacesThem) {
    Window w;
    RecomputeResults(w.view, w.doc);
    w.view.convertedToDigital = true;
    w.view.sections[0].den1 = 42;
    {
        ScriptedUi ui;
        ui.ExpectDialog(500).Inspect(ViewIsBlank(w.view)).Type(523, "3").Cancel();
        w.view.OnParameterInput(ui);
        EXPECT_TRUE(w.view.convertedToDigital);
        EXPECT_EQ(w.view.sections[0].den1, 42);
        EXPECT_EQ(w.doc.xs, 1.5);
        EXPECT_EQ(w.view.displayMode, DisplayMode::Graph);
        ui.VerifyDone();
    }
    {
        ScriptedUi ui;
        ui.ExpectDialog(500).Type(523, "3").Ok();
        w.view.OnParameterInput(ui);
        EXPECT_FALSE(w.view.convertedToDigital);
        EXPECT_EQ(w.view.resultOrder, 7);
        EXPECT_NE(w.view.sections[0].den1, 42);
        ui.VerifyDone();
    }
    EXPECT_EQ(w.invalidations, 2);
}

TEST(DesignResults, DefaultDesignGivesItsSectionsAndGraphRanges) {
    DesignDocument doc;
    DesignResults r;
    r.convertedToDigital = true;
    r.approximatedByCircuit = true;
    RecomputeResults(r, doc);
    EXPECT_FALSE(r.noDesignYet);
    EXPECT_FALSE(r.convertedToDigital);
    EXPECT_FALSE(r.approximatedByCircuit);
    EXPECT_EQ(r.resultOrder, 18);
    EXPECT_EQ(r.halfOrder, 9);
    EXPECT_EQ(r.evenOrder, 18);
    EXPECT_EQ(r.sectionLast, 8);
    EXPECT_DOUBLE_EQ(r.omegaC, 6.283185307179586 * 1000);
    EXPECT_EQ(r.invTwoPi, 0.15915494309189535);
    EXPECT_EQ(r.graphFreqMin, 100);
    EXPECT_EQ(r.graphFreqMax, 5000);
    EXPECT_EQ(r.graphAttMax, 80);  // attsAchieved 60 of a new document
    // The first section has the highest Q; one section per pole pair.
    for (int i = 0; i < 8; ++i) EXPECT_LT(r.sections[i].den1, r.sections[i + 1].den1);
    EXPECT_EQ(r.sections.size(), 9u);
    for (int i = 0; i <= 8; ++i) {
        EXPECT_DOUBLE_EQ(r.sections[i].den0, r.omegaC * r.omegaC);
        EXPECT_DOUBLE_EQ(r.sections[i].num0, r.omegaC * r.omegaC);
    }
}

TEST(DesignResults, GraphRangesByKind) {
    struct Case {
        int kind;
        double fp, fs, fp1, fp2, fs1, fs2, achieved;
        double min, max, att;
    };
    const Case cases[] = {
        {kLowPass, 1000, 1500, 0, 0, 0, 0, 63.4, 100, 5000, 90},
        {kHighPass, 1200, 250, 0, 0, 0, 0, 40, 100, 4000, 60},
        {kBandPass, 0, 0, 1000, 3000, 500, 6000, 30.1, 100, 20000, 60},
        {kBandEliminate, 0, 0, 20, 70000, 40, 35000, 0, 10, 300000, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        DesignDocument doc;
        doc.kind = c.kind;
        doc.fp = c.fp;
        doc.figures.fs = c.fs;
        doc.fp1 = c.fp1;
        doc.fp2 = c.fp2;
        doc.figures.fs1 = c.fs1;
        doc.figures.fs2 = c.fs2;
        doc.figures.attsAchieved = c.achieved;
        DesignResults r;
        RecomputeResults(r, doc);
        EXPECT_DOUBLE_EQ(r.graphFreqMin, c.min);
        EXPECT_DOUBLE_EQ(r.graphFreqMax, c.max);
        EXPECT_DOUBLE_EQ(r.graphAttMax, c.att);
    }
}

}  // namespace
}  // namespace vorna
