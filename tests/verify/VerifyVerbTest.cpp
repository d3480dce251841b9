// vorna-cli verify, run as a separate program: the simulation against the ideal response
// and against the ngspice program on the written schematic, the tolerance analysis and the
// refusals of bad input.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/CliRunner.h"
#include "output/TempFolder.h"
#include "platform/ShiftJisText.h"
#include "schematic/AscFile.h"
#include "tools/AcSimulation.h"
#include "verify/CircuitSimulation.h"

namespace vorna {
namespace {

using nlohmann::json;
using testing::Count;
using testing::RunCliIn;

struct CircuitCase {
    const char* circuit;
    const char* design;
};

// One design for every basic circuit, by order (the first candidate of every step).
constexpr CircuitCase kCircuits[] = {
    {"LP1", "--kind lp --approx butterworth --by-order --order 3 --fc 1KHz"},
    {"LP2", "--kind lp --approx chebyshev --by-order --order 4 --fc 1KHz"},
    {"LP3", "--kind lp --approx elliptic --by-order --order 5 --fc 1KHz"},
    {"LP4", "--kind lp --approx invchebyshev --by-order --order 4 --fc 1KHz"},
    {"HP1", "--kind hp --approx butterworth --by-order --order 3 --fc 1KHz"},
    {"HP2", "--kind hp --approx chebyshev --by-order --order 4 --fc 1KHz"},
    {"HP3", "--kind hp --approx elliptic --by-order --order 5 --fc 1KHz"},
    {"HP4", "--kind hp --approx elliptic --by-order --order 4 --fc 1KHz"},
    {"BP1", "--kind bp --approx butterworth --by-order --order 2"},
    {"BP2", "--kind bp --approx butterworth --by-order --order 3"},
    {"BP3", "--kind bp --approx elliptic --by-order --order 3"},
    {"BP4", "--kind bp --approx elliptic --by-order --order 4"},
    {"BE1", "--kind be --approx elliptic --by-order --order 4"},
    {"BE2", "--kind be --approx elliptic --by-order --order 4"},
};

json Verify(const std::string& dir, const std::string& arguments) {
    const testing::CliRun run = RunCliIn(dir, "verify " + arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    // Only the files written are named: the journal, and the schematic when -o asks for one.
    EXPECT_EQ(run.err.rfind("wrote " + dir + "journal.txt\n", 0), 0u) << run.err;
    EXPECT_EQ(Count(run.err, "\n"), Count(run.err, "wrote "));
    return run.status == 0 ? json::parse(run.out) : json::object();
}

double LargestDeviation(const json& points) {
    double largest = 0;
    for (const json& p : points)
        largest = std::max(largest,
                           std::abs(p["simulatedDb"].get<double>() - p["idealDb"].get<double>()));
    return largest;
}

// Every basic circuit that takes an all-pole design realises Bessel and Legendre designs
// (the band-pass and band-eliminate ones in bands whose sections have the Q they need).
TEST(VerifyVerb, AllPoleCircuitsRealiseBesselAndLegendreDesigns) {
    constexpr CircuitCase kAllPole[] = {
        {"LP1", "--kind lp --approx bessel --by-order --order 5 --fc 1KHz"},
        {"LP2", "--kind lp --approx legendre --by-order --order 8 --fc 1KHz"},
        {"HP1", "--kind hp --approx legendre --by-order --order 5 --fc 1KHz"},
        {"HP2", "--kind hp --approx bessel --bessel-norm delay --by-order --order 8 --fc 1KHz"},
        {"BP1", "--kind bp --approx bessel --by-order --order 5 --fp1 1KHz --fp2 1.5KHz"},
        {"BP1", "--kind bp --approx legendre --by-order --order 8 --fp1 1KHz --fp2 3KHz"},
        {"BP2", "--kind bp --approx bessel --bessel-norm phase --by-order --order 8"},
        {"BP2", "--kind bp --approx legendre --by-order --order 5"},
        {"BE1", "--kind be --approx bessel --by-order --order 5"},
        {"BE1", "--kind be --approx legendre --by-order --order 8"},
        {"BE2", "--kind be --approx bessel --bessel-norm delay --by-order --order 8"},
        {"BE2", "--kind be --approx legendre --by-order --order 5 --fp1 1KHz --fp2 2KHz"},
    };
    for (const CircuitCase& c : kAllPole) {
        SCOPED_TRACE(std::string(c.circuit) + " " + c.design);
        const testing::TempFolder folder;
        const json ideal = Verify(
            folder.Path(), std::string(c.design) + " --circuit " + c.circuit + " --gbw 1e12");
        ASSERT_TRUE(ideal.contains("maxPassbandDeviationDb"));
        EXPECT_LT(ideal["maxPassbandDeviationDb"].get<double>(), 0.05);
    }
}

TEST(VerifyVerb, EveryBasicCircuitMatchesItsIdealResponseAndTheSimulatorProgram) {
    for (const CircuitCase& c : kCircuits) {
        SCOPED_TRACE(c.circuit);
        const testing::TempFolder folder;
        const std::string design = std::string(c.design) + " --circuit " + c.circuit;
        const json ideal = Verify(folder.Path(), design + " --gbw 1e12 -o c.asc");
        ASSERT_FALSE(ideal["simulated"].empty());
        // Far below the largest gain (beside a notch) the op-amps' DC gain of 1e5 shows.
        double peak = -1e9;
        for (const json& p : ideal["simulated"]) peak = std::max(peak, p["idealDb"].get<double>());
        for (const json& p : ideal["simulated"]) {
            if (p["idealDb"].get<double>() > peak - 40) {
                EXPECT_NEAR(p["simulatedDb"].get<double>(), p["idealDb"].get<double>(), 0.01)
                    << p["frequencyHz"];
            }
        }
        EXPECT_LT(ideal["maxPassbandDeviationDb"].get<double>(), 0.01);
        for (const json& s : ideal["sections"]) {
            EXPECT_GT(s["requiredGbwHz"].get<double>(), 0) << s.dump();
            EXPECT_FALSE(s["opAmpFallsShort"].get<bool>()) << s.dump();
        }

        const json real = Verify(folder.Path(), design + " --gbw 2Meg -o c.asc");
        const json& points = real["simulated"];
        EXPECT_GT(LargestDeviation(points), LargestDeviation(ideal["simulated"]));
        std::string bytes;
        ASSERT_TRUE(installation::ReadFileBytes(folder / "c.asc", &bytes));
        std::vector<std::string> problems;
        const installation::Schematic schematic =
            installation::ParseAsc(installation::AscLines(bytes, &problems), &problems);
        const std::vector<testing::AcPoint> program = testing::SimulateAc(
            schematic, points.front()["frequencyHz"], points.back()["frequencyHz"],
            real["pointsPerDecade"], verify::SinglePoleOpAmp(2e6));
        // Every resistor and capacitor the user builds has its sensitivities, fixed parts too.
        std::string named = " ";
        for (const json& section : real["sections"])
            for (const json& e : section["sensitivities"])
                named += e["element"].get<std::string>() + " ";
        for (const installation::Symbol& symbol : schematic.symbols) {
            if (symbol.kind == installation::SymbolKind::Resistor ||
                symbol.kind == installation::SymbolKind::Capacitor) {
                EXPECT_NE(named.find(" " + symbol.instName + " "), std::string::npos)
                    << symbol.instName;
            }
        }
        ASSERT_EQ(program.size(), points.size());
        for (std::size_t i = 0; i < program.size(); ++i) {
            EXPECT_NEAR(program[i].hz, points[i]["frequencyHz"].get<double>(),
                        program[i].hz * 1e-6);
            EXPECT_NEAR(20 * std::log10(std::abs(program[i].v)),
                        points[i]["simulatedDb"].get<double>(), 0.01)
                << program[i].hz;
        }
    }
}

TEST(VerifyVerb, ToleranceAnalysisIsReproducibleAndZeroTolerancesGiveTheNominalDesign) {
    const testing::TempFolder folder;
    const std::string design = std::string(kCircuits[1].design) + " --circuit LP2 --gbw 1e12 ";
    const json zero = Verify(folder.Path(), design +
                                                "--monte-carlo 50 --tolerance-r 0 --tolerance-c 0 "
                                                "--spice-log spice.log");
    EXPECT_NE(testing::ReadFile(folder / "spice.log").find("ngspice"), std::string::npos);
    const json& mc = zero["monteCarlo"];
    EXPECT_EQ(mc["runs"], 50);
    EXPECT_EQ(mc["failedRuns"], 0);
    EXPECT_TRUE(mc["passedRuns"] == 0 || mc["passedRuns"] == 50) << mc["passedRuns"];
    EXPECT_EQ(mc["yield"].get<double>(), mc["passedRuns"].get<double>() / 50);
    const json& e = mc["envelope"];
    ASSERT_EQ(e["frequencyHz"].size(), zero["simulated"].size());
    for (std::size_t i = 0; i < e["frequencyHz"].size(); ++i) {
        const double nominal = zero["simulated"][i]["idealDb"];
        for (const char* band : {"minDb", "p5Db", "p50Db", "p95Db", "maxDb"})
            EXPECT_NEAR(e[band][i].get<double>(), nominal, 1e-9) << band << " " << i;
    }

    const std::string spread = design + "--monte-carlo 300 --tolerance-r 1 --tolerance-c 5 ";
    const json first = Verify(folder.Path(), spread + "--seed 7");
    for (const char* threads : {"1", "2", "4"})
        EXPECT_EQ(
            Verify(folder.Path(), spread + "--seed 7 --threads " + threads)["monteCarlo"].dump(),
            first["monteCarlo"].dump())
            << threads;
    EXPECT_EQ(first["monteCarlo"]["failedRunsByCause"], json({{"valueNotPositive", 0},
                                                              {"notFinite", 0},
                                                              {"unstableRealPole", 0},
                                                              {"unstablePolePair", 0}}));
    EXPECT_NE(Verify(folder.Path(), spread + "--seed 8")["monteCarlo"]["envelope"],
              first["monteCarlo"]["envelope"]);
    const json gaussian = Verify(folder.Path(), spread + "--seed 7 --distribution gaussian");
    EXPECT_NE(gaussian["monteCarlo"]["envelope"], first["monteCarlo"]["envelope"]);
    const json& f = first["monteCarlo"]["envelope"];
    for (std::size_t i = 0; i < f["frequencyHz"].size(); ++i) {
        EXPECT_LE(f["minDb"][i], f["p5Db"][i]);
        EXPECT_LE(f["p5Db"][i], f["p50Db"][i]);
        EXPECT_LE(f["p50Db"][i], f["p95Db"][i]);
        EXPECT_LE(f["p95Db"][i], f["maxDb"][i]);
    }
}

TEST(VerifyVerb, RefusesBadInputBeforeDesigning) {
    // Op-amp tables that are no table, too large, not UTF-8 or with a very long field.
    const testing::TempFolder tables;
    std::filesystem::create_directory(tables / "folder");
    ASSERT_EQ(mkfifo((tables / "pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink("loop", tables / "loop");
    testing::WriteFile(tables / "huge", std::string(20 << 20, '#'));
    testing::WriteFile(tables / "latin1", "Op\xE9 1e6 1 3 30\n");
    testing::WriteFile(tables / "long", "A 1e6 1 3 " + std::string(1 << 20, '3') + "V\n");
    const std::string table = "--opamp-table " + tables.Path();
    const struct {
        std::string arguments;
        const char* message;
    } cases[] = {
        {table + "folder", "it is a folder or a device, not a file"},
        {table + "pipe", "it is a folder or a device, not a file"},
        {"--opamp-table /dev/zero", "it is a folder or a device, not a file"},
        {table + "loop", "its symbolic links lead round in a circle"},
        {table + "huge", "it is larger than 16777216 bytes"},
        {table + "latin1", "line 1: the name \"Op?\" is not UTF-8 text"},
        {table + "long", "…\" is not a positive number"},
        {"--gbw 1e400", "--gbw: \"1e400\" is beyond the largest number"},
        {"--tolerance-c 1e400", "--tolerance-c: \"1e400\" is beyond the largest number"},
        {"--monte-carlo 10 --tolerance-r -1", "抵抗の許容差は"},
        {"--monte-carlo 10 --tolerance-r nan", "--tolerance-r: \"nan\" is not a number"},
        {"--monte-carlo 10 --tolerance-c 50.5", "コンデンサの許容差は"},
        {"--tolerance-r 1x", "--tolerance-r: \"1x\" is not a number"},
        {"--monte-carlo 0", "試行回数は"},
        {"--monte-carlo 1000001", "試行回数は"},
        {"--monte-carlo 10 --threads 0", "--threads: give 1 to 256 threads"},
        {"--monte-carlo 10 --threads two", "--threads: \"two\" is not an integer"},
        {"--monte-carlo 99999999999999999999", "--monte-carlo: \"99999999999999999999\" is not an"},
        {"--gbw 0", "オペアンプのGB積は"},
        {"--gbw 5e-324", "--gbw 5e-324: オペアンプのGB積は 1 Hz から"},
        {"--gbw 2e15", "--gbw 2e15: オペアンプのGB積は 1 Hz から"},
        {"--opamp A1 --opamp-table tiny.txt", "line 1: the gain-bandwidth 5e-324 cannot be"},
        {"--gbw 1e6 --spice-log ''", "--spice-log: the file name is empty"},
        {"--gbw 1e6 --spice-log no/x.log", "the folder no does not exist"},
        {"--gbw -1Meg", "オペアンプのGB積は"},
        {"--gbw inf", "--gbw: \"inf\" is not a frequency"},
        {"--gbw 1Meg --opamp LT1115", "give either --gbw or --opamp"},
        {"--opamp NOPE", "--opamp: \"NOPE\" is not in the op-amp table"},
        {"--opamp-table table.txt", "op-amp table table.txt, line 3: \"fast\" is not a positive"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const testing::TempFolder folder;
        testing::WriteFile(folder / "table.txt",
                           "# name gbw slew min max\nA1 1e6 1 3 30\nA2 fast 1 3 30\n");
        testing::WriteFile(folder / "tiny.txt", "A1 5e-324 1 3 30\n");
        const testing::CliRun run =
            RunCliIn(folder.Path(), std::string("verify --circuit LP1 ") + c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err.substr(0, 1000);
        EXPECT_LT(run.err.size(), 1000u) << "echoed texts are cut";
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(testing::ReadFile(folder / "journal.txt"), "");
    }
}

// The folder a verification runs in is the user's, perhaps downloaded: nothing in it runs,
// and a journal or a log that cannot be written is told, never taken for another failure.
TEST(VerifyVerb, RunsNothingOfItsFolderAndSaysWhichFileCannotBeWritten) {
    namespace fs = std::filesystem;
    enum Setup { kSpiceInit, kSpinit, kJournalFolder, kJournalFull, kLogFull };
    const struct {
        Setup setup;
        const char* startup;  // of the hostile start-up file
        int status;
        const char* message;  // on standard error
    } cases[] = {
        {kSpiceInit, "shell touch PWNED\n", 0, ""},
        {kSpiceInit, "quit\n", 0, ""},
        {kSpinit, "shell touch PWNED\n", 0, ""},
        {kJournalFolder, "", 0, "could not be written; this verification is not recorded"},
        {kJournalFull, "", 0, "could not be written; this verification is not recorded"},
        {kLogFull, "", 1, "cannot write the simulator's log to /dev/full: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setup);
        const testing::TempFolder folder;
        const std::string dir = folder.Path();
        fs::create_directory(dir + "tmp");
        setenv("TMPDIR", (dir + "tmp").c_str(), 1);
        if (c.setup == kSpiceInit) testing::WriteFile(dir + ".spiceinit", c.startup);
        if (c.setup == kSpinit) {
            testing::WriteFile(dir + "spinit", c.startup);
            setenv("SPICE_SCRIPTS", dir.c_str(), 1);
        }
        if (c.setup == kJournalFolder) fs::create_directory(dir + "journal.txt");
        if (c.setup == kJournalFull) fs::create_symlink("/dev/full", dir + "journal.txt");
        const testing::CliRun run =
            RunCliIn(dir, std::string("verify --circuit LP1 --gbw 1e7") +
                              (c.setup == kLogFull ? " --spice-log /dev/full" : ""));
        unsetenv("SPICE_SCRIPTS");
        unsetenv("TMPDIR");
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(json::parse(run.out)["simulated"].empty());
        EXPECT_FALSE(fs::exists(dir + "PWNED"));
        EXPECT_TRUE(fs::is_empty(dir + "tmp")) << "no scratch file stays behind";
    }
}

TEST(VerifyVerb, WithoutAnOutputWritesNoSchematicAndTheJournalNamesNone) {
    const testing::TempFolder folder;
    Verify(folder.Path(), std::string(kCircuits[1].design) + " --circuit LP2 --gbw 1e7");
    EXPECT_NE(testing::ReadFile(folder / "journal.txt")
                  .find(Utf8ToShiftJis("回路図ファイル名 LP2  作成日時 ")),
              std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

}  // namespace
}  // namespace vorna
