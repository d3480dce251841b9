#include "output/EngineeringText.h"

#include <array>
#include <cmath>

#include "platform/CLocale.h"

namespace vorna {
namespace {

// The prefixes of 1e-15 .. 1e12, one every three decades.
constexpr std::array<const char*, 10> kPrefixes = {"f", "p", "n", "µ", "m", "", "k", "M", "G", "T"};
constexpr int kLowestExponent = -15;

}  // namespace

std::string EngineeringText(double value, std::string_view unit) {
    const std::string suffix = std::string(" ") + std::string(unit);
    if (!std::isfinite(value)) return Format("%g", value) + suffix;
    if (value == 0) return "0" + suffix;
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value)) / 3)) * 3;
    // A mantissa that rounds up to 1000 reads as 1 of the next prefix.
    if (std::fabs(StrToD(Format("%.4g", value / std::pow(10.0, exponent)).c_str(), nullptr)) >=
        1000)
        exponent += 3;
    const int highest = kLowestExponent + 3 * (static_cast<int>(kPrefixes.size()) - 1);
    if (exponent < kLowestExponent) exponent = kLowestExponent;
    if (exponent > highest) exponent = highest;
    const double mantissa = value / std::pow(10.0, exponent);
    return Format("%.4g", mantissa) + " " +
           kPrefixes[static_cast<std::size_t>((exponent - kLowestExponent) / 3)] +
           std::string(unit);
}

}  // namespace vorna
