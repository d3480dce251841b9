#pragma once
// Texts that messages echo back (names, paths, option values) are cut to a readable length.

#include <cstddef>
#include <string>
#include <string_view>

namespace vorna {

inline constexpr std::size_t kMaxEchoedBytes = 64;

// `text` up to `maxBytes` bytes, cut at a UTF-8 character boundary and ended with "…" when
// it was longer; control characters are shown as '?'.
std::string EchoedText(std::string_view text, std::size_t maxBytes = kMaxEchoedBytes);

}  // namespace vorna
