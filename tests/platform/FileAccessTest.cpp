// Input files are read whole only when they are small regular files, and output files take
// the place of their targets only when complete.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>

#include "output/TempFolder.h"
#include "platform/FileRead.h"
#include "platform/FileWrite.h"
#include "platform/MessageText.h"

namespace vorna {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

TEST(FileRead, OnlySmallRegularFilesAreRead) {
    const TempFolder folder;
    WriteFile(folder / "small", "abc");
    WriteFile(folder / "large", std::string(101, 'x'));
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink(folder / "loop", folder / "loop");
    const struct {
        std::string path;
        ReadProblem problem;
    } cases[] = {
        {folder / "small", ReadProblem::None},
        {folder / "large", ReadProblem::TooLarge},
        {folder.Path(), ReadProblem::NotAFile},
        {folder / "pipe", ReadProblem::NotAFile},
        {"/dev/zero", ReadProblem::NotAFile},
        {folder / "missing", ReadProblem::NotFound},
        {folder / "small/below", ReadProblem::NotFound},
        {folder / "loop", ReadProblem::LinkLoop},
        {folder / std::string(300, 'n'), ReadProblem::NameTooLong},
    };
    for (const auto& c : cases) {
        const FileContents file = ReadInputFile(c.path, 100);
        EXPECT_EQ(file.problem, c.problem) << c.path;
        EXPECT_EQ(file.bytes, c.problem == ReadProblem::None ? "abc" : "") << c.path;
    }
}

TEST(FileWrite, TheTargetChangesOnlyOnACompleteCommit) {
    const TempFolder folder;
    WriteFile(folder / "target", "old");
    chmod((folder / "target").c_str(), 0640);
    std::filesystem::create_symlink(folder / "target", folder / "link");
    {
        ReplacementFile abandoned;
        ASSERT_TRUE(abandoned.Create(folder / "target"));
        abandoned.Write("half");
    }
    EXPECT_EQ(ReadFile(folder / "target"), "old");
    // Written through the link, keeping the file's permissions.
    ASSERT_EQ(WriteFileAtomically(folder / "link", "new"), std::nullopt);
    EXPECT_EQ(ReadFile(folder / "target"), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link"));
    // A link whose file is missing leads to it: the file is made and the link stays.
    std::filesystem::create_symlink("made", folder / "dangling");
    ASSERT_EQ(WriteFileAtomically(folder / "dangling", "new"), std::nullopt);
    EXPECT_EQ(ReadFile(folder / "made"), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "dangling"));
    std::filesystem::create_symlink("loop", folder / "loop");
    EXPECT_EQ(std::filesystem::status(folder / "target").permissions(),
              std::filesystem::perms(0640));
    // A device is written in place; a failure says why.
    const struct {
        std::string path;
        std::optional<std::string> reason;
    } cases[] = {
        {"/dev/null", std::nullopt},
        {"/dev/full", "ディスクの空きが足りません。"},
        {"", "保存先のフォルダがありません。"},
        {folder.Path(), "同じ名前のフォルダがあります。"},
        {folder / "no/such", "保存先のフォルダがありません。"},
        {folder / "loop", "シンボリックリンクが循環しています。"},
    };
    for (const auto& c : cases) EXPECT_EQ(WriteFileAtomically(c.path, "x"), c.reason) << c.path;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 5);
}

TEST(MessageText, EchoedTextsAreCutAtCharacterBoundaries) {
    EXPECT_EQ(EchoedText("LT1115"), "LT1115");
    EXPECT_EQ(EchoedText("a\nb"), "a?b");
    EXPECT_EQ(EchoedText("ab" + std::string("\xE3\x81\x82"), 4), "ab…");
    EXPECT_EQ(EchoedText(std::string(100, 'x')), std::string(64, 'x') + "…");
    // Bytes that are not UTF-8 (Latin-1, a stray continuation, an overlong form, a surrogate)
    EXPECT_EQ(EchoedText("Op\xE9 \x80 \xC0\xAF \xED\xA0\x80 \xF0\x9F\x98\x80"),
              "Op? ? ?? ??? \xF0\x9F\x98\x80");
    EXPECT_TRUE(IsUtf8("\xE3\x81\x82\xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsUtf8("\xE3\x81"));
    EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB\xBFLT1115"), "LT1115");
}

}  // namespace
}  // namespace vorna
