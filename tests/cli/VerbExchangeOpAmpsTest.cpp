// vorna-cli exchange-opamps, run as a separate program: one copy of the schematic per name
// of OPExchange.txt in the current directory.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/CliRunner.h"
#include "output/TempFolder.h"

namespace vorna {
namespace {

using testing::Count;
using testing::ReadFile;
using testing::RunCliIn;
using testing::Utf16LeToUtf8;
using testing::WriteFile;

// Writes the schematic X.asc of the default design (nine LT1115) into `dir`.
void WriteSchematic(const std::string& dir) {
    const auto run = RunCliIn(dir, "circuit --circuit LP1 -o X.asc");
    ASSERT_EQ(run.status, 0) << run.err;
}

TEST(CliExchangeOpAmps, WritesOneCopyPerName) {
    const testing::TempFolder folder;
    const std::string dir = folder.Path();
    ASSERT_NO_FATAL_FAILURE(WriteSchematic(dir));
    // Saved by an editor that marks UTF-8 with a byte order mark.
    WriteFile(dir + "OPExchange.txt",
              "\xEF\xBB\xBFLT1115\r\nADA4807-4\r\nOPA1611\r\nend\r\nNE5532\r\n");
    const auto run = RunCliIn(dir, "exchange-opamps X.asc");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("新しい回路図ファイルを作成しました"), std::string::npos) << run.out;

    const std::string original = ReadFile(dir + "X.asc");
    for (const std::string name : {"ADA4807-4", "OPA1611"}) {
        SCOPED_TRACE(name);
        const std::string copy = ReadFile(dir + "X-" + name + ".asc");
        ASSERT_FALSE(copy.empty());
        EXPECT_EQ(copy.rfind("\xFF\xFE", 0), 0u);
        const std::string text = Utf16LeToUtf8(copy);
        EXPECT_EQ(Count(text, "SYMBOL OpAmps\\\\" + name + " "), 9u);
        EXPECT_EQ(Count(text, "LT1115"), 0u);
        // Nothing but the symbol names changes.
        EXPECT_EQ(copy.size(), original.size() + 9 * 2 * (name.size() - 6));
    }
    EXPECT_FALSE(std::filesystem::exists(dir + "X-NE5532.asc"))
        << "names after \"end\" are not read";
    EXPECT_EQ(ReadFile(dir + "X.asc"), original);
}

TEST(CliExchangeOpAmps, UnusableNamesAreRefused) {
    const char* lists[] = {
        "LT1115\n../escaped\nend\n",
        "LT1115\nsub\\dir\nend\n",
        "LT1115\nOPA1611\n/tmp/absolute\nend\n",
        "../LT1115\nOPA1611\nend\n",
        "LT1115\nNAME_LONGER_THAN_20_CHARS\nend\n",
    };
    for (const char* list : lists) {
        SCOPED_TRACE(list);
        const testing::TempFolder folder;
        const std::string dir = folder.Path();
        ASSERT_NO_FATAL_FAILURE(WriteSchematic(dir));
        WriteFile(dir + "OPExchange.txt", list);
        const auto run = RunCliIn(dir, "exchange-opamps X.asc");
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("は使えません"), std::string::npos) << run.err;
        std::size_t files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            files += entry.is_regular_file() ? 1 : 0;
        EXPECT_EQ(files, 3u) << "only X.asc, journal.txt and OPExchange.txt";
    }
}

TEST(CliExchangeOpAmps, MissingListOrSchematicFails) {
    const testing::TempFolder folder;
    const std::string dir = folder.Path();
    ASSERT_NO_FATAL_FAILURE(WriteSchematic(dir));
    auto run = RunCliIn(dir, "exchange-opamps X.asc");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("「OPExchange.txt」がオープン出来ない"), std::string::npos) << run.err;
    WriteFile(dir + "OPExchange.txt", "LT1115\nOPA1611\nend\n");
    run = RunCliIn(dir, "exchange-opamps Missing.asc");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("回路図がオープン出来ない"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace vorna
