#pragma once
// Circuit diagram bitmaps (".bmp" files of the installation): uncompressed device-independent
// bitmaps with a colour table. Anything truncated, oversized or inconsistent is refused.

#include <optional>
#include <string>
#include <string_view>

#include "platform/Image.h"

namespace vorna {

// Decodes the bytes of a ".bmp" file: 1, 4 or 8 bits per pixel with their colour table, or
// 24 or 32 bits per pixel when the header declares a colour table (colours-used above 0).
// nullopt when the bytes are not such a bitmap.
std::optional<Image> DecodeDiagram(std::string_view fileBytes);

// Reads and decodes the bitmap file at `path`; nullopt when it cannot be read or decoded.
std::optional<Image> LoadDiagram(const std::string& path);

}  // namespace vorna
