// vorna-cli plot and the conversion options of design, run as a separate program.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace vorna {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Runs vorna-cli with `arguments`; standard output and error go to files.
int RunCli(const std::string& arguments, std::string* out = nullptr, std::string* err = nullptr) {
    const std::string outFile = ::testing::TempDir() + "vorna_cli_plot_out.txt";
    const std::string errFile = ::testing::TempDir() + "vorna_cli_plot_err.txt";
    const int status = std::system((std::string(VORNA_BIN_DIR) + "/vorna-cli " + arguments + " >" + outFile + " 2>" +
                                    errFile).c_str());
    if (out) *out = ReadFile(outFile);
    if (err) *err = ReadFile(errFile);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CliPlot, DefaultDesignResponseShowsHeaderGridAndBothCurves) {
    const std::string path = ::testing::TempDir() + "vorna_plot_default.svg";
    std::string err;
    ASSERT_EQ(RunCli("plot -o " + path, nullptr, &err), 0) << err;
    const std::string svg = ReadFile(path);
    EXPECT_NE(svg.find("ｱﾅﾛｸﾞ Low Pass  Butterworth   次数=18"), std::string::npos);
    EXPECT_NE(svg.find(">-80dB</text>"), std::string::npos);
    EXPECT_NE(svg.find("stroke=\"#00ff00\""), std::string::npos);                    // grid
    EXPECT_NE(svg.find("stroke=\"#000000\" stroke-width=\"2\""), std::string::npos);  // frame, gain
    EXPECT_NE(svg.find("stroke=\"#ff00ff\""), std::string::npos);                    // phase
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
    ASSERT_EQ(RunCli("design --digital 48KHz --gain-at 1KHz --gain-at 47KHz", &out, &err), 0) << err;
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
