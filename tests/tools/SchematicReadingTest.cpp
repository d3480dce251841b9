// Reading a schematic as the simulator does: pins of turned and mirrored symbols, wires
// joined only at their ends, flags naming nets, and the drawing faults the netlister reports.

#include <gtest/gtest.h>

#include <algorithm>

#include "schematic/AscFile.h"
#include "schematic/Netlist.h"

namespace vorna::installation {
namespace {

Schematic Parse(const std::string& text) {
    std::vector<std::string> problems;
    Schematic s = ParseAsc(AscLines(Utf16LeWithBom(text), &problems), &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    return s;
}

std::vector<std::string> Problems(const std::string& text) {
    return Connect(Parse(text)).problems;
}

TEST(SchematicReading, PinsFollowTheSymbolsOrientation) {
    struct Case {
        const char* symbol;
        std::vector<Point> pins;
    } cases[] = {
        {"SYMBOL res 96 80 R0", {{112, 96}, {112, 176}}},
        {"SYMBOL res 128 80 R90", {{112, 96}, {32, 96}}},
        {"SYMBOL cap 128 80 R90", {{128, 96}, {64, 96}}},
        {"SYMBOL res 96 80 R180", {{80, 64}, {80, -16}}},
        {"SYMBOL voltage 0 0 R0", {{0, 16}, {0, 96}}},
        // In+, In-, V+, V-, OUT; mirrored top to bottom the non-inverting input is on top.
        {"SYMBOL OpAmps\\\\LT1115 0 0 R0", {{-32, 80}, {-32, 48}, {0, 32}, {0, 96}, {32, 64}}},
        {"SYMBOL OpAmps\\\\LT1115 0 0 M180",
         {{-32, -80}, {-32, -48}, {0, -32}, {0, -96}, {32, -64}}},
        {"SYMBOL OpAmps\\\\ADA4807-4 0 0 R0", {{-32, 80}, {-32, 48}, {0, 32}, {0, 96}, {32, 64}}},
    };
    for (const Case& c : cases) {
        const Schematic s =
            Parse(std::string("Version 4\n") + c.symbol + "\nSYMATTR InstName X1\n");
        ASSERT_EQ(s.symbols.size(), 1u) << c.symbol;
        EXPECT_EQ(PinPositions(s.symbols[0]), c.pins) << c.symbol;
    }
}

TEST(SchematicReading, NetsAndFaults) {
    const std::string divider =
        "SYMBOL res 0 0 R0\nSYMATTR InstName R1\nSYMATTR Value 1k\n"
        "SYMBOL res 0 80 R0\nSYMATTR InstName R2\nSYMATTR Value 1k\n"
        "FLAG 16 16 in\nFLAG 16 176 0\n";
    struct Case {
        const char* what;
        std::string text;
        std::string problem;  // empty: none at all
    } cases[] = {
        {"pins meeting at a point", divider, ""},
        {"open pin", "SYMBOL res 0 0 R0\nSYMATTR InstName R1\nFLAG 16 16 in\n",
         "pin of R1 at (16,96) is open"},
        {"junction inside a wire",
         divider + "WIRE 16 96 96 96\nWIRE 48 96 48 160\nFLAG 48 160 x\nFLAG 96 96 x\n",
         "junction (48,96) inside wire (16,96)-(96,96)"},
        {"overlapping wires", divider + "WIRE 16 96 96 96\nWIRE 32 96 64 96\n",
         "overlapping wires at (32,96)"},
        {"one net, two names", divider + "FLAG 16 96 a\nWIRE 16 96 96 96\nFLAG 96 96 b\n",
         "net named both a and b at (96,96)"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> problems = Problems("Version 4\n" + c.text);
        if (c.problem.empty()) {
            EXPECT_TRUE(problems.empty()) << c.what << ": " << problems.front();
        } else {
            EXPECT_NE(std::find(problems.begin(), problems.end(), c.problem), problems.end())
                << c.what;
        }
    }
}

TEST(SchematicReading, CrossingWiresStayApartAndSplittingJoinsOnlyAtEnds) {
    Schematic s;
    s.wires = {
        {{0, 0}, {100, 0}}, {{50, -50}, {50, 50}}, {{0, 10}, {100, 10}}, {{30, 10}, {30, 40}}};
    SplitWiresAtJunctions(s);
    // The crossing at (50,0) and (50,10) is not cut; the T junction at (30,10) is.
    ASSERT_EQ(s.wires.size(), 5u);
    EXPECT_EQ(s.wires[0].b, (Point{100, 0}));
    EXPECT_EQ(s.wires[2].b, (Point{30, 10}));
    EXPECT_EQ(s.wires[3].a, (Point{30, 10}));
}

TEST(SchematicReading, DeckNamesNetsByFlagsAndUsesTheIdealOpAmp) {
    const std::string text =
        "Version 4\nWIRE -32 48 32 64\nFLAG -32 80 in\nFLAG 32 64 out\nFLAG 0 32 VCC\nFLAG 0 96 "
        "VEE\n"
        "SYMBOL OpAmps\\\\LT1115 0 0 R0\nSYMATTR InstName U1\nTEXT 0 -64 Left 2 !.ac dec 10 1 1k\n"
        "TEXT 0 -96 Left 2 ;Information 1\n";
    const Schematic s = Parse(text);
    const std::string deck = SpiceDeck(s, Connect(s), "t", true);
    EXPECT_NE(deck.find("XU1 in out VCC VEE out opamp_ideal\n"), std::string::npos) << deck;
    EXPECT_NE(deck.find(".subckt opamp_ideal inp inn vp vn out\n"), std::string::npos);
    EXPECT_NE(deck.find("\n.ac dec 10 1 1k\n"), std::string::npos);
    EXPECT_EQ(deck.find("Information"), std::string::npos);
}

TEST(SchematicReading, FileFaultsAreReported) {
    struct Case {
        std::string bytes;
        const char* problem;
    } cases[] = {
        {std::string("V\0\n\0", 4), "no UTF-16LE byte-order mark"},
        {Utf16LeWithBom("Version 4\r\n"), "carriage return in line 1"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> problems;
        AscLines(c.bytes, &problems);
        ASSERT_FALSE(problems.empty());
        EXPECT_EQ(problems.front(), c.problem);
    }
}

}  // namespace
}  // namespace vorna::installation
