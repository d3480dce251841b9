// vorna-cli plot and the conversion options of design, run as a separate program.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "cli/CliRunner.h"
#include "output/TempFolder.h"

namespace vorna {
namespace {

// Runs vorna-cli with `arguments` in a folder of its own; returns its exit status.
int RunCli(const std::string& arguments, std::string* out = nullptr, std::string* err = nullptr) {
    const testing::TempFolder folder;
    const testing::CliRun run = testing::RunCliIn(folder.Path(), arguments);
    if (out) *out = run.out;
    if (err) *err = run.err;
    return run.status;
}

TEST(CliPlot, DefaultDesignResponseShowsHeaderGridAndBothCurves) {
    const testing::TempFolder folder;
    const std::string path = folder / "default.svg";
    std::string err;
    ASSERT_EQ(RunCli("plot -o " + path, nullptr, &err), 0) << err;
    const std::string svg = testing::ReadFile(path);
    EXPECT_NE(svg.find("ｱﾅﾛｸﾞ Low Pass  Butterworth   次数=18"), std::string::npos);
    EXPECT_NE(svg.find(">-80dB</text>"), std::string::npos);
    EXPECT_NE(svg.find("stroke=\"#00ff00\""), std::string::npos);                     // grid
    EXPECT_NE(svg.find("stroke=\"#000000\" stroke-width=\"2\""), std::string::npos);  // frame, gain
    EXPECT_NE(svg.find("stroke=\"#ff00ff\""), std::string::npos);                     // phase
}

TEST(CliPlot, GraphChoicesAndRefusedPointCounts) {
    std::string out;
    std::string err;
    ASSERT_EQ(RunCli("plot --graph polezero", &out, &err), 0) << err;
    EXPECT_NE(out.find("Ｓ平面"), std::string::npos);
    ASSERT_EQ(RunCli("plot --graph list --digital 48KHz", &out, &err), 0) << err;
    EXPECT_NE(out.find("Pn_2 + Pn_3 * zm + Pn_4 * zm^2"), std::string::npos);
    EXPECT_EQ(RunCli("plot --points 5", &out, &err), 2);
    EXPECT_NE(err.find("Please enter an integer between 10 and 1000."), std::string::npos);
}

TEST(CliDesignConversion, DigitalAndGainOptions) {
    std::string out;
    std::string err;
    ASSERT_EQ(RunCli("design --digital 48KHz --gain-at 1KHz --gain-at 47KHz", &out, &err), 0)
        << err;
    const auto json = nlohmann::json::parse(out);
    ASSERT_EQ(json["gains"].size(), 2u);
    EXPECT_NEAR(json["gains"][0]["gainDb"].get<double>(), -3.0103, 1e-4);
    // The digital response mirrors about half the sampling frequency.
    EXPECT_NEAR(json["gains"][1]["gainDb"].get<double>(), -3.0103, 1e-4);

    EXPECT_EQ(RunCli("design --digital 2.9KHz", &out, &err), 2);
    EXPECT_NE(err.find("below the lower limit of this design, 3000 Hz"), std::string::npos) << err;
    EXPECT_EQ(RunCli("design --gain-at 1Mhz", &out, &err), 2);
}

}  // namespace
}  // namespace vorna
