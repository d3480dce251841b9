// vorna-cli circuit, run as a separate program in a directory of its own: the schematic is
// the reference schematic from sys/ beside the program with the synthesised values, and the
// journal is appended to journal.txt of the current directory.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "circuit/EngValue.h"
#include "cli/CliRunner.h"
#include "output/TempFolder.h"
#include "platform/CLocale.h"
#include "platform/ShiftJisText.h"

namespace vorna {
namespace {

using testing::Count;
using testing::ReadFile;
using testing::RunCliIn;
using testing::WriteFile;

// The value texts of the schematic's components by instance name (the "SYMATTR Value "
// line next to each "SYMATTR InstName " line).
std::map<std::string, std::string> SchematicValues(const std::string& utf16) {
    std::vector<std::string> lines;
    std::istringstream text(testing::Utf16LeToUtf8(utf16));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    const std::string instName = "SYMATTR InstName ";
    const std::string valueLine = "SYMATTR Value ";
    std::map<std::string, std::string> values;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind(instName, 0) != 0) continue;
        for (const std::size_t j : {i + 1, i - 1}) {
            if (j < lines.size() && lines[j].rfind(valueLine, 0) == 0) {
                values[lines[i].substr(instName.size())] = lines[j].substr(valueLine.size());
                break;
            }
        }
    }
    return values;
}

// Whether a schematic value text ("280.23K", "4.7n", "1Meg") shows `value` to its last digit.
bool ShowsValue(const std::string& text, double value) {
    const char* end = nullptr;
    const double mantissa = StrToD(text.c_str(), &end);
    if (end == text.c_str()) return false;
    for (const auto& unit : kComponentUnits) {
        if (std::string(end) == unit.suffix)
            return std::abs(mantissa * unit.factor - value) <= 0.00501 * unit.factor;
    }
    return false;
}

nlohmann::json RunCircuit(const std::string& dir, const std::string& arguments) {
    const auto run = RunCliIn(dir, "circuit " + arguments);
    EXPECT_EQ(run.status, 0) << arguments << "\n" << run.err;
    return run.status == 0 ? nlohmann::json::parse(run.out) : nlohmann::json::object();
}

TEST(CliCircuit, SchematicHoldsEveryElementWithItsValueAndTheJournalIsAppended) {
    const char* designs[] = {
        "--circuit LP1",
        "--kind hp --circuit HP2",
        "--kind bp --approx elliptic --circuit BP4",
        "--kind be --circuit BE2",
    };
    for (const char* design : designs) {
        SCOPED_TRACE(design);
        const testing::TempFolder folder;
        const std::string dir = folder.Path();
        const auto json = RunCircuit(dir, std::string(design) + " -o X.asc");
        ASSERT_FALSE(json.empty());
        EXPECT_EQ(json["schematic"], "X.asc");
        const std::string schematic = ReadFile(dir + "X.asc");
        ASSERT_EQ(schematic.rfind("\xFF\xFE", 0), 0u) << "no UTF-16LE byte order mark";
        EXPECT_EQ(schematic.size() % 2, 0u);
        const auto values = SchematicValues(schematic);
        ASSERT_FALSE(json["elements"].empty());
        for (const auto& element : json["elements"]) {
            const std::string name = element["name"];
            const auto found = values.find(name);
            ASSERT_NE(found, values.end()) << name << " is not in the schematic";
            EXPECT_TRUE(ShowsValue(found->second, element["value"].get<double>()))
                << name << " = " << found->second << ", synthesised " << element["value"];
        }

        const std::string header = Utf8ToShiftJis("回路図ファイル名 X.asc");
        const std::string journal = ReadFile(dir + "journal.txt");
        EXPECT_EQ(Count(journal, header), 1u);
        RunCircuit(dir, std::string(design) + " -o X.asc");
        const std::string twice = ReadFile(dir + "journal.txt");
        EXPECT_EQ(Count(twice, header), 2u);
        EXPECT_EQ(twice.rfind(journal, 0), 0u) << "the second run must append, not rewrite";
    }
}

