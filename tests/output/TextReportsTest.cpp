#include <gtest/gtest.h>

#include <cmath>

#include "app/DesignDocument.h"
#include "app/DocumentShown.h"
#include "output/SectionFigures.h"
#include "output/TempFolder.h"
#include "output/TextReports.h"
#include "support/ScriptedUi.h"
#include "view/DesignView.h"

namespace vorna {
namespace {

using testing::ReadFile;
using testing::ScriptedUi;
using testing::TempFolder;

const double kOmega = kTwoPi * 1000;

// Butterworth low-pass sections at 1 kHz, set by hand so that the reports are checked
// against coefficients that do not depend on the design code.
void ButterworthLowPass(DesignView& view, int order) {
    view.resultOrder = order;
    view.resultOddOrder = order % 2;
    view.sectionLast = order / 2 - 1;
    view.sections.assign(static_cast<std::size_t>(order / 2), Section{});
    if (view.resultOddOrder == 1) {
        view.p0 = kOmega;
        view.p1 = 0;
        view.p2 = kOmega;
    }
    for (int k = 0; k <= view.sectionLast; ++k) {
        // Damping 2 sin((2k + 1) pi / 2n) for even orders, 2 cos((k + 1) pi / n) for odd ones.
        const double damping = order % 2 == 0 ? 2 * std::sin((2 * k + 1) * kPi / (2 * order))
                                              : 2 * std::cos((k + 1) * kPi / order);
        view.sections[static_cast<std::size_t>(k)] = {damping * kOmega, kOmega * kOmega, 0, 0,
                                                      kOmega * kOmega};
    }
}

struct Design {
    const char* name;
    void (*set)(DesignDocument&, DesignView&);
};

const std::vector<Design> kDesigns{
    {"lp_even", [](DesignDocument&, DesignView& view) { ButterworthLowPass(view, 4); }},
    {"lp_odd",
     [](DesignDocument& doc, DesignView& view) {
         doc.figures.order = 3;
         ButterworthLowPass(view, 3);
     }},
    {"bp",
     [](DesignDocument& doc, DesignView& view) {
         doc.kind = kBandPass;
         doc.approximation = kChebyshev;
         view.resultOrder = 3;
         view.resultOddOrder = 1;  // odd prototype order: still no first-order block
         view.p0 = 1000;
         view.sectionLast = 2;
         view.sections = {
             {1200, 1.2e8, 0, 1200, 0}, {800, 1.7e8, 0, 800, 0}, {1500, 2.5e8, 0, 1500, 0}};
     }},
    {"digital",
     [](DesignDocument& doc, DesignView& view) {
         doc.figures.order = 3;
         ButterworthLowPass(view, 3);
         view.convertedToDigital = true;
         view.samplingFrequency = 48000;
         view.p0 = -0.8775;
         view.p1 = 0.06125;
         view.p2 = 0.06125;
         view.sections[0] = {-1.8669, 0.8752, 0.00207, 0.00414, 0.00207};
     }},
};

// Writes one report of every design and compares it byte for byte with its expected file;
// on a difference the written file is kept beside the expected one as "*.actual".
void CheckReports(const char* report, bool (*write)(DesignView&, const ShownDesign&, Ui&)) {
    for (const Design& design : kDesigns) {
        DesignDocument doc;
        DesignView view(doc);
        design.set(doc, view);
        view.displayMode = DisplayMode::CoefficientList;
        TempFolder folder;
        ScriptedUi ui;
        ui.ExpectSaveFile(folder / "report.txt");
        ASSERT_TRUE(write(view, ShownDesignOf(doc), ui));
        EXPECT_EQ(view.displayMode, DisplayMode::Graph);
        EXPECT_EQ(ui.openedPaths, std::vector<std::string>{folder / "report.txt"});
        const std::string name =
            std::string(VORNA_SOURCE_DIR "/tests/output/expected/") + report + "_" + design.name;
        const std::string actual = ReadFile(folder / "report.txt");
        if (actual != ReadFile(name + ".txt")) {
            testing::WriteFile(name + ".actual", actual);
            ADD_FAILURE() << report << " of " << design.name << " differs; see " << name
                          << ".actual";
        }
    }
}

TEST(TextReports, CoefficientReportsMatchTheirExpectedFiles) {
    CheckReports("coefficients", WriteCoefficientReport);
}

TEST(TextReports, GainListsMatchTheirExpectedFiles) {
    CheckReports("gainlist", WriteGainList);
}

TEST(TextReports, ReportsAreAppendedAndCancelWritesNothing) {
    DesignDocument doc;
    DesignView view(doc);
    ButterworthLowPass(view, 2);
    TempFolder folder;
    testing::WriteFile(folder / "r.txt", "kept\n");
    ScriptedUi ui;
    ui.ExpectSaveFile(folder / "r.txt");
    ui.ExpectSaveFile(folder / "r.txt");
    ui.ExpectSaveFile(std::nullopt);
    ui.ExpectSaveFile(folder / "no-such-folder/r.txt");
    // A file that cannot be opened is reported with the reason.
    ui.ExpectMessage("「" + folder / "no-such-folder/r.txt" +
                     "」に書き込めませんでした\n\n保存先のフォルダがありません。");
    const ShownDesign design = ShownDesignOf(doc);
    ASSERT_TRUE(WriteGainList(view, design, ui));
    ASSERT_TRUE(WriteGainList(view, design, ui));
    view.displayMode = DisplayMode::CoefficientList;
    EXPECT_FALSE(WriteCoefficientReport(view, design, ui));
    EXPECT_FALSE(WriteCoefficientReport(view, design, ui));
    EXPECT_EQ(view.displayMode, DisplayMode::CoefficientList);
    EXPECT_EQ(ui.openedPaths.size(), 2u);
    const std::string text = ReadFile(folder / "r.txt");
    const std::string once = text.substr(5, (text.size() - 5) / 2);
    EXPECT_EQ(text, "kept\n" + once + once);
    EXPECT_EQ(ui.fileRequests[0].initialName, "*.txt");
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, "txt");
    EXPECT_TRUE(ui.fileRequests[0].appends);
    EXPECT_EQ(ui.filesWritten, (std::vector<std::string>{folder / "r.txt", folder / "r.txt"}));
}

TEST(SectionFigures, GainListFloorAndSnapToZero) {
    struct Case {
        const char* what;
        Section section;
        double omega;
        double gain;
    };
    const std::vector<Case> cases{
        {"unity gain within 0.0001 dB is 0", {1, 1, 0, 0, 1.000005}, 0, 0},
        {"notch at its zero hits the floor", {1, 4, 1, 0, 4}, 2, -140},
        {"plain gain", {1, 1, 0, 0, 10}, 0, 20},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(SectionGainDb(c.section, c.omega), c.gain, 1e-9) << c.what;
    EXPECT_EQ(SecondOrderSectionFigures({2, 4, 0, 0, 4}).gainBandwidth,
              100 * 1.0 * 1 * (2 / kReportTwoPi));
    EXPECT_EQ(SecondOrderSectionFigures({2, 4, 0, 6, 0}).gainBandwidth,
              100 * 1.0 * 3 * (2 / kReportTwoPi));
}

TEST(DataFile, OpensThePickedFileWithTheDesktop) {
    ScriptedUi ui;
    ui.ExpectOpenFile("notes.txt");
    ui.ExpectOpenFile(std::nullopt);
    OpenDataFile(ui);
    OpenDataFile(ui);
    EXPECT_EQ(ui.openedPaths, std::vector<std::string>{"notes.txt"});
    EXPECT_EQ(ui.fileRequests[0].initialName, "*.*");
}

}  // namespace
}  // namespace vorna
