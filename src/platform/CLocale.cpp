#include "platform/CLocale.h"

#include <locale.h>

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace vorna {

namespace {

locale_t CLocaleHandle() {
    static const locale_t handle = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return handle;
}

// Switches the calling thread to the C locale for the lifetime of the object.
class ScopedCLocale {
public:
    ScopedCLocale() : previous_(uselocale(CLocaleHandle())) {}
    ~ScopedCLocale() { uselocale(previous_); }
    ScopedCLocale(const ScopedCLocale&) = delete;
    ScopedCLocale& operator=(const ScopedCLocale&) = delete;

private:
    locale_t previous_;
};

}  // namespace

std::string Format(const char* format, ...) {
    ScopedCLocale cLocale;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    char small[256];
    const int length = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    std::string result;
    if (length < 0) {
        va_end(copy);
        return result;
    }
    if (static_cast<std::size_t>(length) < sizeof small) {
        result.assign(small, static_cast<std::size_t>(length));
    } else {
        std::vector<char> big(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(big.data(), big.size(), format, copy);
        result.assign(big.data(), static_cast<std::size_t>(length));
    }
    va_end(copy);
    return result;
}

double StrToD(const char* text, const char** end) {
    char* stop = nullptr;
    const double value = strtod_l(text, &stop, CLocaleHandle());
    if (end != nullptr) *end = stop;
    return value;
}

double LeadingNumber(const std::string& text) {
    return StrToD(text.c_str(), nullptr);
}

}  // namespace vorna
