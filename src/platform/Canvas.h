#pragma once
// Drawing surface of the view: pens, a font, lines, ellipses and text in logical units
// (one unit a pixel on screen, x to the right, y downward). Implemented by the desktop's
// painter, the SVG writer and the recording canvas of the tests.

#include <cstdint>
#include <string>

#include "text/Texts.h"

namespace vorna {

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

enum class PenStyle { Solid, Dotted };

struct Pen {
    Color color;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

// A logical font as the user picks it in the font chooser (the classic LOGFONT fields).
struct FontDescription {
    int height = -16;  // negative: character height in logical units
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 128;      // Shift-JIS
    int outPrecision = 3;   // stroke
    int clipPrecision = 2;  // stroke
    int quality = 1;
    int pitchAndFamily = 17;  // fixed pitch, roman family
    // The face is part of a design and its file, so that a file is the same whatever the
    // language: it takes the name design files have always held.
    std::string faceName = Text(TextId::DefaultFontFace, Language::Japanese);
    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void SelectPen(const Pen& pen) = 0;
    virtual void SelectFont(const FontDescription& font) = 0;
    // Character height (ascent + descent) of the selected font, in logical units.
    virtual int TextHeight() = 0;

    virtual void MoveTo(int x, int y) = 0;
    // Draws with the selected pen from the current position to (x, y), which becomes current.
    virtual void LineTo(int x, int y) = 0;
    // Ellipse in the box (left, top)-(right, bottom), outlined with the selected pen and
    // filled white.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // UTF-8 text with its top-left corner at (x, y), in the selected font, black.
    virtual void TextOut(int x, int y, const std::string& text) = 0;

    // Printing: map the logical window width x height isotropically onto the device page,
    // with the logical origin at device point (originX, originY).
    virtual void SetIsotropicMapping(int width, int height, int originX, int originY) = 0;
};

}  // namespace vorna