TEST(CliCircuit, PickBestNeverAcceptsALargerDeviationThanPickFirst) {
    const char* designs[] = {
        "--circuit LP1",                              // C2 walked downward without end
        "--kind hp --circuit HP1 --series E12",       // every resistor shown many times over
        "--kind bp --circuit BP2",                    // two steps per section
        "--kind lp --approx elliptic --circuit LP4",  // notch family steps
    };
    for (const char* design : designs) {
        SCOPED_TRACE(design);
        const testing::TempFolder folder;
        const std::string dir = folder.Path();
        const auto first = RunCircuit(dir, std::string(design) + " --pick first -o first.asc");
        const auto best = RunCircuit(dir, std::string(design) + " --pick best -o best.asc");
        ASSERT_FALSE(first.empty());
        ASSERT_FALSE(best.empty());
        ASSERT_EQ(first["steps"].size(), best["steps"].size());
        double firstSum = 0;
        double bestSum = 0;
        for (std::size_t i = 0; i < best["steps"].size(); ++i) {
            const auto& f = first["steps"][i];
            const auto& b = best["steps"][i];
            EXPECT_EQ(f["candidates"], 1);
            EXPECT_EQ(f["deviation"], f["firstDeviation"]);
            EXPECT_EQ(b["dialog"], f["dialog"]);
            EXPECT_EQ(b["section"], f["section"]);
            EXPECT_GT(b["candidates"].get<int>(), 1);
            const double accepted = b["deviation"].get<double>();
            EXPECT_LE(accepted, b["bestDeviation"].get<double>() * (1 + 1e-9) + 1e-12)
                << "step " << i;
            EXPECT_LE(accepted, b["firstDeviation"].get<double>() * (1 + 1e-9) + 1e-12)
                << "step " << i;
            // A step that starts from the same values in both runs offers the same candidates.
            if (b["firstDeviation"] == f["firstDeviation"]) {
                EXPECT_LE(accepted, f["deviation"].get<double>() * (1 + 1e-9) + 1e-12)
                    << "step " << i;
            }
            firstSum += f["deviation"].get<double>();
            bestSum += accepted;
        }
        EXPECT_LT(bestSum, firstSum);
        EXPECT_EQ(best["pick"], "best");
    }
}

