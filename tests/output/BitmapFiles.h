#pragma once
// Small ".bmp" files made by the tests.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace vorna::testing {

// Red, green and blue. (Built out of line: GCC 12 at -O3 reports the inlined initializer
// list of a palette as maybe used uninitialized.)
std::vector<Color> PrimaryPalette();

struct BitmapSpec {
    int width = 3;
    int height = 2;  // negative: rows stored from the top
    int bits = 8;
    std::vector<Color> palette = PrimaryPalette();
    std::uint32_t coloursUsed = 3;
    // Palette indices (or, for 24 bits, indices into `palette` written as colours), row by
    // row from the top.
    std::vector<int> pixels{0, 1, 2, 2, 1, 0};
};

std::string MakeBitmap(const BitmapSpec& spec);

// Overwrites the little-endian 32-bit field at byte `offset` of a file.
void PutU32(std::string& bytes, std::size_t offset, std::uint32_t value);

}  // namespace vorna::testing
