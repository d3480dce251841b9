#include <gtest/gtest.h>

#include "app/CircuitOutputCommand.h"
#include "app/DesignDocument.h"
#include "app/DocumentShown.h"
#include "output/CircuitOutput.h"
#include "output/SchematicText.h"
#include "output/TempFolder.h"
#include "platform/ShiftJisText.h"
#include "support/ScriptedUi.h"
#include "view/DesignView.h"
#include "view/SummaryLines.h"

namespace vorna {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::ScriptedUi;
using testing::TempFolder;
using testing::WriteFile;

constexpr TextId kAskDefaultOpAmp = TextId::AskUseDefaultOpAmp;
constexpr TextId kNoReference = TextId::AskContinueWithoutReference;
constexpr TextId kJournalOnly = TextId::JournalOnlyWithoutFileName;
constexpr TextId kDone = TextId::CircuitOutputDone;
const char kBanner[] =
    "*******************  回路の構成と素子値  **************************************\n";

const std::string kReference =
    "Version 4\nSHEET 1 880 680\nSYMBOL OpAmps\\\\LT1115 16 96 R0\nSYMATTR InstName U1\n"
    "SYMBOL res 0 0 R0\nSYMATTR InstName R1_1\nSYMATTR Value 1k\n"
    "SYMBOL cap 0 0 R0\nSYMATTR Value 1n\nSYMATTR InstName C1_1\n"
    "SYMBOL res 0 0 R0\nSYMATTR InstName Rx1\nSYMATTR Value 10k\n"
    "TEXT 16 -104 Left 2 ;Information 1\nTEXT 16 -72 Left 2 ;Information 2\nTEXT 0 0 Left 2 !.ac "
    "dec 100 1 100k\n";

// Stand-ins for the synthesis, writing into the output run that they are handed.

// A stand-in synthesis: one journal line and three values (the last one for an 'Rx' part).
void FakeSynthesis(const BasicCircuit&, const SynthesisInput&, DesignResults&,
                   SynthesisRunState& run, CandidateChooser&, Ui&) {
    auto& out = static_cast<CircuitOutput&>(run);
    out.journal.WriteLine("fake section 1\n");
    out.SetComponentValue("R1_%-d", 1, 4700);
    out.SetComponentValue("C1_%-d", 1, 22e-9);
    out.SetComponentValue("Rx%-d", 1, 5);
}

// Settles one value and then fails.
void FailingSynthesis(const BasicCircuit&, const SynthesisInput&, DesignResults&,
                      SynthesisRunState& run, CandidateChooser&, Ui&) {
    auto& out = static_cast<CircuitOutput&>(run);
    out.SetComponentValue("R1_%-d", 1, 4700);
    out.journal.WriteLine("lpet2 で 変換不能, j = 0\n");
    out.synthesisFailed = true;
}

// Settles a value of 0, as a design at an absurd frequency would.
void ZeroValueSynthesis(const BasicCircuit&, const SynthesisInput&, DesignResults&,
                        SynthesisRunState& run, CandidateChooser&, Ui&) {
    auto& out = static_cast<CircuitOutput&>(run);
    out.SetComponentValue("R1_%-d", 1, 4700);
    out.SetComponentValue("C1_%-d", 1, 0);
}

class CircuitOutputRun : public ::testing::Test {
protected:
    CircuitOutputRun() : view(doc) {
        std::filesystem::create_directory(program / "sys");
        ui.programDirectory = program.Path();
        ui.currentDirectory = current.Path();
        view.resultOrder = 2;
        view.selectedCircuit = 480;
    }

    void WithReference() { WriteFile(program / "sys/LP1_2.asc", WidenToUtf16(kReference)); }

    void Run(SynthesisEntry synthesis = FakeSynthesis) {
        out.synthesis = synthesis;
        WriteCircuitFiles(out, doc, view, ui);
        ui.VerifyDone();
    }

    std::string Journal() const { return ReadFile(current / "journal.txt"); }

