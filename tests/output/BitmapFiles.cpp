#include "output/BitmapFiles.h"

#include <cstdlib>

namespace vorna::testing {

namespace {

void AppendU16(std::string& b, std::uint32_t v) {
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void AppendU32(std::string& b, std::uint32_t v) {
    AppendU16(b, v & 0xFFFF);
    AppendU16(b, v >> 16);
}

}  // namespace

void PutU32(std::string& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::vector<Color> PrimaryPalette() {
    return {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
}

std::string MakeBitmap(const BitmapSpec& spec) {
    const int rows = std::abs(spec.height);
    const std::size_t stride =
        (static_cast<std::size_t>(spec.width) * static_cast<std::size_t>(spec.bits) + 31) / 32 * 4;
    std::string pixels;
    for (int r = 0; r < rows; ++r) {
        const int row = spec.height > 0 ? rows - 1 - r : r;  // bottom-up unless negative
        std::string line(stride, '\0');
        for (int x = 0; x < spec.width; ++x) {
            const int index = spec.pixels[static_cast<std::size_t>(row * spec.width + x)];
            if (spec.bits >= 24) {
                const Color c = spec.palette[static_cast<std::size_t>(index)];
                const std::size_t at = static_cast<std::size_t>(x * spec.bits / 8);
                line[at] = static_cast<char>(c.blue);
                line[at + 1] = static_cast<char>(c.green);
                line[at + 2] = static_cast<char>(c.red);
            } else {
                const std::size_t bit = static_cast<std::size_t>(x * spec.bits);
                const int shift = 8 - spec.bits - static_cast<int>(bit % 8);
                line[bit / 8] =
                    static_cast<char>(static_cast<unsigned char>(line[bit / 8]) | (index << shift));
            }
        }
        pixels += line;
    }
    std::string info;
    AppendU32(info, 40);
    AppendU32(info, static_cast<std::uint32_t>(spec.width));
    AppendU32(info, static_cast<std::uint32_t>(spec.height));
    AppendU16(info, 1);
    AppendU16(info, static_cast<std::uint32_t>(spec.bits));
    AppendU32(info, 0);
    AppendU32(info, static_cast<std::uint32_t>(pixels.size()));
    AppendU32(info, 2835);
    AppendU32(info, 2835);
    AppendU32(info, spec.coloursUsed);
    AppendU32(info, 0);
    for (const Color& c : spec.palette) {
        info.push_back(static_cast<char>(c.blue));
        info.push_back(static_cast<char>(c.green));
        info.push_back(static_cast<char>(c.red));
        info.push_back('\0');
    }
    std::string file = "BM";
    const std::size_t size = 14 + info.size() + pixels.size();
    AppendU32(file, static_cast<std::uint32_t>(size));
    AppendU32(file, 0);
    AppendU32(file, static_cast<std::uint32_t>(14 + info.size()));
    return file + info + pixels;
}

}  // namespace vorna::testing
