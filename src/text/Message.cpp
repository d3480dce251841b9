#include "text/Message.h"

#include <cstring>

#include "text/Texts.h"

namespace vorna {

namespace {

// The length of the printf conversion that starts at `spec` (just after its '%'): flags,
// width, precision and length modifiers, then the conversion letter.
std::size_t ConversionLength(const char* spec) {
    const std::size_t modifiers = std::strspn(spec, "-+ #0123456789.hlLjzt");
    return spec[modifiers] == '\0' ? modifiers : modifiers + 1;
}

}  // namespace

std::string MessageText(const Message& message) {
    const char* text = Text(message.id);
    std::string shown;
    std::size_t next = 0;
    while (*text != '\0') {
        if (*text != '%') {
            shown += *text++;
            continue;
        }
        ++text;
        if (*text == '%') {
            shown += *text++;
            continue;
        }
        if (next < message.arguments.size()) shown += message.arguments[next];
        ++next;
        text += ConversionLength(text);
    }
    return shown;
}

}  // namespace vorna
