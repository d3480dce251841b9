// vorna-cli --load and --save, run as a separate program: design files round trip, options
// override the file, bad files are refused before anything is written, and the files a verb
// writes are named on stderr.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "app/DesignDocument.h"
#include "cli/CliRunner.h"
#include "document/DesignFile.h"
#include "document/DesignWindowFile.h"
#include "output/TempFolder.h"
#include "support/ScriptedUi.h"
#include "view/DesignView.h"

namespace vorna {
namespace {

using testing::ReadFile;
using testing::RunCliIn;

TEST(CliDesignFile, SavedDesignLoadsAsTheSameJsonAndTheDesktopSavesTheSameBytes) {
    const testing::TempFolder folder;
    const std::string dir = folder.Path();
    const auto saved =
        RunCliIn(dir, "design --kind bp --approx elliptic --fp1 1KHz --fp2 3KHz --save a.vorna");
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.err, "wrote " + dir + "a.vorna\n");
    const auto loaded = RunCliIn(dir, "design --load a.vorna");
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_EQ(loaded.out, saved.out);

    // The same design made through the window's dialogs.
    DesignDocument doc;
    DesignView view(doc);
    testing::ScriptedUi ui;
    ui.ExpectDialog(100).Click(103).Click(114).Ok();
    ui.ExpectDialog(505).Type(527, "1").Pick(528, "KHz").Type(530, "3").Pick(531, "KHz").Ok();
    view.OnFilterSelect(ui);
    EXPECT_EQ(DesignFileTextOf(view), ReadFile(dir + "a.vorna"));
}

TEST(CliDesignFile, OptionsOverrideTheFileAndItsConversionIsKept) {
    const testing::TempFolder folder;
    const std::string dir = folder.Path();
    ASSERT_EQ(RunCliIn(dir, "design --kind hp --xs 2 --digital 20KHz --save d.vorna").status, 0);
    const auto loaded = RunCliIn(dir, "design --load d.vorna --approx chebyshev --attp 0.5");
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    const auto json = nlohmann::json::parse(loaded.out);
    EXPECT_EQ(json["kind"], 102);
    EXPECT_EQ(json["approximation"], 112);
    EXPECT_EQ(json["xs"], 2.0);
    EXPECT_EQ(json["attp"], 0.5);
    // The digital filter has its poles inside the unit circle: |Pn_1| < 1.
    EXPECT_LT(std::abs(json["results"]["sections"][0][1].get<double>()), 1.0);
    const auto plot = RunCliIn(dir, "plot --load d.vorna --graph polezero -o p.svg");
    EXPECT_EQ(plot.status, 0) << plot.err;
    // Without --graph the plot shows the file's graph.
    nlohmann::json file = nlohmann::json::parse(ReadFile(dir + "d.vorna"));
    file["view"]["graphKind"] = 302;
    testing::WriteFile(dir + "z.vorna", file.dump());
    EXPECT_NE(RunCliIn(dir, "plot --load z.vorna").out.find("Ｚ平面"), std::string::npos);
    EXPECT_EQ(RunCliIn(dir, "plot --load z.vorna --graph response").out.find("Ｚ平面"),
              std::string::npos);
}

TEST(CliDesignFile, BadFilesExitWith2AndWriteNothing) {
    const testing::TempFolder folder;
    const std::string dir = folder.Path();
    testing::WriteFile(dir + "broken.vorna", "{\"format\": ");
    testing::WriteFile(dir + "newer.vorna", "{\"format\": \"vorna-design\", \"version\": 7}");
    std::filesystem::create_directory(dir + "folder.vorna");
    const struct {
        const char* verb;
        const char* file;
        const char* problem;
    } cases[] = {
        {"design --save out.vorna", "broken.vorna", "JSON として読めません"},
        {"design --save out.vorna", "newer.vorna", "新しい版 7 の設計ファイル"},
        {"report --type coefficients -o out.txt", "folder.vorna", "フォルダです"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const auto run = RunCliIn(dir, std::string(c.verb) + " --load " + c.file);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind(std::string("設計ファイル「") + c.file + "」を開けません。\n", 0),
                  0u)
            << run.err;
        EXPECT_NE(run.err.find(c.problem), std::string::npos) << run.err;
        for (const char* output : {"out.vorna", "out.txt"})
            EXPECT_FALSE(testing::FileExists(dir + output)) << output;
    }
    EXPECT_EQ(ReadFile(dir + "broken.vorna"), "{\"format\": ");
}

TEST(CliDesignFile, WrittenFilesAreNamedWithTheirFullPath) {
    const testing::TempFolder folder;
    const auto report = RunCliIn(folder.Path(), "report --type gainlist -o gains.txt");
    EXPECT_EQ(report.err, "wrote " + folder / "gains.txt\n");
    const auto failed = RunCliIn(folder.Path(), "design --save no/folder/a.vorna");
    EXPECT_EQ(failed.status, 2);
    EXPECT_EQ(failed.err, "--save no/folder/a.vorna: the folder no/folder does not exist\n");
}

}  // namespace
}  // namespace vorna
