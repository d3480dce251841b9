#include "tools/AcSimulation.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/CLocale.h"
#include "schematic/AscFile.h"
#include "schematic/Netlist.h"

namespace vorna::testing {

using installation::Schematic;

namespace {

constexpr double kPi = 3.141592653589793;

}  // namespace

std::string SysFolder() {
    return std::string(VORNA_BIN_DIR) + "/sys/";
}

std::vector<AcPoint> SimulateAc(const Schematic& schematic, double fLow, double fHigh,
                                int perDecade, const installation::OpAmpSubcircuit& opAmp) {
    const installation::Connectivity connectivity = installation::Connect(schematic);
    EXPECT_TRUE(connectivity.problems.empty()) << connectivity.problems.front();
    if (!connectivity.problems.empty()) return {};

    char folder[] = "/tmp/vorna-ac-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        ADD_FAILURE() << "no temporary folder";
        return {};
    }
    const std::string deckPath = std::string(folder) + "/deck.cir";
    const std::string dataPath = std::string(folder) + "/ac.txt";
    {
        std::ofstream deck(deckPath);
        deck << installation::SpiceDeck(schematic, connectivity, "ac test", false, opAmp)
             << ".control\n"
             << Format("ac dec %d %.17g %.17g\n", perDecade, fLow, fHigh) << "wrdata " << dataPath
             << " v(out)\n.endc\n.end\n";
    }
    const std::string command = "ngspice -b " + deckPath + " > " + folder + "/log.txt 2>&1";
    (void)std::system(
        command.c_str());  // ngspice reports "no simulations run" for .control-only decks

    std::vector<AcPoint> points;
    std::ifstream data(dataPath);
    for (std::string line; std::getline(data, line);) {
        std::istringstream fields(line);
        double hz, re, im;
        if (fields >> hz >> re >> im) points.push_back({hz, {re, im}});
    }
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(points.empty()) << "ngspice produced no AC data";
    return points;
}

std::complex<double> SecondOrder(const double (&p)[5], double w) {
    const std::complex<double> s(0, w);
    return (p[2] * s * s + p[3] * s + p[4]) / (s * s + p[0] * s + p[1]);
}

std::complex<double> FirstOrder(double p0, double p1, double p2, double w) {
    const std::complex<double> s(0, w);
    return (p1 * s + p2) / (s + p0);
}

int ExpectSameResponse(const std::vector<AcPoint>& simulated,
                       const std::function<std::complex<double>(double)>& expected,
                       const std::string& what) {
    int compared = 0;
    for (const AcPoint& point : simulated) {
        const std::complex<double> want = expected(2 * kPi * point.hz);
        const double gainError = 20 * std::log10(std::abs(point.v) / std::abs(want));
        const double phaseError = std::arg(point.v / want) * 180 / kPi;
        EXPECT_LT(std::abs(gainError), 0.05)
            << what << " at " << point.hz << " Hz: gain " << 20 * std::log10(std::abs(point.v))
            << " dB, expected " << 20 * std::log10(std::abs(want)) << " dB";
        EXPECT_LT(std::abs(phaseError), 0.5)
            << what << " at " << point.hz << " Hz: phase off by " << phaseError << " degree";
        ++compared;
    }
    return compared;
}

void SetValue(Schematic& schematic, const std::string& instName, const std::string& value) {
    for (installation::Symbol& s : schematic.symbols) {
        if (s.instName == instName) {
            s.value = value;
            return;
        }
    }
    ADD_FAILURE() << "no element " << instName;
}

Schematic ReadReference(const std::string& fileName) {
    std::string bytes;
    EXPECT_TRUE(installation::ReadFileBytes(SysFolder() + fileName, &bytes)) << fileName;
    std::vector<std::string> problems;
    Schematic schematic =
        installation::ParseAsc(installation::AscLines(bytes, &problems), &problems);
    EXPECT_TRUE(problems.empty()) << fileName << ": " << problems.front();
    return schematic;
}

}  // namespace vorna::testing
