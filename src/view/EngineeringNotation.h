#pragma once
// Values as engineers write them beside a part: a mantissa from 1 to 999 with an SI prefix
// and the unit ("11.3 kΩ", "330 nF", "4.7 µF", "10 mΩ"), with every significant digit the
// value has.

#include <string>

namespace vorna {

// The fewest significant digits (1 .. 17) that give `value` back to twelve digits.
int RoundTripDigits(double value);

// `value` in engineering notation followed by `unit`, e.g. EngineeringNotation(3.3e-7, "F") is
// "330 nF". Values beyond the prefixes from femto to tera are written with an exponent.
std::string EngineeringNotation(double value, const std::string& unit);

// The same rounded to `significantDigits`, without trailing zeros: a figure to read rather
// than a part's value ("10 MHz", "5.143 MHz").
std::string EngineeringNotation(double value, const std::string& unit, int significantDigits);

}  // namespace vorna
