#pragma once
// Values as engineers read them: a mantissa of up to four significant digits without
// trailing zeros, an SI prefix and the unit ("10 MHz", "11.33 kΩ", "329 nF").

#include <string>
#include <string_view>

namespace vorna {

// `value` with a prefix from f to T and `unit`; zero as "0 unit", a value that is not finite
// as the C library prints it.
std::string EngineeringText(double value, std::string_view unit);

}  // namespace vorna
