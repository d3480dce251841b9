// Design files: what a window keeps, what a bad file is told, and a loader that survives
// mutated input.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <random>
#include <string>

#include "app/DesignDocument.h"
#include "document/DesignFile.h"
#include "document/DesignWindowFile.h"
#include "output/TempFolder.h"
#include "view/DesignView.h"

namespace vorna {
namespace {

using nlohmann::json;

// A window with a band-pass elliptic design converted to digital, and choices that differ
// from a new window's everywhere.
struct Window {
    DesignDocument doc;
    DesignView view{doc};
};

DesignSettings ChangedSettings() {
    Window window;
    DesignSettings s = CaptureSettings(window.view);
    s.kind = kBandPass, s.approximation = kElliptic, s.referenceMode = 1;
    s.fp1 = {1500, 2}, s.fp2 = {3000, 2}, s.attp = 0.5, s.atts = 50, s.xs = 1.8;
    s.displayMode = 2, s.graphKind = 302, s.pointsPerDecade = 50;
    s.font.faceName = "DejaVu Sans Mono", s.font.height = -20, s.font.weight = 700;
    s.digital = true, s.samplingFrequency = 96000;
    s.circuits[2] = 485, s.eSeries = 5, s.outputChoice = 402;
    return s;
}

TEST(DesignFile, SavedWindowOpensAsTheSameWindow) {
    Window saved;
    ASSERT_EQ(ApplySettings(ChangedSettings(), saved.view), std::nullopt);
    const testing::TempFolder folder;
    ASSERT_EQ(SaveDesignFile(folder / "a.vorna", saved.view), std::nullopt);

    Window opened;
    ASSERT_EQ(OpenDesignFile(folder / "a.vorna", opened.view), std::nullopt);
    EXPECT_EQ(CaptureSettings(opened.view), CaptureSettings(saved.view));
    EXPECT_TRUE(opened.view.convertedToDigital);
    EXPECT_EQ(opened.doc.figures.order, saved.doc.figures.order);
    for (int i = 0; i <= saved.view.sectionLast; ++i)
        EXPECT_EQ(opened.view.sections[i], saved.view.sections[i]) << "section " << i;
    // Saving the opened window writes the same bytes.
    ASSERT_EQ(SaveDesignFile(folder / "b.vorna", opened.view), std::nullopt);
    EXPECT_EQ(testing::ReadFile(folder / "b.vorna"), testing::ReadFile(folder / "a.vorna"));
}

// A valid file's JSON changed at one place.
std::string Changed(const std::string& pointer, const json& value) {
    json file = json::parse(DesignFileText(ChangedSettings(), nullptr));
    if (value.is_discarded()) {
        const json::json_pointer at(pointer);
        file[at.parent_pointer()].erase(at.back());
    } else {
        file[json::json_pointer(pointer)] = value;
    }
    return file.dump();
}

const json kRemoved = json::value_t::discarded;

TEST(DesignFile, BadTextsAreRefusedWithTheirProblem) {
    const struct {
        std::string text;
        const char* problem;
    } cases[] = {
        {"{\"format\": \"vorna-design\",\n  \"version\": 1,,}",
         "JSON として読めません（2 行 15 文字目）"},
        {"[1, 2]", "Vorna の設計ファイルではありません"},
        {Changed("/format", "other"), "Vorna の設計ファイルではありません"},
        {Changed("/version", 2), "新しい版 2 の設計ファイル"},
        {Changed("/version", "1"), "「version」は整数でなければなりません"},
        {Changed("/design", kRemoved), "「design」がありません"},
        {Changed("/design/kind", 105), "「design.kind」の値 105 は範囲外です（101 ～ 104）"},
        {Changed("/design/order", 18.5), "「design.order」は整数でなければなりません"},
        {Changed("/design/order", 59), "「design.order」の値 59 は範囲外です（2 ～ 58）"},
        {Changed("/design/order", 18446744073709551615u), "「design.order」の値"},
        {Changed("/design/byOrder", 1), "「design.byOrder」はtrue か false"},
        {Changed("/design/xs", 1), "「design.xs」の値 1 は範囲外です（1 より大きく 100 以下）"},
        {Changed("/design/xs", 1.0000000000000002),
         "「design.xs」の値 1.0000000000000002 はダイアログの 15 桁では 1 になり、範囲外です"},
        {Changed("/design/fp1/hz", 0), "「design.fp1.hz」の値 0 は範囲外"},
        {Changed("/design/fp2/hz", 2e8), "「design.fp2.hz」の値 200000000 は範囲外"},
        {Changed("/design/fp/unit", "kHz"), "「design.fp.unit」の単位「kHz」は使えません"},
        {Changed("/design/fp", 1000), "「design.fp」はオブジェクト"},
        {Changed("/view/font/faceName", ""), "「view.font.faceName」には 1 ～"},
        {Changed("/digital/samplingFrequencyHz", 0), "「digital.samplingFrequencyHz」の値 0"},
        {Changed("/synthesis/circuits/1", 480), "「synthesis.circuits[1]」の値 480 は範囲外"},
        {Changed("/synthesis/circuits", json::array({480})), "「synthesis.circuits」には 7 個"},
    };
    for (const auto& c : cases) {
        const DesignFileContent content = ParseDesignFile(c.text);
        EXPECT_FALSE(content.settings.has_value()) << c.problem;
        EXPECT_NE(content.problem.find(c.problem), std::string::npos)
            << "expected " << c.problem << "\n got " << content.problem;
    }
}

// Values each of which passes alone but which no design or conversion accepts.
TEST(DesignFile, DesignsTheDialogsRefuseOpenNothing) {
    const auto with = [](auto change) {
        DesignSettings s = ChangedSettings();
        change(s);
        return s;
    };
    const struct {
        DesignSettings settings;
        const char* problem;
    } cases[] = {
        {with([](DesignSettings& s) { s.atts = 0.2; }), "ａｔｔｓはａｔｔｐより大きな値"},
        {with([](DesignSettings& s) {
             s.fp2 = {1000, 2};
         }),
         "Ｆｐ２はＦｐ１より高い周波数"},
        {with([](DesignSettings& s) { s.xs = 1.0001, s.atts = 2000; }), "５８を越えました"},
        {with([](DesignSettings& s) { s.kind = kBandEliminate, s.xs = 1.5; }), "√(Fp2/Fp1)"},
        {with([](DesignSettings& s) { s.samplingFrequency = 5000; }), "標本化周波数 5000 Hz"},
    };
    const testing::TempFolder folder;
    for (const auto& c : cases) {
        testing::WriteFile(folder / "bad.vorna", DesignFileText(c.settings, nullptr));
        Window window;
        const DesignSettings before = CaptureSettings(window.view);
        const auto problem = OpenDesignFile(folder / "bad.vorna", window.view);
        const std::optional<std::string> message =
            problem ? std::optional(MessageText(*problem)) : std::nullopt;
        ASSERT_TRUE(message.has_value()) << c.problem;
        EXPECT_NE(message->find("設計ファイル「" + folder / "bad.vorna" + "」を開けません。\n"),
                  std::string::npos);
        EXPECT_NE(message->find(c.problem), std::string::npos) << *message;
        EXPECT_EQ(CaptureSettings(window.view), before);
        EXPECT_TRUE(window.view.noDesignYet);
    }
}

TEST(DesignFile, FilesThatCannotBeReadAreRefused) {
    const testing::TempFolder folder;
    std::filesystem::create_directory(folder / "folder.vorna");
    testing::WriteFile(folder / "large.vorna", std::string(kMaxDesignFileBytes + 1, ' '));
    mkfifo((folder / "pipe.vorna").c_str(), 0600);
    testing::WriteFile(folder / "locked.vorna", "{}");
    std::filesystem::create_symlink("loop.vorna", folder / "loop.vorna");
    chmod((folder / "locked.vorna").c_str(), 0);
    const struct {
        std::string name;
        const char* problem;
    } cases[] = {
        {"missing.vorna", "ファイルが見つかりません"},
        {"folder.vorna", "フォルダです"},
        {"large.vorna", "大きすぎます（設計ファイルは 1048576 バイトまで）"},
        {"pipe.vorna", "普通のファイルではありません"},
        {"loop.vorna", "シンボリックリンクが循環しています"},
        {std::string(300, 'n'), "パスが長すぎます"},
        // The superuser reads any file: the file is then refused for what it holds.
        {"locked.vorna",
         geteuid() == 0 ? "Vorna の設計ファイルではありません" : "読み出す権限がありません"},
    };
    for (const auto& c : cases) {
        const DesignFileContent content = ReadDesignFile(folder / c.name);
        EXPECT_NE(content.problem.find(c.problem), std::string::npos)
            << c.name << ": " << content.problem;
    }
}

TEST(DesignFile, SaveReplacesTheFileOrSaysWhyAndLeavesNoTemporary) {
    const testing::TempFolder folder;
    Window window;
    std::filesystem::create_directory(folder / "a.vorna");
    const auto problem = SaveDesignFile(folder / "a.vorna", window.view);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(MessageText(*problem), "設計ファイル「" + folder / "a.vorna" +
                                         "」に保存できません。\n同じ名前のフォルダがあります。");
    EXPECT_TRUE(SaveDesignFile(folder / "no/folder.vorna", window.view).has_value());
    testing::WriteFile(folder / "b.vorna", "old");
    ASSERT_EQ(SaveDesignFile(folder / "b.vorna", window.view), std::nullopt);
    EXPECT_EQ(testing::ReadFile(folder / "b.vorna"), DesignFileTextOf(window.view));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
}

// Mutated files (bytes flipped, inserted, removed; JSON values replaced) never crash the
// loader, and what it accepts opens in a window.
TEST(DesignFile, LoaderSurvivesMutatedFiles) {
    const std::string valid = DesignFileText(ChangedSettings(), nullptr);
    const std::vector<json> values{
        nullptr, true, -1, 0, 1e308, -1e-308, "", json::array(), json::object(), 4294967296, 2.5};
    std::mt19937 random(20261207);
    auto pick = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    const json flat = json::parse(valid).flatten();
    int accepted = 0;
    for (int run = 0; run < 3000; ++run) {
        json file = json::parse(valid);
        const auto leaf = std::next(flat.begin(), static_cast<long>(pick(flat.size())));
        file[json::json_pointer(leaf.key())] = values[pick(values.size())];
        std::string text = file.dump();
        // Every other input also has bytes changed, inserted or removed.
        for (std::size_t n = run % 2 * (1 + pick(4)); n > 0; --n) {
            const std::size_t at = pick(text.size()), what = pick(3);
            if (what == 0) text[at] = static_cast<char>(pick(256));
            if (what == 1) text.insert(at, 1, "{}[]\",:0-e.\\u"[pick(14)]);
            if (what == 2) text.erase(at, 1 + pick(8));
        }
        const DesignFileContent content = ParseDesignFile(text);
        ASSERT_NE(content.settings.has_value(), !content.problem.empty());
        if (!content.settings) continue;
        ++accepted;
        Window window;
        ApplySettings(*content.settings, window.view);
    }
    EXPECT_GT(accepted, 0);
}

}  // namespace
}  // namespace vorna
