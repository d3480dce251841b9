#pragma once
// Schematic files are UTF-16LE text handled as raw bytes. These helpers build the byte
// strings the schematic model compares and writes, and hold its fixed keywords.

#include <string>
#include <string_view>

namespace vorna {

// Widens 8-bit text to UTF-16LE by giving every byte a zero high byte (names and summary
// texts are ASCII).
std::string WidenToUtf16(std::string_view narrow);

// The keywords of the reference schematics, as UTF-16LE bytes.
struct SchematicKeywords {
    static const std::string instanceName;  // "SYMATTR InstName " (34 bytes)
    static const std::string textLine;      // "TEXT" (8 bytes)
    static const std::string valueLine;     // "SYMATTR Value " (28 bytes)
    static const std::string information;   // "Information " (24 bytes)
    // "SYMBOL OpAmps" and two backslashes: the part of an op-amp symbol line before the
    // op-amp's name (30 bytes).
    static const std::string opAmpSymbol;
    static const std::string lineFeed;  // 0x0A 0x00
};

// The op-amp every reference schematic draws, and the one offered in its place.
inline constexpr std::string_view kReferenceOpAmp = "LT1115";
inline constexpr std::string_view kDefaultReplacementOpAmp = "ADA4807-4";

// The UTF-16 code unit at byte `offset` of `bytes` (offset + 1 must be inside).
inline unsigned CodeUnitAt(std::string_view bytes, std::size_t offset) {
    return static_cast<unsigned char>(bytes[offset]) |
           (static_cast<unsigned>(static_cast<unsigned char>(bytes[offset + 1])) << 8);
}

}  // namespace vorna
