#include "view/EngineeringNotation.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "platform/CLocale.h"

namespace vorna {

namespace {

// The prefixes from 1e-15 to 1e12, one for every third power of ten.
constexpr std::array<const char*, 10> kPrefixes = {"f", "p", "n", "µ", "m", "", "k", "M", "G", "T"};
constexpr int kLowestPower = -15;

}  // namespace

int RoundTripDigits(double value) {
    for (int digits = 1; digits < 17; ++digits) {
        const std::string text = Format("%.*g", digits, value);
        if (std::fabs(StrToD(text.c_str(), nullptr) - value) <= 1e-12 * std::fabs(value))
            return digits;
    }
    return 17;
}

std::string EngineeringNotation(double value, const std::string& unit) {
    return EngineeringNotation(value, unit, RoundTripDigits(value));
}

std::string EngineeringNotation(double value, const std::string& unit, int significantDigits) {
    if (value == 0 || !std::isfinite(value)) return Format("%g ", value) + unit;
    // The digits and the power of ten of the rounded value ("3.3e-07"), which may differ from
    // those of the value itself (999.9999999999 rounds to 1000).
    const std::string scientific = Format("%.*e", significantDigits - 1, value);
    const std::size_t e = scientific.find('e');
    const int power = std::atoi(scientific.c_str() + e + 1);
    const int third = (power >= 0 ? power : power - 2) / 3 * 3;
    const int slot = (third - kLowestPower) / 3;
    if (slot < 0 || slot >= static_cast<int>(kPrefixes.size()))
        return Format("%.*g ", significantDigits, value) + unit;
    std::string digits;
    const std::size_t first = scientific.find_first_of("0123456789");
    for (std::size_t i = first; i < e; ++i)
        if (scientific[i] != '.') digits += scientific[i];
    const std::size_t whole = static_cast<std::size_t>(power - third) + 1;  // 1 .. 3 digits
    if (digits.size() < whole) digits.append(whole - digits.size(), '0');
    while (digits.size() > whole && digits.back() == '0') digits.pop_back();
    std::string mantissa = digits.substr(0, whole);
    if (digits.size() > whole) mantissa += '.' + digits.substr(whole);
    return std::string(value < 0 ? "-" : "") + mantissa + ' ' +
           kPrefixes[static_cast<std::size_t>(slot)] + unit;
}

}  // namespace vorna
