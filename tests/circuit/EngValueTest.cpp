#include <gtest/gtest.h>

#include <cmath>

#include "circuit/EngValue.h"
#include "dialogs/UnitEntry.h"
#include "support/ScriptedUi.h"

namespace vorna {
namespace {

using testing::ScriptedUi;

const char kComponentMessage[] =
    "単位の記号は次に示すものが使用出来ます\n\nf p n u m (なし) K Meg G T";
const char kFrequencyMessage[] = "単位の記号は次に示すものが使用出来ます\n\nmHz (なし) KHz Meg GHz";

struct SplitCase {
    double value;
    const char* text;
    const char* unit;
    double mantissa;
};

TEST(EngValue, SplitEngValueClassesAndBoundaries) {
    const SplitCase cases[] = {
        {0, "0 ", "", 0},
        {4700, "  4.7000K", "K", 4.7},
        {-0.002, " -2.0000m", "m", -2.0},
        {12.5, " 12.5000 ", " ", 12.5},
        {0.1, "  0.1000 ", " ", 0.1},
        {0.0999, " 99.9000m", "m", 99.9},
        {1000, "  1.0000K", "K", 1.0},
        {999.9, "999.9000 ", " ", 999.9},
        {1e-13, "  0.1000p", "p", 0.1},
        {5e-14, " 50.0000f", "f", 50},
        {4.7e-7, "  0.4700u", "u", 0.47},
        {-4700, " -4.7000K", "K", -4.7},
        {999.99999, "1000.0000 ", " ", 999.99999},
        {1e12, "  1.0000T", "T", 1},
        {5e15, "5000.0000T", "T", 5000},
        {2.2e9, "  2.2000G", "G", 2.2},
        {1.5e6, "  1.5000Meg", "Meg", 1.5},
    };
    for (const SplitCase& c : cases) {
        std::string unit = "x";
        double value = c.value;
        EXPECT_EQ(SplitEngValue(unit, value), c.text) << c.value;
        EXPECT_EQ(unit, c.unit) << c.value;
        EXPECT_NEAR(value, c.mantissa, std::fabs(c.mantissa) * 1e-12) << c.value;
    }
}

struct TextCase {
    double value;
    const char* engValue;
    const char* rounded;
};

TEST(EngValue, SignedAndRoundedForms) {
    const TextCase cases[] = {
        {0, "   0 ", "0"},
        {0.1, "  0.1000 ", "0 "},
        {0.0999, " 99.9000m", "100m"},
        {1000, "  1.0000K", "1K"},
        {999.9, "999.9000 ", "1000 "},
        {1e-13, "100.0000f", "100f"},
        {5e15, "5000.0000T", "5000T"},
        {-4700, "-  4.7000K", "-5K"},
        {-1200, "-  1.2000K", "-1K"},
        {2.5e6, "  2.5000Meg", "2M"},
        {3.3e-9, "  3.3000n", "3n"},
        {999.99999, "1000.0000 ", "1000 "},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(FormatEngValue(c.value), c.engValue) << c.value;
        EXPECT_EQ(FormatEngValueRounded(c.value), c.rounded) << c.value;
    }
}

TEST(EngValue, CompactForm) {
    const std::pair<double, const char*> cases[] = {
        {4700, "4.7K"},
        {1e6, "1Meg"},
        {1.5e6, "1.5Meg"},
        {2.2e-8, "22n"},
        {4.7e-7, "0.47u"},
        {1e-7, "0.1u"},
        {12340, "12.34K"},
        {100, "100"},
        {0.1, "0.1"},
        {1.05e3, "1.05K"},
        {1e-13, "100f"},
        {1.25e6, "1.25Meg"},
        // Computed values that are no series values keep their digits (a capacitor of
        // 0.123456u written as 0.12u would be 3 % off in the simulated circuit).
        {1.23456e-7, "0.12346u"},
        {3183.0989, "3.1831K"},
        {999.999999, "1000"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatCompactValue(value), text) << value;
        EXPECT_NEAR(ParseCompactValue(text).value_or(0) / value, 1, 1e-4) << text;
    }
    // The simulator's reading: suffixes in any case, "m" milli and "meg" mega.
    EXPECT_EQ(ParseCompactValue("10k"), 1e4);
    EXPECT_EQ(ParseCompactValue("2m"), 2e-3);
    EXPECT_EQ(ParseCompactValue("1meg"), 1e6);
    for (const char* bad : {"", "k", "10x", "10kk", "inf"})
        EXPECT_FALSE(ParseCompactValue(bad)) << bad;
}

TEST(EngValue, RoundTo4PlacesRoundsMantissas) {
    EXPECT_DOUBLE_EQ(RoundTo4Places(4.70004), 4.7);
    EXPECT_DOUBLE_EQ(RoundTo4Places(1.23456), 1.2346);
    EXPECT_DOUBLE_EQ(RoundTo4Places(-2.00006), -2.0001);
}

TEST(EngValue, ApplyEngUnitKnownAndUnknownUnits) {
    struct Case {
        const char* unit;
        double expected;
        bool reported;
    };
    const Case cases[] = {
        {"f", 2e-15, false}, {"p", 2e-12, false}, {"n", 2e-9, false}, {"u", 2e-6, false},
        {"m", 2e-3, false},  {"", 2, false},      {"K", 2e3, false},  {"Meg", 2e6, false},
        {"G", 2e9, false},   {"T", 2e12, false},  {" ", 2, true},     {"k", 2, true},
        {"M", 2, true},
    };
    for (const Case& c : cases) {
        ScriptedUi ui;
        if (c.reported) ui.ExpectMessage(kComponentMessage);
        double value = -1;
        ApplyEngUnit(ui, value, 2, c.unit);
        EXPECT_DOUBLE_EQ(value, c.expected) << c.unit;
        ui.VerifyDone();
    }
}

TEST(EngValue, SplitFrequencyClasses) {
    const SplitCase cases[] = {
        {0, "0", "", 0},
        {0.05, " 50.0000", "mHz", 50},
        {0.1, "  0.1000", "Hz", 0.1},
        {1000, "  1.0000", "KHz", 1},
        {2.5e6, "  2.5000", "Meg", 2.5},
        {1e9, "  1.0000", "GHz", 1},
        {-3, "-3000.0000", "mHz", -3000},
    };
    for (const SplitCase& c : cases) {
        std::string unit = "x";
        double value = c.value;
        EXPECT_EQ(SplitFrequency(unit, value), c.text) << c.value;
        EXPECT_EQ(unit, c.unit) << c.value;
        EXPECT_NEAR(value, c.mantissa, std::fabs(c.mantissa) * 1e-12) << c.value;
    }
}

TEST(EngValue, ApplyFrequencyUnit) {
    const std::pair<const char*, double> known[] = {
        {"mHz", 3e-3}, {"Hz", 3}, {"KHz", 3e3}, {"Meg", 3e6}, {"GHz", 3e9}};
    for (const auto& [unit, expected] : known) {
        ScriptedUi ui;
        double value = 0;
        ApplyFrequencyUnit(ui, value, 3, unit);
        EXPECT_DOUBLE_EQ(value, expected) << unit;
        ui.VerifyDone();
    }
    for (const char* unit : {"MHz", "", "khz"}) {
        ScriptedUi ui;
        ui.ExpectMessage(kFrequencyMessage);
        double value = 0;
        ApplyFrequencyUnit(ui, value, 3, unit);
        EXPECT_DOUBLE_EQ(value, 3) << unit;
        ui.VerifyDone();
    }
}

TEST(EngValue, IndexConversions) {
    const std::pair<double, int> indexCases[] = {{0.0999, 0}, {0.1, 1}, {999.9, 1}, {1000, 2},
                                                 {1e6, 3},    {1e9, 4}, {-5, 0}};
    for (const auto& [hz, index] : indexCases) EXPECT_EQ(FrequencyUnitIndex(hz), index) << hz;

    const double mantissas[] = {2000, 2, 0.002, 2e-6, 2e-9};
    for (int i = 0; i < 5; ++i) {
        EXPECT_DOUBLE_EQ(HzToUnit(2, i), mantissas[i]) << i;
        EXPECT_DOUBLE_EQ(UnitToHz(mantissas[i], i), 2) << i;
    }
    for (int bad : {-1, 5}) {
        EXPECT_EQ(HzToUnit(2, bad), -1);
        EXPECT_EQ(UnitToHz(2, bad), -1);
    }
    const std::array<std::string, 5> names = {"mHz", "Hz", "KHz", "Meg", "GHz"};
    EXPECT_EQ(FindFrequencyUnit(names, "KHz"), 2);
    EXPECT_EQ(FindFrequencyUnit(names, "GHz"), 4);
    EXPECT_EQ(FindFrequencyUnit(names, "khz"), -1);
    EXPECT_EQ(FindFrequencyUnit(names, ""), -1);
}

}  // namespace
}  // namespace vorna
