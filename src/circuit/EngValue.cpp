#include "circuit/EngValue.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <span>
#include <string_view>

#include "platform/CLocale.h"

namespace vorna {

const std::array<UnitEntry, 10> kComponentUnits = {{
    {"f", 1e-15},
    {"p", 1e-12},
    {"n", 1e-9},
    {"u", 1e-6},
    {"m", 1e-3},
    {"", 1.0},
    {"K", 1e3},
    {"Meg", 1e6},
    {"G", 1e9},
    {"T", 1e12},
}};

const std::array<UnitEntry, 5> kFrequencyUnits = {{
    {"mHz", 1e-3},
    {"Hz", 1.0},
    {"KHz", 1e3},
    {"Meg", 1e6},
    {"GHz", 1e9},
}};

namespace {

// Upper limits of the component magnitude classes f .. G (class T has none): below one the
// class changes one decade below the usual prefix boundary, so 0.05 reads "50m" and 0.5
// reads "0.5".
constexpr std::array<double, 9> kClassLimits = {1e-13, 1e-10, 1e-7, 1e-4, 0.1, 1e3, 1e6, 1e9, 1e12};

// Class index (into kComponentUnits) of a positive magnitude. The text formatters count a
// magnitude of exactly 1e-13 as class f, the splitting formatter as class p.
int MagnitudeClass(double magnitude, bool femtoIncludesLimit) {
    if (femtoIncludesLimit ? magnitude <= kClassLimits[0] : magnitude < kClassLimits[0]) return 0;
    for (int c = 1; c < static_cast<int>(kClassLimits.size()); ++c) {
        if (magnitude < kClassLimits[static_cast<std::size_t>(c)]) return c;
    }
    return 9;
}

// Mantissa of a positive magnitude in class `c` as the text formatters compute it:
// multiplied by the reciprocal power of ten below one, divided by the factor above.
double TextMantissa(double magnitude, int c) {
    static constexpr std::array<double, 5> kReciprocals = {1e15, 1e12, 1e9, 1e6, 1e3};
    if (c < 5) return magnitude * kReciprocals[static_cast<std::size_t>(c)];
    return magnitude / kComponentUnits[static_cast<std::size_t>(c)].factor;
}

// Class suffix as written in text: the no-suffix class writes one blank.
std::string TextSuffix(int c) {
    return c == 5 ? std::string(" ")
                  : std::string(kComponentUnits[static_cast<std::size_t>(c)].suffix);
}

// mantissa times the factor of `unit` in `units`; empty for a unit not in the table.
std::optional<double> ScaleByUnit(std::span<const UnitEntry> units, double mantissa,
                                  const std::string& unit) {
    for (const UnitEntry& entry : units) {
        if (unit == entry.suffix) return mantissa * entry.factor;
    }
    return std::nullopt;
}

}  // namespace

std::string SplitEngValue(std::string& unit, double& value) {
    if (value == 0) {
        unit.clear();
        return Format("%d ", 0);
    }
    const bool negative = value < 0;
    const double magnitude = std::fabs(value);
    const int c = MagnitudeClass(magnitude, false);
    unit = TextSuffix(c);
    const double mantissa = magnitude / kComponentUnits[static_cast<std::size_t>(c)].factor;
    value = negative ? -mantissa : mantissa;
    return Format("%8.4lf%s", value, unit.c_str());
}

std::optional<double> ScaleByEngUnit(double mantissa, const std::string& unit) {
    return ScaleByUnit(kComponentUnits, mantissa, unit);
}

std::string FormatEngValue(double value) {
    if (value == 0) return Format("%4d ", 0);
    if (value < 0) return "-" + FormatEngValue(-value);
    const int c = MagnitudeClass(value, true);
    return Format("%8.4lf", TextMantissa(value, c)) + TextSuffix(c);
}

std::string FormatEngValueRounded(double value) {
    if (value == 0) return Format("%-.0lf", 0.0);
    if (value < 0) return "-" + FormatEngValueRounded(-value);
    const int c = MagnitudeClass(value, true);
    const std::string suffix = c == 7 ? std::string("M") : TextSuffix(c);
    return Format("%-.0lf", TextMantissa(value, c)) + suffix;
}

std::optional<double> ParseCompactValue(const std::string& text) {
    const char* end = nullptr;
    const double mantissa = StrToD(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(mantissa)) return std::nullopt;
    const std::string_view suffix(end);
    for (const UnitEntry& entry : kComponentUnits) {
        const std::string_view unit(entry.suffix);
        if (std::equal(suffix.begin(), suffix.end(), unit.begin(), unit.end(),
                       [](unsigned char a, unsigned char b) {
                           return std::tolower(a) == std::tolower(b);
                       }))
            return mantissa * entry.factor;
    }
    return std::nullopt;
}

std::string FormatCompactValue(double value) {
    if (value == 0) return "0";
    if (value < 0) return "-" + FormatCompactValue(-value);
    const int c = MagnitudeClass(value, true);
    // Five decimals, then the trailing zero decimals dropped: "4.70000" -> "4.7",
    // "1.00000" -> "1", "12.34000" -> "12.34". Series values keep their short form, and a
    // computed value that is not a series value (C1 = m*C2, a gain resistor...) keeps enough
    // digits for the simulated circuit to be the one the realised coefficients describe.
    std::string text = Format("%.5lf", TextMantissa(value, c));
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    text += TextSuffix(c);
    if (!text.empty() && text.back() == ' ') text.pop_back();
    std::string compact;
    for (char ch : text) {
        if (ch != ' ') compact += ch;
    }
    return compact;
}

double RoundTo4Places(double value) {
    return LeadingNumber(Format("%8.4lf", value));
}

std::string SplitFrequency(std::string& unit, double& value) {
    if (value == 0) {
        unit.clear();
        return Format("%d", 0);
    }
    const int index = FrequencyUnitIndex(value);
    unit = kFrequencyUnits[static_cast<std::size_t>(index)].suffix;
    value /= kFrequencyUnits[static_cast<std::size_t>(index)].factor;
    return Format("%8.4lf", value);
}

std::optional<double> ScaleByFrequencyUnit(double mantissa, const std::string& unit) {
    return ScaleByUnit(kFrequencyUnits, mantissa, unit);
}

int FrequencyUnitIndex(double hz) {
    if (hz < 0.1) return 0;
    if (hz < 1e3) return 1;
    if (hz < 1e6) return 2;
    if (hz < 1e9) return 3;
    return 4;
}

double HzToUnit(double hz, int index) {
    switch (index) {
        case 0:
            return hz * 1000.0;
        case 1:
            return hz;
        case 2:
            return hz / 1e3;
        case 3:
            return hz / 1e6;
        case 4:
            return hz / 1e9;
        default:
            return -1;
    }
}

double UnitToHz(double mantissa, int index) {
    switch (index) {
        case 0:
            return mantissa / 1000.0;
        case 1:
            return mantissa;
        case 2:
            return mantissa * 1e3;
        case 3:
            return mantissa * 1e6;
        case 4:
            return mantissa * 1e9;
        default:
            return -1;
    }
}

int FindFrequencyUnit(const std::array<std::string, 5>& unitNames, const std::string& name) {
    for (std::size_t i = 0; i < unitNames.size(); ++i) {
        if (unitNames[i] == name) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace vorna
