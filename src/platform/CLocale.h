#pragma once
// printf-style formatting and number reading that always use the C locale, whatever locale
// the process runs in (a desktop toolkit sets it from the environment, and a German locale
// would otherwise print "4,7000K").

#include <string>

namespace vorna {

// snprintf with the C locale; returns the whole formatted text.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// strtod with the C locale: reads the longest leading number of `text` (after leading
// white space) and stores in `*end` where reading stopped (== text when nothing was read).
double StrToD(const char* text, const char** end);

// The number at the start of `text`, as strtod reads it; 0 when the text does not start
// with a number.
double LeadingNumber(const std::string& text);

}  // namespace vorna
