#pragma once
// A canvas that writes the drawing as an SVG picture: one logical unit is one SVG user
// unit, text is UTF-8 in the selected font with mincho and serif fallbacks. Connected
// segments drawn with the same pen are joined into one polyline.

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace vorna {

class SvgCanvas : public Canvas {
public:
    // A page of width x height units; text beyond the bottom (a long list) enlarges it.
    SvgCanvas(int width, int height);

    void SelectPen(const Pen& pen) override;
    void SelectFont(const FontDescription& font) override;
    int TextHeight() override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void TextOut(int x, int y, const std::string& text) override;
    // The picture scales by itself; its view box is the logical page already.
    void SetIsotropicMapping(int width, int height, int originX, int originY) override;

    // The complete SVG document.
    std::string Document();

private:
    struct Point {
        int x, y;
    };
    void FlushPolyline();
    void Extend(int y);

    int width_;
    int height_;
    Pen pen_;
    FontDescription font_;
    int x_ = 0;
    int y_ = 0;
    std::vector<Point> polyline_;
    std::string body_;
};

// Text as XML character data: markup characters escaped, characters XML cannot hold
// replaced by '?'.
std::string XmlEscape(const std::string& text);

}  // namespace vorna
