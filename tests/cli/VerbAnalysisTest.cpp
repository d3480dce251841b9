// vorna-cli export, response, the analysis graphs of plot and the group delay of --gain-at,
// run as a separate program.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "cli/CliRunner.h"
#include "output/TempFolder.h"
#include "platform/CLocale.h"

namespace vorna {
namespace {

using testing::RunCliIn;
using testing::TempFolder;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(CliAnalysis, ExportWritesTheSameNumbersInEveryFormat) {
    const TempFolder folder;
    const std::string design = " --kind lp --approx chebyshev --by-order --order 7 --fc 1KHz ";
    for (const char* format : {"csv", "json", "c"}) {
        const auto run = RunCliIn(folder.Path(), std::string("export --format ") + format + design +
                                                     "-o " + (folder / format));
        ASSERT_EQ(run.status, 0) << run.err;
    }
    const auto csv = Lines(testing::ReadFile(folder / "csv"));
    ASSERT_EQ(csv.size(), 5u);  // header, the first-order section, three second-order ones
    EXPECT_EQ(csv[0], "section,n2,n1,n0,d2,d1,d0");
    const auto json = nlohmann::json::parse(testing::ReadFile(folder / "json"));
    const std::string header = testing::ReadFile(folder / "c");
    EXPECT_NE(header.find("static const double sos[4][6] = {"), std::string::npos);
    const auto named = RunCliIn(folder.Path(), "export --format c --name lp7" + design + "-o -");
    ASSERT_EQ(named.status, 0) << named.err;
    for (const char* name :
         {"#ifndef VORNA_LP7_H", "LP7_SECTIONS 4", "lp7_gain = 1.0", "lp7[4][6]"})
        EXPECT_NE(named.out.find(name), std::string::npos) << name;
    for (std::size_t row = 1; row < csv.size(); ++row) {
        std::istringstream cells(csv[row]);
        std::string cell;
        for (std::size_t column = 0; std::getline(cells, cell, ','); ++column)
            EXPECT_EQ(LeadingNumber(cell), json["sections"][row - 1][column].get<double>());
        std::string values = csv[row].substr(csv[row].find(',') + 1);
        for (std::size_t at = values.find(','); at != std::string::npos;
             at = values.find(',', at + 2))
            values.replace(at, 1, ", ");
        EXPECT_NE(header.find(values), std::string::npos) << values;
    }
}

TEST(CliAnalysis, StepResponseSettlesToTheDcGain) {
    const auto run = RunCliIn(TempFolder().Path(), "response --type step --points 300 -o -");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 301u);
    EXPECT_EQ(lines[0], "time,value");
    EXPECT_EQ(lines[1], "0,0");
    EXPECT_NEAR(LeadingNumber(lines.back().substr(lines.back().find(',') + 1)), 1, 2e-3);
}

TEST(CliAnalysis, AnalysisGraphsHaveTitledAxesAndNoNonNumbers) {
    for (const char* graph : {"magnitude", "passband", "phase", "groupdelay", "step", "impulse"}) {
        for (const char* digital : {"", " --digital 48KHz"}) {
            SCOPED_TRACE(std::string(graph) + digital);
            const auto run = RunCliIn(TempFolder().Path(),
                                      std::string("plot --graph ") + graph + digital + " -o -");
            ASSERT_EQ(run.status, 0) << run.err;
            EXPECT_NE(
                run.out.find(graph[0] == 's' || graph[0] == 'i' ? "時間 (秒)" : "周波数 (Hz)"),
                std::string::npos);
            EXPECT_EQ(run.out.find("nan"), std::string::npos);
            EXPECT_EQ(run.out.find("inf"), std::string::npos);
            // Half the sampling frequency is marked where the graph reaches it.
            const std::string graphName = graph;
            const bool reachesHalf =
                graphName == "magnitude" || graphName == "phase" || graphName == "groupdelay";
            EXPECT_EQ(run.out.find("fs/2") != std::string::npos, *digital != 0 && reachesHalf);
        }
    }
}

TEST(CliAnalysis, BadInputExitsWithoutAFile) {
    const TempFolder folder;
    const std::string out = folder / "out";
    struct Case {
        std::string arguments;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {"export --format xml -o " + out, 2, "unknown format"},
        {"export --format c --name 2nd -o " + out, 2, "--name 2nd: not a C identifier"},
        {"export --format c --name int -o " + out, 2, "--name int"},
        {"export --format csv -o " + (folder / "missing/out"), 2, "missing does not exist"},
        {"response --type ramp -o " + out, 2, "unknown response"},
        {"response --type step --t-end 0 -o " + out, 2, "--t-end"},
        {"response --type step --t-end nan -o " + out, 2, "--t-end"},
        {"response --type step --t-end inf -o " + out, 2, "--t-end"},
        {"response --type impulse --points 1 -o " + out, 2, "--points"},
        {"response --type impulse --points 100001 -o " + out, 2, "--points"},
        {"plot --graph bode -o " + out, 2, "unknown graph"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const auto run = RunCliIn(folder.Path(), c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(testing::FileExists(out));
    }
}

TEST(CliAnalysis, GainAtCarriesTheGroupDelay) {
    const auto run = RunCliIn(TempFolder().Path(), "design --gain-at 1KHz --digital 48KHz");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto gain = nlohmann::json::parse(run.out)["gains"][0];
    // An order-18 Butterworth low-pass delays most near its cut-off: a few milliseconds.
    EXPECT_GT(gain["groupDelaySeconds"].get<double>(), 1e-3);
    EXPECT_LT(gain["groupDelaySeconds"].get<double>(), 1e-2);
}

}  // namespace
}  // namespace vorna
