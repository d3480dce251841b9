// vorna-cli design, run as a separate program.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "app/DesignDocument.h"
#include "cli/CliRunner.h"
#include "output/TempFolder.h"
#include "support/ScriptedUi.h"
#include "view/DesignView.h"

namespace vorna {
namespace {

// Runs "vorna-cli design <arguments>" in a folder of its own.
testing::CliRun RunCli(const std::string& arguments) {
    const testing::TempFolder folder;
    return testing::RunCliIn(folder.Path(), "design " + arguments);
}

TEST(CliDesign, ButterworthLowPassPrintsOrder18WithNineSections) {
    const testing::CliRun run =
        RunCli("--kind lp --approx butterworth --fp 1KHz --xs 1.5 --atts 60");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["kind"], 101);
    EXPECT_EQ(json["approximation"], 111);
    EXPECT_EQ(json["order"], 18);
    EXPECT_EQ(json["results"]["resultOrder"], 18);
    EXPECT_EQ(json["results"]["sectionLast"], 8);
    ASSERT_EQ(json["results"]["sections"].size(), 9u);
    EXPECT_EQ(json["results"]["sections"][0].size(), 5u);
    EXPECT_TRUE(json["messages"].empty());

    // The same design made in-process gives the same doubles, bit for bit.
    DesignDocument doc;
    DesignView view(doc);
    testing::ScriptedUi ui;
    ui.ExpectDialog(100).Ok();
    ui.ExpectDialog(500).Type(520, "1").Pick(521, "KHz").Type(523, "1.5").Type(524, "60").Ok();
    view.OnFilterSelect(ui);
    EXPECT_EQ(json["fc"].get<double>(), doc.figures.fc);
    EXPECT_EQ(json["attsAchieved"].get<double>(), doc.figures.attsAchieved);
    EXPECT_EQ(json["results"]["omegaC"].get<double>(), view.omegaC);
    for (int i = 0; i <= 8; ++i) {
        const auto coefficients = InFileOrder(view.sections[i]);
        for (int j = 0; j < 5; ++j)
            EXPECT_EQ(json["results"]["sections"][i][j].get<double>(), coefficients[j]);
    }
}

TEST(CliDesign, OptionsFillTheirDialogEntries) {
    const testing::CliRun run = RunCli(
        "--kind bp --approx chebyshev --order 5 --fp1 1.5KHz --fp2 0.003Meg --attp 0.5 --xs 2 "
        "--reference 1");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["byOrder"], 1);
    EXPECT_EQ(json["order"], 5);
    EXPECT_EQ(json["referenceMode"], 1);
    EXPECT_EQ(json["fp1"], 1500.0);
    EXPECT_EQ(json["fp2"], 3000.0);
    EXPECT_EQ(json["attp"], 0.5);
    EXPECT_EQ(json["xs"], 2.0);
    EXPECT_EQ(json["results"]["sectionLast"], 4);
}

TEST(CliDesign, MessagesThatDoNotStopTheDesignAreReported) {
    const testing::CliRun run = RunCli("--atts 3.0102999566398116");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["order"], 2);
    ASSERT_EQ(json["messages"].size(), 1u);
    EXPECT_EQ(json["messages"][0], "フィルタの次数が２以下になりました。\n次数を２に設定します。");
}

// A refused entry ends the run with status 2 and the dialog's message, naming its option.
TEST(CliDesign, RefusedEntriesEndTheRunWithStatus2) {
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"--xs 1.01", "フィルタの次数が５８を越えました。\n入力し直して下さい。\n"},
        {"--order 59", "--order 59: Please enter an integer between 2 and 58.\n"},
        {"--fp 100001", "--fp 100001: Please enter a number between 0 and 100000.\n"},
        {"--attp 1 --atts 0.5", "--atts: ａｔｔｓはａｔｔｐより大きな値を設定してください。\n"},
        {"--kind bp --fp1 5KHz --fp2 1KHz",
         "--fp2: Ｆｐ２はＦｐ１より高い周波数を設定してください。\n"},
        {"--xs 1", "--xs: Xs must be greater than 1 (it was 1)\n"},
        {"--kind be --fp1 1KHz --fp2 4KHz --xs 2",
         "--xs: Xs must be below the band-eliminate limit √(Fp2/Fp1) = 2 (it was 2)\n"},
        {"--kind lp --fp1 1KHz",
         "--fp1: the low-pass design by specification (dialog 500) has no such entry\n"},
        {"--by-order --fp 1KHz",
         "--fp: the low-pass design by order (dialog 508) has no such entry\n"},
        {"--fp 1.5MHz",
         "--fp: \"1.5MHz\" is not a frequency (a number with an optional unit mHz, Hz, KHz, Meg or "
         "GHz)\n"},
        {"--fp nan",
         "--fp: \"nan\" is not a frequency (a number with an optional unit mHz, Hz, KHz, Meg or "
         "GHz)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const testing::CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, c.message);
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace vorna