    std::string ExpectedSchematic(const std::string& opAmp, const std::string& r,
                                  const std::string& c) const {
        const SchematicSummary summary = MakeSchematicSummary(view, ShownDesignOf(doc));
        return WidenToUtf16("Version 4\nSHEET 1 880 680\nSYMBOL OpAmps\\\\" + opAmp +
                            " 16 96 R0\nSYMATTR InstName U1\n"
                            "SYMBOL res 0 0 R0\nSYMATTR InstName R1_1\nSYMATTR Value " +
                            r +
                            "\n"
                            "SYMBOL cap 0 0 R0\nSYMATTR Value " +
                            c +
                            "\nSYMATTR InstName C1_1\n"
                            "SYMBOL res 0 0 R0\nSYMATTR InstName Rx1\nSYMATTR Value 10k\n"
                            "TEXT 16 -104 Left 2 ;" +
                            summary.title + "\nTEXT 16 -72 Left 2 ;" + summary.specification +
                            "\nTEXT 0 0 Left 2 !.ac dec 100 1 100k\n");
    }

    TempFolder program;
    TempFolder current;
    DesignDocument doc;
    DesignView view;
    ScriptedUi ui;
    CircuitOutput out;
};

TEST_F(CircuitOutputRun, FullSuccessWritesJournalAndSchematic) {
    WithReference();
    ui.ExpectSaveFile(current / "out.asc");
    ui.ExpectMessage(kAskDefaultOpAmp, IDYES);
    ui.ExpectMessage(kDone);
    Run();
    EXPECT_EQ(ui.fileRequests[0].initialName, "LP1_2.asc");
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, "asc");
    EXPECT_EQ(ReadFile(current / "out.asc"), ExpectedSchematic("ADA4807-4", "4.7K", "22n"));
    const std::string journal = Journal();
    EXPECT_TRUE(journal.starts_with(Utf8ToShiftJis(kBanner + std::string("回路図ファイル名 ") +
                                                   current / "out.asc" + "  作成日時 ")));
    EXPECT_TRUE(journal.ends_with("\nfake section 1\n"));
    EXPECT_TRUE(view.approximatedByCircuit);
    EXPECT_EQ(out.elementValues.size(), 3u);
    EXPECT_EQ(ui.filesWritten,
              (std::vector<std::string>{current / "journal.txt", current / "out.asc"}));
}

TEST_F(CircuitOutputRun, ChoosingTheReferenceItselfAsOutputLosesNothing) {
    WithReference();
    ui.ExpectSaveFile(program / "sys/LP1_2.asc");
    ui.ExpectMessage(kAskDefaultOpAmp, IDNO);
    ui.ExpectMessage(TextId::ReferenceOpAmpUsed);
    ui.ExpectMessage(kDone);
    Run();
    EXPECT_EQ(ReadFile(program / "sys/LP1_2.asc"), ExpectedSchematic("LT1115", "4.7K", "22n"));
}

TEST_F(CircuitOutputRun, FailedSynthesisWritesNoSchematicAndNoFinalMessage) {
    const struct {
        SynthesisEntry synthesis;
        std::vector<TextId> messages;
        std::string journalEnd;
    } cases[] = {
        {FailingSynthesis, {}, "\nlpet2 で 変換不能, j = 0\n"},
        {ZeroValueSynthesis, {TextId::ValuesUnrealisable}, "\n\n"},
    };
    for (const auto& c : cases) {
        WithReference();
        WriteFile(current / "out.asc", "kept");
        ui.ExpectSaveFile(current / "out.asc");
        ui.ExpectMessage(kAskDefaultOpAmp, IDYES);
        for (const auto& message : c.messages) ui.ExpectMessage(message);
        Run(c.synthesis);
        EXPECT_EQ(ReadFile(current / "out.asc"), "kept");
        EXPECT_TRUE(Journal().ends_with(Utf8ToShiftJis(c.journalEnd)));
        EXPECT_FALSE(out.synthesisFailed);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(current.Path()), {}), 2)
            << "no temporary file stays beside the schematic";
        view.approximatedByCircuit = false;
    }
}

