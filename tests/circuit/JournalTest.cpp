#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <fstream>
#include <sstream>

#include "app/DesignDocument.h"
#include "app/DocumentShown.h"
#include "circuit/Journal.h"
#include "platform/ShiftJisText.h"
#include "view/DesignView.h"
#include "view/SummaryLines.h"

namespace vorna {
namespace {

// Whether `text` has the form of a ctime text without its line end, "Wed Jun 30 21:49:08
// 1993": 'A' an upper-case letter, 'a' a lower-case one, '9' a digit, '_' a blank or a digit.
bool IsCtimeText(const std::string& text) {
    const std::string form = "Aaa Aaa _9 99:99:99 9999";
    if (text.size() != form.size()) return false;
    for (std::size_t i = 0; i < form.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool fits = form[i] == 'A'   ? std::isupper(c)
                          : form[i] == 'a' ? std::islower(c)
                          : form[i] == '9' ? std::isdigit(c)
                          : form[i] == '_' ? c == ' ' || std::isdigit(c)
                                           : c == static_cast<unsigned char>(form[i]);
        if (!fits) return false;
    }
    return true;
}

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
    DesignDocument doc;
    DesignView view(doc);
    Journal journal;
    ASSERT_TRUE(journal.Open(path_));
    std::string expectedSummary;
    WriteSummaryLines([&](const std::string& l) { expectedSummary += l; }, view, ShownDesignOf(doc),
                      true);
    WriteJournalHeader(journal, expectedSummary, "C:/work/lp.asc");
    journal.Close();

    const std::string bytes = Bytes();
    const std::string banner = Utf8ToShiftJis(
        "*******************  回路の構成と素子値  **************************************\n"
        "回路図ファイル名 C:/work/lp.asc  作成日時 ");
    ASSERT_EQ(bytes.substr(0, banner.size()), banner);
    const std::string rest = bytes.substr(banner.size());
    const std::size_t lineEnd = rest.find('\n');
    EXPECT_TRUE(IsCtimeText(rest.substr(0, lineEnd))) << rest.substr(0, lineEnd);
    EXPECT_EQ(rest.substr(lineEnd + 1), Utf8ToShiftJis(expectedSummary) + "\n");
}

}  // namespace
}  // namespace vorna
