#include <gtest/gtest.h>

#include <random>

#include "output/CircuitOutput.h"
#include "output/SchematicLines.h"
#include "output/SchematicText.h"

namespace vorna {
namespace {

// A reference schematic from ASCII text, as the UTF-16LE bytes of the file.
std::string Wide(const std::string& ascii) {
    return WidenToUtf16(ascii);
}

// Classifies `reference`, sets the given values and returns the written bytes.
std::string Edit(const std::string& reference,
                 const std::vector<std::pair<std::string, double>>& values,
                 bool replaceOpAmp = true) {
    CircuitOutput output;
    output.replaceOpAmp = replaceOpAmp;
    output.SetInformationTexts("Low Pass  Butterworth   order = 5",
                               "Fp =  1.0000KHz  attp =  3.01dB  Fs =  1.5000KHz  atts = 60.00dB");
    output.lines = SplitSchematicLines(Wide(reference));
    output.ClassifySchematicLines();
    for (const auto& [name, value] : values) output.SetComponentValue(name.c_str(), 0, value);
    return JoinedSchematicLines(output.lines);
}

TEST(SchematicLines, SplitKeepsEveryByteAndEndsLinesOnlyAtLineFeedCodeUnits) {
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const std::string bom("\xFF\xFE", 2);
    const std::string openBracket("\x0A\x30", 2);  // U+300A: low byte 0x0A
    const std::string gurmukhi("\x41\x0A", 2);     // U+0A41: high byte 0x0A
    const std::vector<Case> cases{
        {"two lines", Wide("ab\ncd\n"), {Wide("ab\n"), Wide("cd\n")}},
        {"last line without end", Wide("ab\ncd"), {Wide("ab\n"), Wide("cd")}},
        {"odd trailing byte", Wide("ab\n") + "x", {Wide("ab\n"), "x"}},
        {"byte-order mark is part of line 1", bom + Wide("ab\n"), {bom + Wide("ab\n")}},
        {"CR stays in the line", Wide("ab\r\ncd\n"), {Wide("ab\r\n"), Wide("cd\n")}},
        {"0x0A low byte of a character",
         Wide("a") + openBracket + Wide("b\n"),
         {Wide("a") + openBracket + Wide("b\n")}},
        {"0x0A high byte of a character",
         Wide("a") + gurmukhi + Wide("b\n"),
         {Wide("a") + gurmukhi + Wide("b\n")}},
        {"empty file", "", {}},
    };
    for (const auto& c : cases) {
        const SchematicLines lines = SplitSchematicLines(c.bytes);
        std::vector<std::string> texts;
        for (const auto& line : lines) texts.push_back(line.text);
        EXPECT_EQ(texts, c.lines) << c.what;
        EXPECT_EQ(JoinedSchematicLines(lines), c.bytes) << c.what;
    }
}

TEST(SchematicLines, ReadsWholeText) {
    const SchematicLines lines = SplitSchematicLines(Wide("SHEET 1 880 680\nWIRE 0 0 16 0\n"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].text, Wide("WIRE 0 0 16 0\n"));
}

TEST(SchematicModel, ComponentValuesAreWrittenIntoTheAdjacentValueLine) {
    struct Case {
        const char* what;
        std::string reference;
        std::vector<std::pair<std::string, double>> values;
        std::string expected;
    };
    const std::vector<Case> cases{
        {"value after the name line",
         "SYMBOL res 16 0 R0\nSYMATTR InstName R1_1\nSYMATTR Value 1k\n",
         {{"R1_1", 4700}},
         "SYMBOL res 16 0 R0\nSYMATTR InstName R1_1\nSYMATTR Value 4.7K\n"},
        {"value before the name line is preferred",
         "SYMATTR Value 1k\nSYMATTR InstName R2_1\nSYMATTR Value 2k\n",
         {{"R2_1", 220}},
         "SYMATTR Value 220\nSYMATTR InstName R2_1\nSYMATTR Value 2k\n"},
        {"capacitor",
         "SYMATTR InstName C1_2\nSYMATTR Value 1n\n",
         {{"C1_2", 22e-9}},
         "SYMATTR InstName C1_2\nSYMATTR Value 22n\n"},
        {"Rx resistors keep their values",
         "SYMATTR InstName Rx3\nSYMATTR Value 10k\n",
         {{"Rx3", 1000}},
         "SYMATTR InstName Rx3\nSYMATTR Value 10k\n"},
        {"a CR LF name never matches",
         "SYMATTR InstName R1_1\r\nSYMATTR Value 1k\r\n",
         {{"R1_1", 4700}},
         "SYMATTR InstName R1_1\r\nSYMATTR Value 1k\r\n"},
        {"no adjacent value line",
         "SYMATTR InstName R1_1\nWINDOW 0 0 0 Left 2\nSYMATTR Value 1k\n",
         {{"R1_1", 4700}},
         "SYMATTR InstName R1_1\nWINDOW 0 0 0 Left 2\nSYMATTR Value 1k\n"},
        {"component missing from the reference",
         "SYMATTR InstName R1_1\nSYMATTR Value 1k\n",
         {{"R9_9", 4700}, {"C9_9", 1e-9}},
         "SYMATTR InstName R1_1\nSYMATTR Value 1k\n"},
        {"name is matched whole, not by prefix",
         "SYMATTR InstName R1_12\nSYMATTR Value 1k\nSYMBOL res 0 0 R0\nSYMATTR InstName "
         "R1_1\nSYMATTR Value 1k\n",
         {{"R1_1", 1e6}},
         "SYMATTR InstName R1_12\nSYMATTR Value 1k\nSYMBOL res 0 0 R0\nSYMATTR InstName "
         "R1_1\nSYMATTR Value 1Meg\n"},
        {"name line at the very end",
         "SYMATTR InstName R1_1\n",
         {{"R1_1", 100}},
         "SYMATTR InstName R1_1\n"},
        {"name line last, without a line end",
         "SYMATTR Value 5\nSYMATTR InstName R1_1",
         {{"R1_1", 100}},
         "SYMATTR Value 100\nSYMATTR InstName R1_1"},
    };
    for (const auto& c : cases) EXPECT_EQ(Edit(c.reference, c.values), Wide(c.expected)) << c.what;
}

TEST(SchematicModel, InformationLinesAndOpAmpSymbols) {
    struct Case {
        const char* what;
        std::string reference;
        bool replaceOpAmp;
        std::string expected;
    };
    const std::vector<Case> cases{
        {"information 1 and 2 filled, everything after ';' replaced",
         "TEXT 16 -104 Left 2 ;Information 1\nTEXT 16 -72 Left 2 ;Information 2 old\n", 1,
         "TEXT 16 -104 Left 2 ;Low Pass  Butterworth   order = 5\n"
         "TEXT 16 -72 Left 2 ;Fp =  1.0000KHz  attp =  3.01dB  Fs =  1.5000KHz  atts = 60.00dB\n"},
        {"every line with the marker is filled",
         "TEXT 0 0 Left 2 ;Information 1\nTEXT 0 99 Left 2 ;Information 1\n", 1,
         "TEXT 0 0 Left 2 ;Low Pass  Butterworth   order = 5\n"
         "TEXT 0 99 Left 2 ;Low Pass  Butterworth   order = 5\n"},
        {"a directive is left alone", "TEXT 0 0 Left 2 !.ac dec 100 1 100k ;Information 1\n", 1,
         "TEXT 0 0 Left 2 !.ac dec 100 1 100k ;Information 1\n"},
        {"marker 3 is left alone", "TEXT 16 -104 Left 2 ;Information 3\n", 1,
         "TEXT 16 -104 Left 2 ;Information 3\n"},
        {"another comment is left alone", "TEXT 16 -104 Left 2 ;Gain stage of section 1\n", 1,
         "TEXT 16 -104 Left 2 ;Gain stage of section 1\n"},
        {"op-amp replaced, rest of the line kept", "SYMBOL OpAmps\\\\LT1115 16 96 R0\n", 1,
         "SYMBOL OpAmps\\\\ADA4807-4 16 96 R0\n"},
        {"op-amp whose name only begins with the reference name",
         "SYMBOL OpAmps\\\\LT1115A 16 96 R0\n", 1, "SYMBOL OpAmps\\\\LT1115A 16 96 R0\n"},
        {"op-amp name at the end of the file", "SYMBOL OpAmps\\\\LT1115", 1,
         "SYMBOL OpAmps\\\\ADA4807-4"},
        {"op-amp kept when not replacing", "SYMBOL OpAmps\\\\LT1115 16 96 R0\n", 0,
         "SYMBOL OpAmps\\\\LT1115 16 96 R0\n"},
        {"other op-amp kept", "SYMBOL OpAmps\\\\LT1001 16 96 R0\n", 1,
         "SYMBOL OpAmps\\\\LT1001 16 96 R0\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Edit(c.reference, {}, c.replaceOpAmp), Wide(c.expected)) << c.what;
}

TEST(SchematicModel, GrowsBeyondTheFixedLimitsOfTheReferenceFormat) {
    // 1500 resistors with 40-character names on lines longer than 252 bytes.
    std::string reference;
    const std::string padding(200, 'p');
    for (int i = 0; i < 1500; ++i) {
        reference += "SYMBOL res 16 0 R0\n";
        reference += "SYMATTR InstName R" + std::to_string(i) + "_" + padding + "\n";
        reference += "SYMATTR Value 1k\n";
    }
    CircuitOutput output;
    output.lines = SplitSchematicLines(Wide(reference));
    output.ClassifySchematicLines();
    EXPECT_EQ(output.resistors.size(), 1500u);
    const std::string last = "R1499_" + padding;
    output.SetComponentValue(last.c_str(), 0, 3300);
    EXPECT_EQ(output.lines.back().text, Wide("SYMATTR Value 3.3K\n"));
    EXPECT_EQ(output.lines[2].text, Wide("SYMATTR Value 1k\n"));
}

TEST(SchematicModel, JournalOnlyRunRecordsValuesWithoutLines) {
    CircuitOutput output;
    output.SetComponentValue("C2_%-d", 3, 1e-9);
    ASSERT_EQ(output.elementValues.size(), 1u);
    EXPECT_EQ(output.elementValues[0].name, "C2_3");
    EXPECT_TRUE(output.lines.empty());
}

}  // namespace
}  // namespace vorna

namespace vorna {
namespace {

// Truncated and random reference files are read, classified, edited and written back
// without reading or writing out of bounds (run under AddressSanitizer too): the written
// bytes are the input's except for the lines the model rewrites.
TEST(SchematicModel, TruncatedAndRandomReferencesNeverMisbehave) {
    const std::string reference = WidenToUtf16(
        "SYMATTR InstName R1_1\nSYMATTR Value 1k\nSYMATTR InstName C1_1\nSYMATTR Value 1n\n"
        "SYMBOL OpAmps\\\\LT1115 16 96 R0\nTEXT 16 -104 Left 2 ;Information 1\nTEXT 0 0 Left 2 "
        ";Information 2");
    std::mt19937 random(11);
    auto exercise = [](const std::string& bytes) {
        CircuitOutput output;
        output.lines = SplitSchematicLines(bytes);
        std::size_t total = 0;
        for (const auto& line : output.lines) total += line.text.size();
        EXPECT_EQ(total, bytes.size());
        output.ClassifySchematicLines();
        output.SetComponentValue("R1_%-d", 1, 4700);
        output.SetComponentValue("C1_%-d", 1, 1e-9);
        JoinedSchematicLines(output.lines);
    };
    for (std::size_t length = 0; length <= reference.size(); ++length)
        exercise(reference.substr(0, length));
    const std::string alphabet =
        WidenToUtf16("SYMATTR InstName Value RxC1_;!TEXT Information 12\n\r") +
        std::string("\0\n\xFF", 3);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = reference;
        for (int f = 0; f < 6; ++f)
            bytes[random() % bytes.size()] = alphabet[random() % alphabet.size()];
        if (round % 2 == 0) bytes.resize(random() % bytes.size());
        exercise(bytes);
    }
}

}  // namespace
}  // namespace vorna