TEST_F(CircuitOutputRun, MissingReferenceWithOkWritesTheJournalUnderTheCircuitName) {
    ui.ExpectMessage(kNoReference, IDOK);
    ui.ExpectMessage(kJournalOnly, IDOK);
    ui.ExpectMessage(kDone);
    Run();
    EXPECT_TRUE(Journal().starts_with(
        Utf8ToShiftJis(kBanner + std::string("回路図ファイル名 LP1  作成日時 "))));
    EXPECT_TRUE(Journal().ends_with("\nfake section 1\n"));
    EXPECT_EQ(ui.filesWritten, std::vector<std::string>{current / "journal.txt"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(current.Path()), {}), 1);
}

TEST_F(CircuitOutputRun, MissingReferenceWithCancelWritesNothing) {
    ui.ExpectMessage(kNoReference, IDCANCEL);
    Run();
    EXPECT_FALSE(FileExists(current / "journal.txt"));
    EXPECT_FALSE(view.approximatedByCircuit);
}

TEST_F(CircuitOutputRun, SaveAsCancelGivesJournalOnlyUnderTheCircuitName) {
    WithReference();
    ui.ExpectSaveFile(std::nullopt);
    ui.ExpectMessage(kJournalOnly, IDOK);
    ui.ExpectMessage(kDone);
    Run();
    EXPECT_TRUE(Journal().starts_with(
        Utf8ToShiftJis(kBanner + std::string("回路図ファイル名 LP1  作成日時 "))));
    EXPECT_FALSE(FileExists(current / "LP1_2.asc"));
    EXPECT_TRUE(out.lines.empty());
}

TEST_F(CircuitOutputRun, JournalOnlyCancelWritesNothingAtAll) {
    WithReference();
    ui.ExpectSaveFile(std::nullopt);
    ui.ExpectMessage(kJournalOnly, IDCANCEL);
    Run();
    EXPECT_EQ(Journal(), "");  // opened (and so created) before the question, never written
    EXPECT_EQ(out.outputMode, OutputMode::Stop);
    EXPECT_FALSE(view.approximatedByCircuit);
}

TEST_F(CircuitOutputRun, UnopenableJournalEndsTheRunLeavingTheChosenFileAsItWas) {
    WithReference();
    std::filesystem::create_directory(current / "journal.txt");
    WriteFile(current / "keep.asc", "kept");
    ui.ExpectSaveFile(current / "keep.asc");
    ui.ExpectMessage(TextId::JournalUnopenable);
    Run();
    EXPECT_EQ(ReadFile(current / "keep.asc"), "kept");
}

TEST_F(CircuitOutputRun, EarlierResultsAreConfirmedFirst) {
    view.approximatedByCircuit = true;
    ui.ExpectMessage(TextId::AskContinueAlreadyApproximated, IDCANCEL);
    Run();
    view.convertedToDigital = true;
    ui.ExpectMessage(TextId::AskRecomputeDigitalAsAnalog, IDCANCEL);
    Run();
    EXPECT_TRUE(view.convertedToDigital);
    EXPECT_FALSE(FileExists(current / "journal.txt"));
}

TEST_F(CircuitOutputRun, TwoRunsAppendTwoRecords) {
    for (int run = 0; run < 2; ++run) {
        ui.ExpectMessage(kNoReference, IDOK);
        ui.ExpectMessage(kJournalOnly, IDOK);
        ui.ExpectMessage(kDone);
        CircuitOutput fresh;
        fresh.synthesis = FakeSynthesis;
        WriteCircuitFiles(fresh, doc, view, ui);
        view.approximatedByCircuit = false;
    }
    const std::string journal = Journal();
    const std::string banner = Utf8ToShiftJis(kBanner);
    EXPECT_EQ(journal.find(banner, 1) != std::string::npos, true);
    EXPECT_EQ(journal.find(banner, journal.find(banner, 1) + 1), std::string::npos);
}

}  // namespace
}  // namespace vorna
