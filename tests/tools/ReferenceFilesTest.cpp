// The installation's reference schematics: one per basic circuit and order 2..58, each a
// well-formed schematic whose components carry exactly the names the synthesis sets, which
// the circuit output's line model finds and fills.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "circuit/EngValue.h"
#include "output/CircuitOutput.h"
#include "output/SchematicLines.h"
#include "schematic/AscFile.h"
#include "schematic/Netlist.h"
#include "tools/AcSimulation.h"

namespace vorna::testing {
namespace {

constexpr const char* kCircuits[] = {"LP1", "LP2", "LP3", "LP4", "HP1", "HP2", "HP3",
                                     "HP4", "BP1", "BP2", "BP3", "BP4", "BE1", "BE2"};

struct SectionNames {
    std::vector<std::string> elements;  // as the synthesis names them, without "_n"
    int opAmps;
};

const SectionNames kFirstOrderLowPass{{"R1", "C1"}, 1};
const SectionNames kFirstOrderHighPass{{"R1", "C1", "R2"}, 1};
const SectionNames kDualAmplifierBandPass{{"R11", "R12", "R21", "R22", "C1", "C2", "R3", "R4"}, 3};
const SectionNames kStateVariableNotch{
    {"Rb1", "Rb2", "Cb1", "Cb2", "R1", "R2", "R3", "R41", "R42", "R43", "R44", "R45"}, 4};
const SectionNames kIntegratorNotch{
    {"Rb1", "Cb1", "Rb2", "Cb2", "R1", "C1", "R2", "C2", "R3", "R5", "R4", "R6"}, 2};
// The second-order sections of each basic circuit.
const SectionNames kSecondOrder[] = {
    {{"R1", "R2", "R3", "C1", "C2"}, 1},
    {{"R1", "R2", "C1", "C2"}, 1},
    kStateVariableNotch,
    kIntegratorNotch,
    {{"R1", "R2", "C1", "C2", "C3"}, 1},
    {{"R1", "R2", "C1", "C2"}, 1},
    kStateVariableNotch,
    kIntegratorNotch,
    {{"R1", "C1", "C2", "R2", "R3"}, 1},
    kDualAmplifierBandPass,
    kStateVariableNotch,
    kIntegratorNotch,
    kStateVariableNotch,
    kIntegratorNotch,
};

// The sections the synthesis runs for a circuit and order, in order (section number k + 1).
std::vector<SectionNames> SynthesisSections(int circuit, int order) {
    std::vector<SectionNames> sections;
    int secondOrder = order;
    if (circuit < 8) {
        if (order % 2 == 1)
            sections.push_back(circuit < 4 ? kFirstOrderLowPass : kFirstOrderHighPass);
        secondOrder = order / 2;
    } else if ((circuit == 10 || circuit == 11) && order % 2 == 1) {
        sections.push_back(kDualAmplifierBandPass);
        --secondOrder;
    }
    sections.insert(sections.end(), secondOrder, kSecondOrder[circuit]);
    return sections;
}

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}
bool EndsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() &&
           s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Checks one reference file; returns the element names that the synthesis sets in it.
std::set<std::string> CheckFile(const std::string& file, const std::string& bytes, int circuit,
                                int order) {
    SCOPED_TRACE(file);
    std::vector<std::string> problems;
    const std::vector<std::string> lines = installation::AscLines(bytes, &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_EQ(lines.at(0), "Version 4");

    std::set<std::string> expected;
    int opAmps = 0;
    const std::vector<SectionNames> sections = SynthesisSections(circuit, order);
    for (size_t k = 0; k < sections.size(); ++k) {
        for (const std::string& name : sections[k].elements)
            expected.insert(name + "_" + std::to_string(k + 1));
        opAmps += sections[k].opAmps;
    }

    std::map<std::string, int> seen;
    int opAmpLines = 0, info1 = 0, info2 = 0, analyses = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (StartsWith(line, "SYMATTR InstName ")) {
            const std::string name = line.substr(17);
            if (expected.count(name) != 0) {
                ++seen[name];
                EXPECT_TRUE(i + 1 < lines.size() && StartsWith(lines[i + 1], "SYMATTR Value "))
                    << name;
            } else {
                // Any other resistor or capacitor would keep its placeholder in every output.
                EXPECT_TRUE((name[0] != 'R' && name[0] != 'C') || StartsWith(name, "Rx"))
                    << "stray part " << name;
            }
        }
        if (StartsWith(line, "SYMBOL OpAmps")) {
            EXPECT_TRUE(StartsWith(line, "SYMBOL OpAmps\\\\LT1115 ")) << line;
            ++opAmpLines;
        }
        if (StartsWith(line, "TEXT ")) {
            info1 += EndsWith(line, " ;Information 1");
            info2 += EndsWith(line, " ;Information 2");
            analyses += line.find(" !.ac dec 100 ") != std::string::npos;
        }
    }
    for (const std::string& name : expected) EXPECT_EQ(seen[name], 1) << name;
    EXPECT_EQ(opAmpLines, opAmps);
    EXPECT_EQ(info1, 1);
    EXPECT_EQ(info2, 1);
    EXPECT_EQ(analyses, 1);

    const installation::Schematic schematic = installation::ParseAsc(lines, &problems);
    const installation::Connectivity connectivity = installation::Connect(schematic);
    EXPECT_TRUE(problems.empty() && connectivity.problems.empty())
        << (problems.empty() ? connectivity.problems.front() : problems.front());
    return expected;
}

TEST(ReferenceFiles, EveryCircuitAndOrderIsThereAndFollowsTheNamingContract) {
    for (int circuit = 0; circuit < 14; ++circuit) {
        for (int order = 2; order <= 58; ++order) {
            const std::string file =
                std::string(kCircuits[circuit]) + "_" + std::to_string(order) + ".asc";
            std::string bytes;
            ASSERT_TRUE(installation::ReadFileBytes(SysFolder() + file, &bytes)) << file;
            CheckFile(file, bytes, circuit, order);
        }
    }
}

// The circuit output's own line model finds every named part and both information lines of
// a reference file and puts a value into each part.
TEST(ReferenceFiles, OutputLineModelFillsEveryNamedPart) {
    for (const auto& [circuit, order] :
         {std::pair{0, 7}, {3, 58}, {6, 2}, {9, 3}, {10, 9}, {13, 58}}) {
        const std::string file =
            std::string(kCircuits[circuit]) + "_" + std::to_string(order) + ".asc";
        SCOPED_TRACE(file);
        std::string bytes;
        ASSERT_TRUE(installation::ReadFileBytes(SysFolder() + file, &bytes));
        const std::set<std::string> names = CheckFile(file, bytes, circuit, order);

        CircuitOutput out;
        out.lines = SplitSchematicLines(bytes);
        out.replaceOpAmp = false;
        out.SetInformationTexts("Low Pass  Elliptic   order = 7", "Fp = 1KHz");
        out.ClassifySchematicLines();
        EXPECT_EQ(out.resistors.size() + out.capacitors.size(), names.size());
        EXPECT_EQ(out.informationLines.size(), 2u);
        for (const std::string& name : names)
            out.SetComponentValue((name.substr(0, name.find('_')) + "_%-d").c_str(),
                                  std::stoi(name.substr(name.find('_') + 1)), 1234);

        std::string written;
        for (const SchematicLine& line : out.lines) written += line.text;
        std::vector<std::string> problems;
        const installation::Schematic schematic =
            installation::ParseAsc(installation::AscLines(written, &problems), &problems);
        EXPECT_TRUE(problems.empty());
        int filled = 0;
        for (const installation::Symbol& s : schematic.symbols) {
            if (names.count(s.instName) == 0) continue;
            EXPECT_EQ(s.value, FormatCompactValue(1234)) << s.instName;
            ++filled;
        }
        EXPECT_EQ(filled, static_cast<int>(names.size()));
    }
}

}  // namespace
}  // namespace vorna::testing
