#include "platform/DiagramBitmap.h"

#include <cstdint>

#include "platform/FileRead.h"

namespace vorna {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
// Far beyond any diagram; keeps a corrupt header from asking for gigabytes.
constexpr std::uint64_t kMaxFileSize = 64u << 20;
constexpr std::uint64_t kMaxPixels = 16u << 20;
constexpr std::uint32_t kMaxColours = 256;

std::uint32_t U16(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}
std::uint32_t U32(std::string_view b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}
std::int32_t S32(std::string_view b, std::size_t at) {
    return static_cast<std::int32_t>(U32(b, at));
}

// The colour of pixel `x` of a row, or nullopt for an index outside the colour table.
std::optional<Color> PixelColour(std::string_view row, std::uint32_t x, std::uint32_t bits,
                                 const std::vector<Color>& palette) {
    if (bits >= 24) {
        const std::size_t at = static_cast<std::size_t>(x) * (bits / 8);
        return Color{static_cast<std::uint8_t>(row[at + 2]), static_cast<std::uint8_t>(row[at + 1]),
                     static_cast<std::uint8_t>(row[at])};
    }
    const std::uint64_t bit = static_cast<std::uint64_t>(x) * bits;
    const auto byte = static_cast<unsigned char>(row[static_cast<std::size_t>(bit / 8)]);
    const unsigned shift = 8 - bits - static_cast<unsigned>(bit % 8);
    const unsigned index = (byte >> shift) & ((1u << bits) - 1);
    if (index >= palette.size()) return std::nullopt;
    return palette[index];
}

}  // namespace

std::optional<Image> DecodeDiagram(std::string_view file) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file.substr(0, 2) != "BM")
        return std::nullopt;
    const std::uint64_t declaredSize = U32(file, 2);
    if (declaredSize < kFileHeaderSize + kInfoHeaderSize || declaredSize > file.size())
        return std::nullopt;
    // The packed bitmap: information header, colour table, pixel rows.
    const std::string_view packed = file.substr(kFileHeaderSize, declaredSize - kFileHeaderSize);

    const std::uint32_t headerSize = U32(packed, 0);
    const std::int32_t width = S32(packed, 4);
    const std::int32_t signedHeight = S32(packed, 8);
    const std::uint32_t planes = U16(packed, 12);
    const std::uint32_t bits = U16(packed, 14);
    const std::uint32_t compression = U32(packed, 16);
    const std::uint32_t coloursUsed = U32(packed, 32);
    if (headerSize < kInfoHeaderSize || headerSize > packed.size() || planes != 1 ||
        compression != 0) {
        return std::nullopt;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
    // A palette is built from the colour table; without one there is nothing to draw with.
    const std::uint64_t colours = coloursUsed != 0 ? coloursUsed : (bits <= 8 ? 1u << bits : 0);
    if (colours == 0 || colours > kMaxColours) return std::nullopt;
    if (width <= 0 || signedHeight == 0 || signedHeight == INT32_MIN) return std::nullopt;
    const std::uint64_t height =
        signedHeight < 0 ? -static_cast<std::int64_t>(signedHeight) : signedHeight;
    if (static_cast<std::uint64_t>(width) * height > kMaxPixels) return std::nullopt;

    const std::uint64_t tableStart = headerSize;
    const std::uint64_t pixelStart = tableStart + colours * 4;
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    if (pixelStart + stride * height > packed.size()) return std::nullopt;

    std::vector<Color> palette;
    for (std::uint64_t i = 0; i < colours; ++i) {
        const std::size_t at = static_cast<std::size_t>(tableStart + i * 4);
        palette.push_back({static_cast<std::uint8_t>(packed[at + 2]),
                           static_cast<std::uint8_t>(packed[at + 1]),
                           static_cast<std::uint8_t>(packed[at])});
    }

    Image image;
    image.width = width;
    image.height = static_cast<int>(height);
    image.pixels.reserve(static_cast<std::size_t>(static_cast<std::uint64_t>(width) * height));
    for (std::uint64_t y = 0; y < height; ++y) {
        // Rows are stored from the bottom up unless the height is negative.
        const std::uint64_t stored = signedHeight > 0 ? height - 1 - y : y;
        const std::string_view row =
            packed.substr(static_cast<std::size_t>(pixelStart + stored * stride),
                          static_cast<std::size_t>(stride));
        for (std::uint32_t x = 0; x < static_cast<std::uint32_t>(width); ++x) {
            const auto colour = PixelColour(row, x, bits, palette);
            if (!colour) return std::nullopt;
            image.pixels.push_back(*colour);
        }
    }
    return image;
}

std::optional<Image> LoadDiagram(const std::string& path) {
    const FileContents file = ReadInputFile(path, kMaxFileSize);
    if (!file) return std::nullopt;
    return DecodeDiagram(file.bytes);
}

}  // namespace vorna
