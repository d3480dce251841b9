#include <gtest/gtest.h>

#include <sstream>

#include "output/CircuitOutput.h"
#include "output/OpAmpNames.h"
#include "output/OpAmpReplacement.h"
#include "output/SchematicText.h"
#include "output/TempFolder.h"
#include "support/ScriptedUi.h"

namespace vorna {
namespace {

using testing::ReadFile;
using testing::ScriptedUi;
using testing::TempFolder;
using testing::WriteFile;

TEST(OpAmpNames, LinesEndAtLineFeedsWithCarriageReturnsDropped) {
    std::istringstream in("LT1115\r\nADA4807-4\n OPA 1 \nlast");
    EXPECT_EQ(ReadNameLine(in), "LT1115");
    EXPECT_EQ(ReadNameLine(in), "ADA4807-4");
    EXPECT_EQ(ReadNameLine(in), " OPA 1 ");
    EXPECT_EQ(ReadNameLine(in), "last");
    EXPECT_EQ(ReadNameLine(in), std::nullopt);
}

TEST(OpAmpNames, ExchangeListStopsAtEndOrTheTwentiethName) {
    auto names = [](int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += "OP" + std::to_string(i) + "\n";
        return text;
    };
    struct Case {
        const char* what;
        std::string file;
        std::size_t count;
        bool truncated;
    };
    const std::vector<Case> cases{
        {"end closes the list", "LT1115\nA\nB\nend\nC\n", 2, false},
        {"End and END are names", "LT1115\nEnd\nEND\nend\n", 2, false},
        {"end of file closes the list", "LT1115\nA", 1, false},
        {"20 names and end", "LT1115\n" + names(20) + "end\n", 20, false},
        {"20 names and the end of the file", "LT1115\n" + names(20), 20, false},
        {"21 names", "LT1115\n" + names(21) + "end\n", 20, true},
        {"19 names", "LT1115\n" + names(19) + "end\n", 19, false},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.file);
        const ExchangeList list = ReadExchangeList(in);
        EXPECT_EQ(list.from, "LT1115") << c.what;
        EXPECT_EQ(list.to.size(), c.count) << c.what;
        EXPECT_EQ(list.truncated, c.truncated) << c.what;
    }
}

TEST(OpAmpNames, UsableNames) {
    for (const char* good : {"ADA4807-4", "LT1115", "A", "OP27(x)", "12345678901234567890"}) {
        EXPECT_TRUE(IsUsableOpAmpName(good)) << good;
    }
    for (const char* bad : {"", "../evil", "sub/OP27", "C:\\OP27", "123456789012345678901",
                            "\xB5PA", "AD A", " OPA"}) {
        EXPECT_FALSE(IsUsableOpAmpName(bad)) << bad;
    }
}

// The op-amp questions while a schematic is written, with and without "OPname.txt".
TEST(OpAmpChoice, QuestionsAndTheirOutcomes) {
    struct Case {
        const char* what;
        std::optional<std::string> nameFile;
        std::vector<std::pair<Message, int>> messages;
        bool replaceOpAmp;
        std::string name;
    };
    const TextId kAskDefault = TextId::AskUseDefaultOpAmp;
    const Message keepOrUse{TextId::AskKeepReferenceOpAmp, {"OPA1612"}};
    const std::vector<Case> cases{
        {"ADA4807-4 taken; OPname.txt never read",
         "OPA1612\n",
         {{kAskDefault, IDYES}},
         1,
         "ADA4807-4"},
        {"no OPname.txt keeps LT1115",
         std::nullopt,
         {{kAskDefault, IDNO}, {TextId::ReferenceOpAmpUsed, IDOK}},
         0,
         "ADA4807-4"},
        {"OPname.txt name used",
         "OPA1612\nignored\n",
         {{kAskDefault, IDNO}, {keepOrUse, IDNO}},
         1,
         "OPA1612"},
        {"CR LF name is the same name",
         "OPA1612\r\n",
         {{kAskDefault, IDNO}, {keepOrUse, IDNO}},
         1,
         "OPA1612"},
        {"LT1115 kept", "OPA1612", {{kAskDefault, IDNO}, {keepOrUse, IDYES}}, 0, "OPA1612"},
        {"name with a path separator refused",
         "../OPA1612\n",
         {{kAskDefault, IDNO},
          {UnusableOpAmpNameMessage("OPname.txt", "../OPA1612",
                                    TextId::ReferenceOpAmpUsedConsequence),
           IDOK}},
         0,
         "ADA4807-4"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        if (c.nameFile) WriteFile(folder / "OPname.txt", *c.nameFile);
        ScriptedUi ui;
        ui.currentDirectory = folder.Path();
        for (const auto& [message, answer] : c.messages) ui.ExpectMessage(message, answer);
        CircuitOutput output;
        ChooseOutputOpAmp(output, ui);
        ui.VerifyDone();
        EXPECT_EQ(output.replaceOpAmp, c.replaceOpAmp) << c.what;
        EXPECT_EQ(output.replacementName, WidenToUtf16(c.name)) << c.what;
    }
}

const std::string kSchematic = WidenToUtf16(
    "SYMBOL OpAmps\\\\LT1115 16 96 R0\nSYMATTR InstName U1\nSYMBOL OpAmps\\\\LT1115 96 96 R0\n"
    "SYMATTR InstName R1_1\nSYMATTR Value 1k\nTEXT 0 0 Left 2 ;Information 1\nSYMBOL "
    "OpAmps\\\\LT1115 176 96 R0\n");

std::string Exchanged(const std::string& name) {
    std::string text =
        "SYMBOL OpAmps\\\\" + name + " 16 96 R0\nSYMATTR InstName U1\nSYMBOL OpAmps\\\\" + name +
        " 96 96 R0\nSYMATTR InstName R1_1\nSYMATTR Value 1k\nTEXT 0 0 Left 2 ;Information 1\n"
        "SYMBOL OpAmps\\\\" +
        name + " 176 96 R0\n";
    return WidenToUtf16(text);
}

std::string Question(const char* from, int count) {
    return "オペアンプ「" + std::string(from) + "」から交換するオペアンプは " +
           std::to_string(count) + " 種類です。\n\n交換するなら「YES」";
}

TEST(OpAmpExchange, WritesOneCopyPerNameBesideTheSchematic) {
    TempFolder folder;
    WriteFile(folder / "LP1_5.asc", kSchematic);
    WriteFile(folder / "OPExchange.txt", "LT1115\r\nADA4807-4\r\nOPA1612\r\nend\r\n");
    ScriptedUi ui;
    ui.currentDirectory = folder.Path();
    ui.ExpectOpenFile(folder / "LP1_5.asc");
    ui.ExpectMessage(Question("LT1115", 2), IDYES);
    ui.ExpectMessage(
        "オペアンプ「LT1115」を「OPA1612」（など）に交換して、\n\n新しい回路図ファイルを作成しまし"
        "た");
    CircuitOutput output;
    ExchangeOpAmps(output, ui);
    ui.VerifyDone();
    EXPECT_EQ(ReadFile(folder / "LP1_5-ADA4807-4.asc"), Exchanged("ADA4807-4"));
    EXPECT_EQ(ReadFile(folder / "LP1_5-OPA1612.asc"), Exchanged("OPA1612"));
    EXPECT_EQ(ReadFile(folder / "LP1_5.asc"), kSchematic);
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, "asc");
    EXPECT_EQ(ui.fileRequests[0].initialName, "");
}

TEST(OpAmpExchange, EveryWayOutIsReported) {
    struct Case {
        const char* what;
        std::optional<std::string> list;
        int schematic;  // 0 none, 1 a file, 2 a folder in its place
        std::vector<std::pair<std::string, int>> messages;
        std::vector<std::string> written;
    };
    const std::string unreadable = "回路図がオープン出来ないのでオペアンプを交換せずに終了します";
    const std::string notExchanged = "オペアンプを交換せずに終了します";
    std::string twenty = "LT1115\n";
    for (int i = 0; i < 20; ++i) twenty += "OP" + std::to_string(i) + "\n";
    const std::vector<Case> cases{
        {"schematic missing", "LT1115\nOPA1612\nend\n", 0, {{unreadable, IDOK}}, {}},
        {"list missing",
         std::nullopt,
         1,
         {{"「OPExchange.txt」がオープン出来ないのでオペアンプを交換せずに終了します", IDOK}},
         {}},
        {"answered No",
         "LT1115\nOPA1612\nend\n",
         1,
         {{Question("LT1115", 1), IDNO}, {notExchanged, IDOK}},
         {}},
        {"from name not used",
         "LT1001\nOPA1612\nend\n",
         1,
         {{Question("LT1001", 1), IDYES},
          {"オペアンプ「LT1001」が使用されていません\n\n交換せずに終了します", IDOK}},
         {}},
        {"empty list is not reported as done",
         "LT1115\nend\n",
         1,
         {{Question("LT1115", 0), IDYES}, {notExchanged, IDOK}},
         {}},
        {"20 names and end",
         twenty + "end\n",
         1,
         {{Question("LT1115", 20), IDNO}, {notExchanged, IDOK}},
         {}},
        {"21 names",
         twenty + "OP20\n",
         1,
         {{"一度に交換できるのは 20個 までです", IDOK},
          {Question("LT1115", 20), IDNO},
          {notExchanged, IDOK}},
         {}},
        {"name leaving the folder refused before anything is written",
         "LT1115\nOPA1612\n../../x\nend\n",
         1,
         {{MessageText(
               UnusableOpAmpNameMessage("OPExchange.txt", "../../x", TextId::OpAmpsNotExchanged)),
           IDOK}},
         {}},
        {"empty from name refused",
         "\nOPA1612\nend\n",
         1,
         {{MessageText(UnusableOpAmpNameMessage("OPExchange.txt", "", TextId::OpAmpsNotExchanged)),
           IDOK}},
         {}},
        {"only the whole name matches",
         "LT11\nX\nend\n",
         1,
         {{Question("LT11", 1), IDYES},
          {"オペアンプ「LT11」が使用されていません\n\n交換せずに終了します", IDOK}},
         {}},
        {"a folder as the schematic",
         "LT1115\nX\nend\n",
         2,
         {{"「<s.asc>」はファイルではないので読み込めません\n\n" + notExchanged, IDOK}},
         {}},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        if (c.schematic == 1) WriteFile(folder / "s.asc", kSchematic);
        if (c.schematic == 2) std::filesystem::create_directory(folder / "s.asc");
        if (c.list) WriteFile(folder / "OPExchange.txt", *c.list);
        ScriptedUi ui;
        ui.currentDirectory = folder.Path();
        ui.ExpectOpenFile(folder / "s.asc");
        for (auto [text, answer] : c.messages) {
            if (const auto at = text.find("<s.asc>"); at != std::string::npos)
                text.replace(at, 7, folder / "s.asc");
            ui.ExpectMessage(text, answer);
        }
        CircuitOutput output;
        ExchangeOpAmps(output, ui);
        ui.VerifyDone();
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            const std::string name = entry.path().filename().string();
            if (name != "s.asc" && name != "OPExchange.txt") files.push_back(name);
        }
        EXPECT_EQ(files, c.written) << c.what;
    }
}

TEST(OpAmpExchange, CancelledChoiceEndsSilently) {
    ScriptedUi ui;
    ui.ExpectOpenFile(std::nullopt);
    CircuitOutput output;
    ExchangeOpAmps(output, ui);
}

}  // namespace
}  // namespace vorna
