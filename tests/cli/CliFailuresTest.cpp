// vorna-cli under hostile input, run as a separate program: every refusal exits 2 and every
// failure 1, with the reason on standard error, nothing on standard output, and no file
// lost or left half written; parallel runs never mix their records or outputs.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli/CliRunner.h"
#include "output/TempFolder.h"
#include "platform/ShiftJisText.h"

namespace vorna {
namespace {

using testing::Count;
using testing::ReadFile;
using testing::RunCliIn;
using testing::WriteFile;

TEST(CliFailures, ExitStatusAndReasonOnStandardErrorAndNoFileTouched) {
    const std::string kFrequencyOutOfRange =
        "周波数には１Ｅ－７０Ｈｚから１Ｅ＋７０Ｈｚまでの値を設定してください。";
    namespace fs = std::filesystem;
    enum Setup {
        kNothing,
        kJournalFolder,
        kJournalFull,
        kSchematicFolder,
        kHugeList,
        kBadNameFile
    };
    const struct {
        std::string arguments;
        Setup setup;
        int status;
        std::string message;
    } cases[] = {
        {"design --kind bp --fp1 1KHz --fp2 1KHz", kNothing, 2, "Ｆｐ２はＦｐ１より高い"},
        {"design --kind be --by-order --fp1 2KHz --fp2 2KHz", kNothing, 2,
         "Ｆｐ２はＦｐ１より高い"},
        {"design --fp 1e-320", kNothing, 2, kFrequencyOutOfRange},
        {"design --kind bp --approx chebyshev --fp1 1e-320 --fp2 2e-320", kNothing, 2,
         kFrequencyOutOfRange},
        {"design --kind hp --by-order --fc 1e-80", kNothing, 2, kFrequencyOutOfRange},
        {"design --kind bp --by-order --order 58 --fp1 1 --fp2 1.0000000000001", kNothing, 2,
         "この設定では設計値が計算出来ません。"},
        {"design --gain-at -1KHz", kNothing, 2, "--gain-at -1KHz: the frequency must be"},
        {"design --gain-at 1e309", kNothing, 2, "--gain-at 1e309: the frequency must be"},
        {"design --gain-at 1e308", kNothing, 2, "--gain-at 1e308: the gain cannot be computed"},
        {"design --fp " + std::string(5000, '7') + "x", kNothing, 2, "…\" is not a frequency"},
        {"design --kind zz", kNothing, 2, "--kind: zz not in"},
        {"plot --points= -o x", kNothing, 2, "--points: the value after '=' is empty"},
        {"circuit --circuit LP1 -o ''", kNothing, 2, "-o: the file name is empty"},
        {"circuit --circuit LP1 -o .", kNothing, 2, "this is a folder"},
        {"circuit --circuit LP1 -o no/X.asc", kNothing, 2, "the folder no does not exist"},
        {"circuit --circuit LP1 --opamp 'AD A' -o X.asc", kNothing, 2, "「AD A」は使えません"},
        {"circuit --circuit LP1 --opamp a/b -o X.asc", kBadNameFile, 2, "「a/b」は使えません"},
        {"circuit --circuit LP1 -o keep.asc", kJournalFolder, 1, "journal.txt がオ-プン出来ません"},
        {"circuit --circuit LP1 -o keep.asc", kJournalFull, 1,
         "journal.txt に書き込めませんでした"},
        {"circuit --circuit LP1 -o /dev/full", kNothing, 1, "に書き込めませんでした"},
        {"circuit --kind bp --approx chebyshev --by-order --order 2 --circuit BP1 -o X.asc",
         kNothing, 1, "希望の回路形式に変換出来ません"},
        {"exchange-opamps S.asc", kSchematicFolder, 2, "はファイルではないので読み込めません"},
        {"exchange-opamps /dev/zero", kNothing, 2, "はファイルではないので読み込めません"},
        {"exchange-opamps keep.asc", kHugeList, 2, "は大きすぎるので読み込めません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.substr(0, 80));
        const testing::TempFolder folder;
        const std::string dir = folder.Path();
        WriteFile(dir + "keep.asc", "kept");
        if (c.setup == kJournalFolder) fs::create_directory(dir + "journal.txt");
        if (c.setup == kJournalFull) fs::create_symlink("/dev/full", dir + "journal.txt");
        if (c.setup == kSchematicFolder) fs::create_directory(dir + "S.asc");
        if (c.setup == kHugeList) WriteFile(dir + "OPExchange.txt", std::string(1 << 20, 'x'));
        if (c.setup == kBadNameFile) WriteFile(dir + "OPname.txt", "a/b\n");
        const auto run = RunCliIn(dir, c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_LT(run.err.size(), 1000u) << "echoed texts are cut";
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(ReadFile(dir + "keep.asc"), "kept");
        EXPECT_FALSE(fs::exists(dir + "X.asc"));
        for (const auto& entry : fs::directory_iterator(dir))
            EXPECT_FALSE(entry.path().filename().string().starts_with(".vorna-")) << entry.path();
    }
}

TEST(CliFailures, TheJournalNamesOnlyASchematicThatWasWritten) {
    const struct {
        const char* output;
        int status;
        const char* named;
    } cases[] = {
        {"X.asc", 0, "X.asc"},
        {"/dev/full", 1, "LP1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        const testing::TempFolder folder;
        const auto run =
            RunCliIn(folder.Path(), std::string("circuit --circuit LP1 -o ") + c.output);
        EXPECT_EQ(run.status, c.status) << run.err;
        const std::string journal = ReadFile(folder / "journal.txt");
        EXPECT_NE(journal.find(Utf8ToShiftJis("回路図ファイル名 ") + c.named + "  "),
                  std::string::npos);
    }
}

TEST(CliFailures, ParallelRunsKeepRecordsWholeAndOutputsComplete) {
    const testing::TempFolder folder;
    const std::string dir = folder.Path();
    const auto single = RunCliIn(dir, "circuit --circuit LP1 -o One.asc");
    ASSERT_EQ(single.status, 0) << single.err;
    const std::string record = ReadFile(dir + "journal.txt");
    std::filesystem::remove(dir + "journal.txt");

    constexpr int kRuns = 20;
    const std::string command =
        "cd '" + dir + "' && for i in $(seq " + std::to_string(kRuns) + "); do '" + VORNA_BIN_DIR +
        "/vorna-cli' circuit --circuit LP1 -o X.asc >/dev/null & done; wait";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadFile(dir + "X.asc"), ReadFile(dir + "One.asc"));
    // Every record is the single run's, apart from its time, and none is interleaved.
    const std::string journal = ReadFile(dir + "journal.txt");
    const std::string banner = record.substr(0, record.find('\n') + 1);
    ASSERT_EQ(Count(journal, banner), static_cast<std::size_t>(kRuns));
    const std::string afterTime = record.substr(record.find('\n', banner.size()));
    for (std::size_t at = 0; at < journal.size();) {
        const std::size_t timeEnd = journal.find('\n', at + banner.size());
        ASSERT_EQ(journal.compare(timeEnd, afterTime.size(), afterTime), 0) << journal.substr(at);
        at = timeEnd + afterTime.size();
    }
}

}  // namespace
}  // namespace vorna