// With --pick best every step accepts the best candidate of its first pass itself, brought
// back by typing its value where the pass ended elsewhere, never its twin a decade away: the
// values stay within the decade that the first pass walks from the first candidate (which
// --pick first accepts). Steps that start from an earlier step's choice are compared only
// through their deviations.
TEST(CliCircuit, PickBestKeepsTheValuesOfTheFirstPass) {
    const struct {
        const char* design;
        std::vector<std::string>
            independent;  // name prefixes of elements set by steps of fixed inputs
    } cases[] = {
        {"--circuit LP1", {""}},
        {"--circuit LP2 --series E6", {""}},
        {"--circuit LP2 --series E96", {""}},
        {"--kind hp --circuit HP1 --series E12", {""}},
        {"--kind bp --circuit BP2", {""}},
        {"--kind lp --approx elliptic --circuit LP4", {"Rb", "Cb", "R1_", "C1_"}},
        {"--kind be --circuit BE2", {"Rb", "Cb", "R1_", "C1_"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.design);
        const testing::TempFolder folder;
        const std::string dir = folder.Path();
        const auto firstRun =
            RunCliIn(dir, std::string("circuit ") + c.design + " --pick first -o first.asc");
        const auto bestRun =
            RunCliIn(dir, std::string("circuit ") + c.design + " --pick best -o best.asc");
        ASSERT_EQ(firstRun.status, 0) << firstRun.err;
        ASSERT_EQ(bestRun.status, 0) << bestRun.err;
        EXPECT_EQ(bestRun.err.find("did not bring back"), std::string::npos) << bestRun.err;
        const auto first = nlohmann::json::parse(firstRun.out);
        const auto best = nlohmann::json::parse(bestRun.out);
        int typedBack = 0;
        for (const auto& step : best["steps"]) {
            EXPECT_FALSE(step["missedBest"].get<bool>()) << step.dump();
            EXPECT_LE(step["deviation"].get<double>(),
                      step["bestDeviation"].get<double>() * (1 + 1e-9) + 1e-15)
                << step.dump();
            if (step["typedBack"].get<bool>()) ++typedBack;
        }
        EXPECT_GT(typedBack, 0);
        for (const auto& step : first["steps"]) {
            EXPECT_FALSE(step["typedBack"].get<bool>());
            EXPECT_FALSE(step["missedBest"].get<bool>());
        }
        ASSERT_EQ(first["elements"].size(), best["elements"].size());
        int compared = 0;
        for (std::size_t i = 0; i < best["elements"].size(); ++i) {
            const std::string name = best["elements"][i]["name"];
            ASSERT_EQ(name, first["elements"][i]["name"]);
            const bool independent =
                std::any_of(c.independent.begin(), c.independent.end(),
                            [&](const std::string& prefix) { return name.rfind(prefix, 0) == 0; });
            if (!independent) continue;
            ++compared;
            const double ratio = best["elements"][i]["value"].get<double>() /
                                 first["elements"][i]["value"].get<double>();
            EXPECT_GT(ratio, 0.1 * (1 + 1e-9)) << name;
            EXPECT_LT(ratio, 10 / (1 + 1e-9)) << name;
        }
        EXPECT_GT(compared, 3);
    }
}

TEST(CliCircuit, SeriesChangesTheValues) {
    const testing::TempFolder folder;
    const std::string dir = folder.Path();
    const auto e24 = RunCircuit(dir, "--circuit LP1 -o e24.asc");
    const auto e96 = RunCircuit(dir, "--circuit LP1 --series E96 -o e96.asc");
    const auto e96Best = RunCircuit(dir, "--circuit LP1 --series E96 --pick best -o e96best.asc");
    ASSERT_EQ(e24["elements"].size(), e96["elements"].size());
    int changed = 0;
    for (std::size_t i = 0; i < e24["elements"].size(); ++i) {
        EXPECT_EQ(e24["elements"][i]["name"], e96["elements"][i]["name"]);
        if (e24["elements"][i]["value"] != e96["elements"][i]["value"]) ++changed;
    }
    EXPECT_GT(changed, 0);
    // A pass of E96 is 96 candidates long.
    EXPECT_GE(e96Best["steps"][0]["candidates"].get<int>(), 96);
    EXPECT_NE(ReadFile(dir + "e24.asc"), ReadFile(dir + "e96.asc"));
}

TEST(CliCircuit, StartCapacitorGivesPracticalValuesAndCompensationIsJournalled) {
    const testing::TempFolder folder;
    const std::string dir = folder.Path();
    const std::string design = "--kind lp --approx butterworth --by-order --order 4 --fc 1KHz ";
    for (const char* circuit : {"LP1", "LP2"}) {
        SCOPED_TRACE(circuit);
        const auto json = RunCircuit(
            dir, design + "--circuit " + circuit + " --pick first --capacitor 10n -o X.asc");
        ASSERT_FALSE(json["elements"].empty());
        for (const auto& element : json["elements"]) {
            const double value = element["value"];
            const bool capacitor = element["name"].get<std::string>().front() == 'C';
            EXPECT_GE(value, capacitor ? 1e-9 : 1e3) << element["name"];
            EXPECT_LE(value, capacitor ? 1e-6 : 1e6) << element["name"];
        }
    }
    // Pre-distortion is journalled per section; an op-amp far too slow is refused.
    const std::string before = ReadFile(dir + "journal.txt");
    RunCircuit(dir, design + "--circuit LP2 --compensate-gbw 200KHz -o X.asc");
    EXPECT_EQ(Count(ReadFile(dir + "journal.txt").substr(before.size()), "GB"), 2);
    const auto slow =
        RunCliIn(dir, "circuit " + design + "--circuit LP2 --compensate-gbw 1KHz -o Y.asc");
    EXPECT_EQ(slow.status, 1);
    EXPECT_NE(slow.err.find("GB"), std::string::npos);
    EXPECT_EQ(RunCliIn(dir, "circuit " + design + "--circuit LP2 --capacitor 10x -o Y.asc").status,
              2);
}

TEST(CliCircuit, OpAmpOptionRenamesTheSymbols) {
    const struct {
        const char* opAmp;
        const char* nameFile;  // OPname.txt, or nullptr for none
        int status;
        const char* symbol;
    } cases[] = {
        {"LT1115", nullptr, 0, "SYMBOL OpAmps\\\\LT1115 "},
        {"ADA4807-4", nullptr, 0, "SYMBOL OpAmps\\\\ADA4807-4 "},
        {"OPA1611", "OPA1611\r\n", 0, "SYMBOL OpAmps\\\\OPA1611 "},
        {"OPA1611", nullptr, 1, nullptr},
        {"OPA1611", "NE5532\n", 1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.opAmp) + (c.nameFile ? " with OPname.txt" : ""));
        const testing::TempFolder folder;
        const std::string dir = folder.Path();
        if (c.nameFile) WriteFile(dir + "OPname.txt", c.nameFile);
        const auto run =
            RunCliIn(dir, std::string("circuit --circuit LP1 --opamp ") + c.opAmp + " -o X.asc");
        ASSERT_EQ(run.status, c.status) << run.err;
        if (c.symbol == nullptr) {
            EXPECT_NE(run.err.find("needs OPname.txt"), std::string::npos) << run.err;
            continue;
        }
        const std::string schematic = testing::Utf16LeToUtf8(ReadFile(dir + "X.asc"));
        EXPECT_EQ(Count(schematic, "SYMBOL OpAmps"), 9u);
        EXPECT_EQ(Count(schematic, c.symbol), 9u);
    }
}

TEST(CliCircuit, CircuitsThatDoNotRealiseTheDesignAreRefused) {
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"--circuit LP9",
         "--circuit: unknown circuit \"LP9\"; choose one of LP1, LP2, LP3, LP4, HP1, HP2, HP3, "
         "HP4, BP1, BP2, BP3, "
         "BP4, BE1, BE2\n"},
        {"--circuit lp1", "--circuit: unknown circuit \"lp1\"; choose one of"},
        {"--circuit HP1", "circuit HP1 does not realise this design; choose LP1 or LP2\n"},
        {"--circuit LP3", "circuit LP3 does not realise this design; choose LP1 or LP2\n"},
        {"--kind bp --circuit LP1",
         "circuit LP1 does not realise this design; choose BP1 or BP2\n"},
        {"--kind be --approx elliptic --circuit BP3",
         "circuit BP3 does not realise this design; choose BE1 or BE2\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const testing::TempFolder folder;
        const std::string dir = folder.Path();
        const auto run = RunCliIn(dir, std::string("circuit ") + c.arguments + " -o X.asc");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(ReadFile(dir + "X.asc"), "");
        EXPECT_EQ(ReadFile(dir + "journal.txt"), "");
    }
}

}  // namespace
}  // namespace vorna
