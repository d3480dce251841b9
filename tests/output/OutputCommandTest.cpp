#include <gtest/gtest.h>

#include "app/DesignDocument.h"
#include "app/DocumentResults.h"
#include "dialogs/OutputChoiceDialog.h"
#include "output/SchematicText.h"
#include "output/TempFolder.h"
#include "platform/ShiftJisText.h"
#include "support/ScriptedUi.h"
#include "view/DesignView.h"

namespace vorna {
namespace {

using testing::ReadFile;
using testing::ScriptedUi;
using testing::TempFolder;

TEST(OutputCommand, ChoiceIsRememberedAndDispatched) {
    DesignDocument doc;
    DesignView view(doc);
    ScriptedUi ui;
    ui.ExpectDialog(kOutputChoiceDialogId)
        .Inspect([](const Dialog& d) { EXPECT_TRUE(d.Control(kOutputGainAtFrequency).checked); })
        .Click(kOutputExchangeOpAmps)
        .Ok();
    ui.ExpectOpenFile(std::nullopt);
    view.OnOutput(ui);
    EXPECT_EQ(view.outputChoice, kOutputExchangeOpAmps);
    EXPECT_EQ(view.displayMode, DisplayMode::Graph);

    // The coefficient report, cancelled: the view stays on the coefficient list.
    ui.ExpectDialog(kOutputChoiceDialogId)
        .Inspect([](const Dialog& d) { EXPECT_TRUE(d.Control(kOutputExchangeOpAmps).checked); })
        .Click(kOutputCoefficients)
        .Ok();
    ui.ExpectSaveFile(std::nullopt);
    view.OnOutput(ui);
    EXPECT_EQ(view.displayMode, DisplayMode::CoefficientList);

    ui.ExpectDialog(kOutputChoiceDialogId).Click(kOutputGainList).Cancel();
    view.OnOutput(ui);
    EXPECT_EQ(view.outputChoice, kOutputCoefficients);
}

// The whole circuit output of the default design (Butterworth low-pass of order 18) with
// circuit LP1 and the real synthesis, every proposal accepted.
TEST(OutputCommand, CircuitOutputOfTheDefaultDesign) {
    TempFolder program;
    TempFolder current;
    std::filesystem::create_directory(program / "sys");
    const std::string reference =
        "SYMBOL res 0 0 R0\nSYMATTR InstName R1_1\nSYMATTR Value 1k\n"
        "SYMBOL cap 0 0 R0\nSYMATTR InstName C2_9\nSYMATTR Value 1n\n"
        "SYMBOL OpAmps\\\\LT1115 16 96 R0\nTEXT 16 -104 Left 2 ;Information 1\n";
    testing::WriteFile(program / "sys/LP1_18.asc", WidenToUtf16(reference));
    DesignDocument doc;
    DesignView view(doc);
    RecomputeResults(view, doc);
    ASSERT_EQ(view.resultOrder, 18);
    const auto before = view.sections;
    ScriptedUi ui;
    ui.programDirectory = program.Path();
    ui.currentDirectory = current.Path();
    ui.ExpectDialog(kOutputChoiceDialogId).Click(kOutputSchematic).Ok();
    ui.ExpectDialog(410).Ok();
    ui.ExpectSaveFile(current / "LP1_18.asc");
    ui.ExpectMessage(TextId::AskUseDefaultOpAmp, IDNO);
    ui.ExpectMessage(TextId::ReferenceOpAmpUsed);
    for (int section = 0; section < 9; ++section) ui.ExpectDialog(720).Ok();
    ui.ExpectMessage(TextId::CircuitOutputDone);
    view.OnOutput(ui);
    ui.VerifyDone();

    const std::string written = ReadFile(current / "LP1_18.asc");
    const std::string unchanged = WidenToUtf16("SYMBOL OpAmps\\\\LT1115 16 96 R0\n");
    EXPECT_NE(written.find(unchanged), std::string::npos);
    EXPECT_EQ(written.find(WidenToUtf16("SYMATTR Value 1k\n")), std::string::npos);
    EXPECT_EQ(written.find(WidenToUtf16("SYMATTR Value 1n\n")), std::string::npos);
    EXPECT_NE(written.find(WidenToUtf16(";Low Pass  Butterworth   order = 18\n")),
              std::string::npos);
    EXPECT_NE(ReadFile(current / "journal.txt").find(Utf8ToShiftJis(" 9 (LP1)")),
              std::string::npos);
    EXPECT_TRUE(view.approximatedByCircuit);
    EXPECT_NE(view.sections, before);  // the realised circuit's coefficients
    EXPECT_EQ(view.displayMode, DisplayMode::Graph);
    EXPECT_EQ(view.eSeriesChoice, 3);
}

}  // namespace
}  // namespace vorna
