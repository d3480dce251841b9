// vorna-cli report, run as a separate program: the report is appended to the named file in
// code page 932, as choices 402 and 405 of the output command write it.

#include <gtest/gtest.h>

#include <string>

#include "cli/CliRunner.h"
#include "output/TempFolder.h"
#include "platform/ShiftJisText.h"

namespace vorna {
namespace {

using testing::ReadFile;
using testing::RunCliIn;

TEST(CliReport, AppendsTheReportInCodePage932) {
    const struct {
        const char* type;
        const char* heading;
    } cases[] = {
        {"coefficients", "+++++++++++  伝達関数の係数、カットオフ周波数、Q値、GB値  ++++++++++\n"},
        {"gainlist", "+++++++++++  ブロックごとのカットオフ周波数付近のゲインリスト  ++++++++++\n"},
    };
    const std::string summary = "ｱﾅﾛｸﾞ Low Pass  Butterworth  次数=18\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const testing::TempFolder folder;
        const std::string dir = folder.Path();
        const std::string arguments = std::string("report --type ") + c.type + " -o report.txt";
        const auto first = RunCliIn(dir, arguments);
        ASSERT_EQ(first.status, 0) << first.err;
        const std::string once = ReadFile(dir + "report.txt");
        ASSERT_EQ(once.rfind(Utf8ToShiftJis(std::string(c.heading) + summary), 0), 0u)
            << once.substr(0, 200);
        EXPECT_EQ(once.find('\r'), std::string::npos);

        const auto second = RunCliIn(dir, arguments);
        ASSERT_EQ(second.status, 0) << second.err;
        EXPECT_EQ(ReadFile(dir + "report.txt"), once + once);
    }
}

TEST(CliReport, FiguresThatCannotBeComputedAreSaidToBeSo) {
    // Digital band-eliminate sections with a negative Pn_1 have no analog cut-off or Q.
    const testing::TempFolder folder;
    for (const char* type : {"coefficients", "gainlist"}) {
        SCOPED_TRACE(type);
        const auto run = RunCliIn(folder.Path(), std::string("report --type ") + type +
                                                     " --kind be --approx chebyshev --digital "
                                                     "10KHz -o report.txt");
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(ReadFile(folder.Path() + "report.txt").find("nan"), std::string::npos);
    }
    EXPECT_NE(ReadFile(folder.Path() + "report.txt").find(Utf8ToShiftJis("計算不能")),
              std::string::npos);
}

TEST(CliReport, AFileThatCannotBeWrittenFails) {
    const struct {
        const char* output;
        int status;
        const char* message;
    } cases[] = {
        {"no/such/folder/report.txt", 2, "the folder no/such/folder does not exist"},
        {"/dev/full", 1, "「/dev/full」に書き込めませんでした"},
    };
    for (const auto& c : cases) {
        const testing::TempFolder folder;
        const auto run =
            RunCliIn(folder.Path(), std::string("report --type coefficients -o ") + c.output);
        EXPECT_EQ(run.status, c.status) << c.output;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace vorna
