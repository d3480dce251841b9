#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "app/CKorvelDoc.h"
#include "circuit/Journal.h"
#include "platform/ShiftJisText.h"
#include "view/CKorvelView.h"
#include "view/SummaryLines.h"

namespace vorna {
namespace {

class JournalFile : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/vorna-journal-test-XXXXXX";
        const int fd = mkstemp(name);
        ASSERT_GE(fd, 0);
        close(fd);
        path_ = name;
    }
    void TearDown() override { std::remove(path_.c_str()); }
    std::string Bytes() const {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string path_;
};

TEST_F(JournalFile, LinesAreAppendedInShiftJis) {
    for (int run = 0; run < 2; ++run) {
        Journal journal;
        ASSERT_TRUE(journal.Open(path_));
        journal.WriteLine("lpet2 で 変換不能, j = 3\n");
    }
    Journal closed;
    closed.WriteLine("never written\n");
    const std::string line = "lpet2 \x82\xc5 \x95\xcf\x8a\xb7\x95\x73\x94\x5c, j = 3\n";
    EXPECT_EQ(Bytes(), line + line);
    EXPECT_FALSE(Journal().Open("/nonexistent-folder/journal.txt"));
}

TEST_F(JournalFile, HeaderBlock) {
    CKorvelDoc doc;
    CKorvelView view(doc);
    Journal journal;
    ASSERT_TRUE(journal.Open(path_));
    const SchematicSummary summary = WriteJournalHeader(journal, view, "C:/work/lp.asc");
    journal.Close();

    std::string expectedSummary;
    const SchematicSummary same =
        WriteSummaryLines([&](const std::string& l) { expectedSummary += l; }, view, true);
    EXPECT_EQ(summary.title, same.title);
    const std::string bytes = Bytes();
    const std::string banner = Utf8ToShiftJis(
        "*******************  回路の構成と素子値  **************************************\n"
        "回路図ファイル名 C:/work/lp.asc  作成日時 ");
    ASSERT_EQ(bytes.substr(0, banner.size()), banner);
    const std::string rest = bytes.substr(banner.size());
    const std::size_t lineEnd = rest.find('\n');
    EXPECT_TRUE(std::regex_match(
        rest.substr(0, lineEnd),
        std::regex("[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}")))
        << rest.substr(0, lineEnd);
    EXPECT_EQ(rest.substr(lineEnd + 1), Utf8ToShiftJis(expectedSummary) + "\n");
}

}  // namespace
}  // namespace vorna
