#include "diagram/Raster.h"

#include <cstdlib>

#include "diagram/Font5x7.h"

namespace vorna::installation {
namespace {

void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

Raster::Raster(int width, int height, std::uint8_t background)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, background) {}

void Raster::Set(int x, int y, std::uint8_t colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
        pixels_[static_cast<size_t>(y) * width_ + x] = colour;
}

void Raster::Line(int x0, int y0, int x1, int y1, std::uint8_t colour, int thickness) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const int low = -(thickness - 1) / 2, high = thickness / 2;
    for (int err = dx + dy;;) {
        for (int i = low; i <= high; ++i)
            for (int j = low; j <= high; ++j) Set(x0 + i, y0 + j, colour);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Raster::Disc(int cx, int cy, int radius, std::uint8_t colour) {
    for (int y = -radius; y <= radius; ++y)
        for (int x = -radius; x <= radius; ++x)
            if (x * x + y * y <= radius * radius) Set(cx + x, cy + y, colour);
}

void Raster::Circle(int cx, int cy, int radius, std::uint8_t colour) {
    for (int y = -radius; y <= radius; ++y)
        for (int x = -radius; x <= radius; ++x) {
            const int d = x * x + y * y;
            if (d <= radius * radius && d > (radius - 1) * (radius - 1))
                Set(cx + x, cy + y, colour);
        }
}

void Raster::Text(int x, int y, const std::string& text, std::uint8_t colour, int scale) {
    for (char c : text) {
        const auto& columns = Glyph(c);
        for (int col = 0; col < kGlyphWidth; ++col)
            for (int row = 0; row < kGlyphHeight; ++row)
                if (columns[col] >> row & 1)
                    for (int i = 0; i < scale; ++i)
                        for (int j = 0; j < scale; ++j)
                            Set(x + col * scale + i, y + row * scale + j, colour);
        x += (kGlyphWidth + 1) * scale;
    }
}

int Raster::TextWidth(const std::string& text, int scale) {
    return text.empty() ? 0 : static_cast<int>(text.size()) * (kGlyphWidth + 1) * scale - scale;
}

int Raster::TextHeight(int scale) {
    return kGlyphHeight * scale;
}

std::string Raster::Bmp(const std::array<Rgb, 256>& palette) const {
    constexpr std::uint32_t kHeaders = 14 + 40 + 256 * 4;
    const std::uint32_t rowSize = (static_cast<std::uint32_t>(width_) + 3) & ~3u;
    const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(height_);
    std::string out = "BM";
    PutLe(out, kHeaders + imageSize, 4);
    PutLe(out, 0, 4);
    PutLe(out, kHeaders, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(width_), 4);
    PutLe(out, static_cast<std::uint32_t>(height_), 4);  // positive: rows bottom-up
    PutLe(out, 1, 2);
    PutLe(out, 8, 2);
    PutLe(out, 0, 4);  // no compression
    PutLe(out, imageSize, 4);
    PutLe(out, 3780, 4);  // 96 dots per inch
    PutLe(out, 3780, 4);
    PutLe(out, 0, 4);  // colours used: 0 means all 256
    PutLe(out, 0, 4);
    for (const Rgb& c : palette) {
        out += static_cast<char>(c.b);
        out += static_cast<char>(c.g);
        out += static_cast<char>(c.r);
        out += '\0';
    }
    for (int y = height_ - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(&pixels_[static_cast<size_t>(y) * width_]),
                   width_);
        out.append(rowSize - width_, '\0');
    }
    return out;
}

}  // namespace vorna::installation
