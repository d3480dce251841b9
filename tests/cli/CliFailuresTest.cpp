// vorna-cli under hostile input, run as a separate program: every refusal exits 2 and every
// failure 1, with the reason on standard error (in English with --lang en), nothing on
// standard output, and no file lost or left half written; parallel runs never mix their
// records or outputs.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
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
        {"design --gain-at 1e309", kNothing, 2, "--gain-at: \"1e309\" is beyond the largest"},
        {"design --gain-at 1e306GHz", kNothing, 2, "--gain-at 1e306GHz: the frequency in Hz is"},
        {"design --digital 1e400", kNothing, 2, "--digital: \"1e400\" is beyond the largest"},
        {"design --order 2.5", kNothing, 2, "--order 2.5: Please enter an integer."},
        {"design --attp 1e400", kNothing, 2, "--attp 1e400: Please enter a number."},
        {"plot --points 5", kNothing, 2, "--points 5: Please enter an integer between 10 and"},
        {"design --load loop", kNothing, 2, "シンボリックリンクが循環しています"},
        {"design --load " + std::string(300, 'n'), kNothing, 2, "パスが長すぎます"},
        {"design --save .", kNothing, 2, "--save .: this is a folder"},
        {"plot -o loop", kNothing, 2, "-o loop: its symbolic links lead round in a circle"},
        {"export --format csv -o ''", kNothing, 2, "-o: the file name is empty"},
        {"export --format csv -o .", kNothing, 2, "this is a folder"},
        {"response --type step -o no/X.asc", kNothing, 2, "the folder no does not exist"},
        {"plot -o away", kNothing, 2, "-o away: the folder ./no does not exist"},
        {"export --format c -o /dev/full", kNothing, 1, "cannot write /dev/full: ディスクの空き"},
        {"plot -o pipe", kNothing, 1, "cannot write pipe: 読み出す相手のいないパイプ"},
        {"report --type gainlist -o pipe", kNothing, 1,
         "「pipe」に書き込めませんでした\n\n読み出す"},
        {"response --type step -o /dev/full", kNothing, 1, "cannot write /dev/full: ディスク"},
        {"response --type step --t-end 1.7976931348623157e308 -o -", kNothing, 2,
         "--t-end 1.79769313486232e+308"},
        {"response --type impulse --t-end 5e-324 -o -", kNothing, 2,
         "--t-end 4.94065645841247e-324: the"},
        {"response --type step --digital 48KHz --t-end 1e300 -o -", kNothing, 2, "--t-end 1e+300"},
        {"export --format " + std::string(5000, 'c') + " -o -", kNothing, 2, "…\" (csv"},
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
        fs::create_symlink("loop", dir + "loop");
        fs::create_symlink("no/X.asc", dir + "away");
        ASSERT_EQ(mkfifo((dir + "pipe").c_str(), 0600), 0);
        const auto run = RunCliIn(dir, c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_LT(run.err.size(), 1000u) << "echoed texts are cut";
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(ReadFile(dir + "keep.asc"), "kept");
        EXPECT_FALSE(fs::exists(dir + "X.asc"));
        for (const auto& entry : fs::directory_iterator(dir))
            EXPECT_FALSE(entry.path().filename().string().starts_with(".vorna-")) << entry.path();

        const auto english = RunCliIn(dir, "--lang en " + c.arguments);
        EXPECT_EQ(english.status, c.status);
        EXPECT_TRUE(testing::HoldsNoJapanese(english.err)) << english.err;
        EXPECT_NE(english.err, "");
        EXPECT_EQ(english.out, "");
        EXPECT_EQ(ReadFile(dir + "keep.asc"), "kept");
    }
}

// A current folder that was deleted is refused by the verbs that need it (the journal, the
// name files, a relative output path) and does not matter to the others.
TEST(CliFailures, DeletedCurrentFolder) {
    const testing::TempFolder folder;
    const std::string dir = folder.Path();
    WriteFile(dir + "keep.asc", "kept");
    const struct {
        std::string arguments;
        int status;
    } cases[] = {
        {"circuit --circuit LP1 -o " + dir + "X.asc", 2},
        {"verify --circuit LP1", 2},
        {"report --type gainlist -o r.txt", 2},
        {"exchange-opamps " + dir + "keep.asc", 2},
        {"plot -o r.svg", 2},
        {"design", 0},
        {"export --format csv -o " + dir + "c.csv", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        std::filesystem::create_directory(dir + "gone");
        const auto run = RunCliIn(dir + "gone/", c.arguments, "rmdir ../gone");
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err.find("current folder") != std::string::npos, c.status == 2) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir + "X.asc"));
    EXPECT_TRUE(std::filesystem::exists(dir + "c.csv"));
}

// File names that are not UTF-8 are written as given and shown in valid JSON; a link whose
// file is missing is written through; a name file may begin with a byte order mark.
TEST(CliFailures, HostileNamesAreWritten) {
    const std::string bad = "\"$(printf 'bad\\377')\"";
    const struct {
        std::string arguments;
        std::string written;
    } cases[] = {
        {"circuit --circuit LP1 --opamp OPX -o " + bad + ".asc", "bad\xFF.asc"},
        {"design --save " + bad + ".vorna", "bad\xFF.vorna"},
        {"report --type gainlist -o " + bad + ".txt", "bad\xFF.txt"},
        {"export --format json -o " + bad + ".json", "bad\xFF.json"},
        {"response --type step -o link.csv", "made.csv"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const testing::TempFolder folder;
        const std::string dir = folder.Path();
        WriteFile(dir + "OPname.txt", "\xEF\xBB\xBFOPX\n");
        std::filesystem::create_symlink("made.csv", dir + "link.csv");
        const auto run = RunCliIn(dir, c.arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(std::filesystem::exists(dir + c.written));
        EXPECT_TRUE(std::filesystem::is_symlink(dir + "link.csv"));
        EXPECT_TRUE(run.out.empty() || nlohmann::json::accept(run.out));
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
