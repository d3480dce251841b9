#pragma once
// Engineering values: splitting a value into a mantissa and a unit suffix, its text forms,
// and turning a typed mantissa and suffix back into a value. Component suffixes
// f p n u m (none) K Meg G T; frequency units mHz Hz KHz Meg GHz.

#include <array>
#include <optional>
#include <string>

namespace vorna {

struct UnitEntry {
    const char* suffix;
    double factor;
};

// In the order of the unit combo boxes.
extern const std::array<UnitEntry, 10> kComponentUnits;
extern const std::array<UnitEntry, 5> kFrequencyUnits;

// Component values.
// Splits `value` for an edit box and unit combo: `value` becomes the signed mantissa,
// `unit` the suffix (" " for the no-suffix class, "" for zero); returns the "%8.4lf%s" text.
std::string SplitEngValue(std::string& unit, double& value);
// mantissa * factor of `unit`; empty for a unit that is not one of the component units.
std::optional<double> ScaleByEngUnit(double mantissa, const std::string& unit);
// Signed engineering text with four decimals ("  4.7000K", "-  1.2000K", "   0 ").
std::string FormatEngValue(double value);
// Rounded mantissa without field width, Mega as "M" ("5K", "0").
std::string FormatEngValueRounded(double value);
// Short schematic value text ("4.7K", "1Meg", "22n"; computed values with up to five
// decimals of their mantissa, "3.1831K").
std::string FormatCompactValue(double value);
// A schematic value text read back as the simulator reads it: a number and one of the
// component suffixes, case ignored ("10k", "4.7K", "1Meg", "22n", "100"); empty for any
// other text.
std::optional<double> ParseCompactValue(const std::string& text);
// The value printed with "%8.4lf" and read back.
double RoundTo4Places(double value);

// Frequencies.
// Splits a frequency in Hz: `value` becomes the mantissa in `unit`; returns "%8.4lf".
std::string SplitFrequency(std::string& unit, double& value);
// mantissa * factor of the frequency unit; empty for a unit that is not one of them.
std::optional<double> ScaleByFrequencyUnit(double mantissa, const std::string& unit);
int FrequencyUnitIndex(double hz);
double HzToUnit(double hz, int index);
double UnitToHz(double mantissa, int index);
// Index of `name` in `unitNames` (exact comparison), or -1.
int FindFrequencyUnit(const std::array<std::string, 5>& unitNames, const std::string& name);

}  // namespace vorna
