#pragma once
// Texts that messages echo back (names, paths, option values) are cut to a readable length.

#include <cstddef>
#include <string>
#include <string_view>

namespace vorna {

inline constexpr std::size_t kMaxEchoedBytes = 64;
// Paths are echoed longer: their end names the file.
inline constexpr std::size_t kMaxEchoedPathBytes = 240;

// `text` up to `maxBytes` bytes, cut at a UTF-8 character boundary and ended with "…" when
// it was longer; control characters and bytes that are not UTF-8 are shown as '?'.
std::string EchoedText(std::string_view text, std::size_t maxBytes = kMaxEchoedBytes);

// The length of the UTF-8 character that starts `text` (1 to 4), or 0 when `text` does not
// start with one (a stray or overlong sequence, a surrogate, a code point above U+10FFFF).
std::size_t Utf8CharacterLength(std::string_view text);

// True when all of `text` is UTF-8.
bool IsUtf8(std::string_view text);

}  // namespace vorna
