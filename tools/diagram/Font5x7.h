#pragma once
// A 5 x 7 pixel font for the printable ASCII characters, one byte per column, bit 0 at top.

#include <array>
#include <cstdint>

namespace vorna::installation {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

// The columns of `c`; characters outside ' '..'~' are drawn as '?'.
const std::array<std::uint8_t, kGlyphWidth>& Glyph(char c);

}  // namespace vorna::installation
