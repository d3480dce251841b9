#pragma once
// An 8-bit indexed picture with the few drawing operations the circuit diagrams need, and
// its encoding as a ".bmp" file with a 256-colour table.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vorna::installation {

struct Rgb {
    std::uint8_t r, g, b;
};

class Raster {
public:
    Raster(int width, int height, std::uint8_t background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint8_t At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    void Set(int x, int y, std::uint8_t colour);
    // A line `thickness` pixels wide (a square pen).
    void Line(int x0, int y0, int x1, int y1, std::uint8_t colour, int thickness = 1);
    void Disc(int cx, int cy, int radius, std::uint8_t colour);
    void Circle(int cx, int cy, int radius, std::uint8_t colour);
    // Text with its top left corner at (x, y), each font pixel drawn as scale x scale.
    void Text(int x, int y, const std::string& text, std::uint8_t colour, int scale);
    static int TextWidth(const std::string& text, int scale);
    static int TextHeight(int scale);

    // The whole ".bmp" file: file header, 40-byte information header, 256-entry colour table,
    // rows bottom-up, each padded to four bytes.
    std::string Bmp(const std::array<Rgb, 256>& palette) const;

private:
    int width_, height_;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace vorna::installation
