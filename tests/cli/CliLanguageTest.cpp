// vorna-cli's language, run as a separate program: --lang (before or after the verb) over
// VORNA_LANG over Japanese; English reports and journals in UTF-8, Japanese ones in code page
// 932 unless --encoding says otherwise; design files the same in either language.

#include <gtest/gtest.h>

#include <string>

#include "cli/CliRunner.h"
#include "output/TempFolder.h"
#include "platform/MessageText.h"
#include "platform/ShiftJisText.h"

namespace vorna {
namespace {

using testing::ReadFile;
using testing::RunCliIn;

enum class Shown { Japanese, English };

TEST(CliLanguage, TheOptionOverTheVariableOverJapanese) {
    const std::string refused = "design --fp 1e-320";
    const struct {
        std::string before;  // shell commands that set the environment
        std::string arguments;
        int status;
        Shown shown;
        bool variableIgnored;
    } cases[] = {
        {"", refused, 2, Shown::Japanese, false},
        {"", "--lang ja " + refused, 2, Shown::Japanese, false},
        {"", "--lang en " + refused, 2, Shown::English, false},
        {"", "--lang=en " + refused, 2, Shown::English, false},
        {"", refused + " --lang en", 2, Shown::English, false},
        {"export VORNA_LANG=en", refused, 2, Shown::English, false},
        {"export VORNA_LANG=", refused, 2, Shown::Japanese, false},
        {"export VORNA_LANG=ja", "--lang en " + refused, 2, Shown::English, false},
        {"export VORNA_LANG=en", "--lang ja " + refused, 2, Shown::Japanese, false},
        {"export VORNA_LANG=english", refused, 2, Shown::Japanese, true},
        {"export VORNA_LANG=english", "--lang en " + refused, 2, Shown::English, false},
        // A bad or missing --lang value is the parser's refusal, which speaks English.
        {"", "--lang fr " + refused, 2, Shown::English, false},
        {"", refused + " --lang", 2, Shown::English, false},
    };
    const testing::TempFolder folder;
    const auto japanese = RunCliIn(folder.Path(), refused);
    const auto english = RunCliIn(folder.Path(), "--lang en " + refused);
    ASSERT_NE(japanese.err, english.err);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before + " " + c.arguments);
        const auto run = RunCliIn(folder.Path(), c.arguments, c.before);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
        const bool named = run.err.find("VORNA_LANG") != std::string::npos;
        EXPECT_EQ(named, c.variableIgnored) << run.err;
        if (c.arguments.find("--lang fr") != std::string::npos || c.arguments.ends_with("--lang")) {
            EXPECT_NE(run.err.find("--lang"), std::string::npos) << run.err;
        } else if (!c.variableIgnored) {
            EXPECT_EQ(run.err, c.shown == Shown::English ? english.err : japanese.err);
        } else {
            EXPECT_TRUE(run.err.ends_with(japanese.err)) << run.err;
        }
        EXPECT_EQ(testing::HoldsNoJapanese(run.err), c.shown == Shown::English) << run.err;
    }
}

// The report and the journal of a run in `language` (with `encoding` unless empty), as written.
struct WrittenFiles {
    std::string report;
    std::string journal;
};
WrittenFiles FilesOf(const std::string& language, const std::string& encoding) {
    const testing::TempFolder folder;
    const std::string options = (language.empty() ? "" : "--lang " + language + " ") +
                                (encoding.empty() ? "" : "--encoding " + encoding + " ");
    const auto report = RunCliIn(folder.Path(),
                                 "report --type coefficients --kind bp --approx "
                                 "elliptic " +
                                     options + "-o r.txt");
    EXPECT_EQ(report.status, 0) << report.err;
    const auto circuit = RunCliIn(folder.Path(), "circuit --circuit LP1 " + options + "-o X.asc");
    EXPECT_EQ(circuit.status, 0) << circuit.err;
    std::string journal = ReadFile(folder.Path() + "journal.txt");
    // The run's time differs from run to run.
    const std::size_t time = journal.find(" X.asc  ");
    const std::size_t timeEnd = journal.find('\n', time);
    if (time != std::string::npos) journal.erase(time, timeEnd - time);
    return {ReadFile(folder.Path() + "r.txt"), journal};
}

TEST(CliLanguage, EnglishFilesAreUtf8AndJapaneseOnesCodePage932UnlessChosen) {
    const WrittenFiles japanese = FilesOf("", "");
    ASSERT_NE(japanese.report, "");
    ASSERT_NE(japanese.journal, "");
    EXPECT_FALSE(IsUtf8(japanese.report));

    const WrittenFiles chosenJapanese = FilesOf("ja", "");
    EXPECT_EQ(chosenJapanese.report, japanese.report);
    EXPECT_EQ(chosenJapanese.journal, japanese.journal);

    const WrittenFiles japaneseUtf8 = FilesOf("", "utf-8");
    EXPECT_TRUE(IsUtf8(japaneseUtf8.report));
    EXPECT_EQ(Utf8ToShiftJis(japaneseUtf8.report), japanese.report);
    EXPECT_EQ(Utf8ToShiftJis(japaneseUtf8.journal), japanese.journal);

    const WrittenFiles english = FilesOf("en", "");
    EXPECT_TRUE(IsUtf8(english.report));
    EXPECT_TRUE(testing::HoldsNoJapanese(english.report)) << english.report;
    EXPECT_TRUE(IsUtf8(english.journal));
    EXPECT_TRUE(testing::HoldsNoJapanese(english.journal)) << english.journal;
    EXPECT_NE(english.report, japaneseUtf8.report);
    // English text is ASCII but for symbols code page 932 holds too: cp932 changes nothing
    // but those.
    const WrittenFiles englishCp932 = FilesOf("en", "cp932");
    EXPECT_EQ(englishCp932.report, Utf8ToShiftJis(english.report));
}

TEST(CliLanguage, DesignFilesDoNotDependOnTheLanguage) {
    const testing::TempFolder folder;
    const std::string dir = folder.Path();
    const std::string design = "design --kind bp --approx elliptic --digital 48KHz";
    ASSERT_EQ(RunCliIn(dir, "--lang en " + design + " --save en.vorna").status, 0);
    ASSERT_EQ(RunCliIn(dir, design + " --save ja.vorna").status, 0);
    EXPECT_EQ(ReadFile(dir + "en.vorna"), ReadFile(dir + "ja.vorna"));
    const struct {
        const char* language;
        const char* file;
    } cases[] = {{"ja", "en.vorna"}, {"en", "ja.vorna"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const auto direct = RunCliIn(dir, std::string("--lang ") + c.language + " " + design);
        const auto loaded =
            RunCliIn(dir, std::string("--lang ") + c.language + " design --load " + c.file);
        ASSERT_EQ(loaded.status, 0) << loaded.err;
        EXPECT_EQ(loaded.out, direct.out);
    }
}

}  // namespace
}  // namespace vorna
