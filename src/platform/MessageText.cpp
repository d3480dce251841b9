#include "platform/MessageText.h"

namespace vorna {

std::string EchoedText(std::string_view text, std::size_t maxBytes) {
    std::size_t cut = text.size();
    if (cut > maxBytes) {
        cut = maxBytes;
        // Back up over UTF-8 continuation bytes so that no character is split.
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    }
    std::string shown;
    for (const char c : text.substr(0, cut)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    if (cut < text.size()) shown += "…";
    return shown;
}

}  // namespace vorna
