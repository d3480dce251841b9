// vorna-cli circuit --bom and --svg: the bill of materials and the drawing list exactly the
// parts of the schematic written beside them, for every basic circuit; the drawing writes
// values in engineering notation and explains its marks.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "circuit/EngValue.h"
#include "cli/CliRunner.h"
#include "output/BillOfMaterials.h"
#include "output/TempFolder.h"
#include "schematic/AscFile.h"
#include "text/Texts.h"
#include "view/EngineeringNotation.h"
#include "view/SvgCanvas.h"

namespace vorna {
namespace {

using installation::SymbolKind;

const char* const kDesigns[] = {
    "--kind lp --circuit LP1",
    "--kind lp --circuit LP2",
    "--kind lp --approx invchebyshev --circuit LP3",
    "--kind lp --approx elliptic --circuit LP4",
    "--kind hp --circuit HP1",
    "--kind hp --circuit HP2",
    "--kind hp --approx elliptic --circuit HP3",
    "--kind hp --approx invchebyshev --circuit HP4",
    "--kind bp --circuit BP1",
    "--kind bp --circuit BP2",
    "--kind bp --approx elliptic --circuit BP3",
    "--kind bp --approx elliptic --circuit BP4",
    "--kind be --circuit BE1",
    "--kind be --circuit BE2",
};

std::vector<std::vector<std::string>> CsvRows(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(csv);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line + ",");
        for (std::string cell; std::getline(cells, cell, ',');) fields.push_back(cell);
        rows.push_back(fields);
    }
    return rows;
}

TEST(CliCircuitParts, BomAndDrawingListThePartsOfTheWrittenSchematic) {
    for (const char* design : kDesigns) {
        SCOPED_TRACE(design);
        const testing::TempFolder folder;
        const std::string dir = folder.Path();
        const auto run = testing::RunCliIn(
            dir, std::string("circuit ") + design + " -o c.asc --bom c.csv --svg c.svg");
        ASSERT_EQ(run.status, 0) << run.err;
        for (const char* file : {"c.csv", "c.svg"})
            EXPECT_NE(run.err.find("wrote " + dir + file + "\n"), std::string::npos) << file;
        std::vector<std::string> problems;
        const installation::Schematic schematic = installation::ParseAsc(
            installation::AscLines(testing::ReadFile(dir + "c.asc"), &problems), &problems);
        ASSERT_TRUE(problems.empty()) << problems.front();
        const std::string csv = testing::ReadFile(dir + "c.csv");
        ASSERT_FALSE(csv.empty());
        EXPECT_EQ(csv.back(), '\n');
        EXPECT_EQ(csv.find("\n\n"), std::string::npos);
        const auto rows = CsvRows(csv);
        EXPECT_EQ(rows.front(),
                  (std::vector<std::string>{"designator", "part", "value", "series", "section"}));
        const std::string svg = testing::ReadFile(dir + "c.svg");
        std::size_t row = 1;
        bool series = false, shorts = false;
        for (const auto& symbol : schematic.symbols) {
            if (symbol.kind == SymbolKind::VoltageSource) continue;
            ASSERT_LT(row, rows.size());
            const auto& fields = rows[row++];
            ASSERT_EQ(fields.size(), 5u);
            EXPECT_EQ(fields[0], symbol.instName);
            EXPECT_NE(fields[4], "");
            EXPECT_NE(svg.find(">" + XmlEscape(symbol.instName) + "<"), std::string::npos)
                << symbol.instName;
            if (symbol.kind == SymbolKind::OpAmp) {
                EXPECT_EQ(fields[1], "opamp");
                EXPECT_EQ(fields[2], "LT1115");
                continue;
            }
            EXPECT_EQ(fields[1], symbol.kind == SymbolKind::Resistor ? "resistor" : "capacitor");
            const std::optional<double> value = ParseCompactValue(symbol.value);
            ASSERT_TRUE(value) << symbol.value;
            EXPECT_NEAR(std::strtod(fields[2].c_str(), nullptr), *value, 1e-12 * *value)
                << symbol.instName;
            const bool resistor = symbol.kind == SymbolKind::Resistor;
            // A wire is no part of any series.
            EXPECT_EQ(fields[3], resistor && *value < 0.1 ? "" : SeriesOfValue(*value));
            const std::string shown = EngineeringNotation(*value, resistor ? "Ω" : "F");
            EXPECT_NE(svg.find(">" + XmlEscape(shown) + "<"), std::string::npos) << shown;
            if (resistor && *value < 0.1) {
                shorts = true;  // a wire, marked as such rather than with its series
            } else if (!fields[3].empty()) {
                series = true;
            }
        }
        EXPECT_EQ(row, rows.size());
        const auto Shows = [&svg](TextId legend) { return svg.find(Text(legend)) != svg.npos; };
        EXPECT_EQ(Shows(TextId::SchematicSeriesLegend), series);
        EXPECT_EQ(Shows(TextId::SchematicShortLegend), shorts);
    }
}

TEST(BillOfMaterials, NamesTheSmallestSeriesHoldingAValue) {
    const struct {
        double value;
        const char* series;
    } cases[] = {{4700, "E6"},  {1.2e-9, "E12"}, {9.1e-12, "E24"}, {105e3, "E48"},
                 {10.2, "E96"}, {1e6, "E6"},     {280227.6, ""},   {0, ""}};
    for (const auto& c : cases) EXPECT_EQ(SeriesOfValue(c.value), c.series) << c.value;
}

// A file named "-" is a file, as for -o: standard output keeps the JSON alone.
TEST(CliCircuitParts, ADashNamesAFile) {
    const testing::TempFolder folder;
    const auto run =
        testing::RunCliIn(folder.Path(), "circuit --kind lp --circuit LP2 -o c.asc --bom -");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find("designator,"), std::string::npos);
    EXPECT_EQ(testing::ReadFile(folder.Path() + "-").rfind("designator,part,", 0), 0u);
}

TEST(EngineeringNotation, WritesTheValuesDigitsWithAPrefix) {
    const struct {
        double value;
        const char* unit;
        const char* expected;
    } cases[] = {{3.3e-7, "F", "330 nF"},
                 {4.7e-6, "F", "4.7 µF"},
                 {9.2555e-10, "F", "925.55 pF"},
                 {11300, "Ω", "11.3 kΩ"},
                 {184950.23, "Ω", "184.95023 kΩ"},
                 {0.01, "Ω", "10 mΩ"},
                 {1e6, "Ω", "1 MΩ"},
                 {100, "Ω", "100 Ω"},
                 {999.99999999999994, "Ω", "1 kΩ"},
                 {-2.2e3, "Ω", "-2.2 kΩ"},
                 {0, "F", "0 F"},
                 {1e-18, "F", "1e-18 F"}};
    for (const auto& c : cases) EXPECT_EQ(EngineeringNotation(c.value, c.unit), c.expected);
}

}  // namespace
}  // namespace vorna
