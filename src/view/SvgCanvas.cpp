#include "view/SvgCanvas.h"

#include <algorithm>
#include <cstdlib>

#include "platform/CLocale.h"

namespace vorna {

namespace {

int CharacterHeight(const FontDescription& font) {
    return font.height == 0 ? 16 : std::abs(font.height);
}

std::string ColorText(const Color& c) {
    return Format("#%02x%02x%02x", c.red, c.green, c.blue);
}

std::string StrokeAttributes(const Pen& pen) {
    std::string attributes =
        Format(" stroke=\"%s\" stroke-width=\"%d\"", ColorText(pen.color).c_str(), pen.width);
    if (pen.style == PenStyle::Dotted) attributes += " stroke-dasharray=\"1 2\"";
    return attributes;
}

}  // namespace

std::string XmlEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                if (byte < 0x20 && ch != '\t') {
                    out += '?';
                } else {
                    out += ch;
                }
        }
    }
    return out;
}

SvgCanvas::SvgCanvas(int width, int height) : width_(width), height_(height) {}

void SvgCanvas::SelectPen(const Pen& pen) {
    if (!(pen == pen_)) FlushPolyline();
    pen_ = pen;
}

void SvgCanvas::SelectFont(const FontDescription& font) {
    font_ = font;
}

int SvgCanvas::TextHeight() {
    return CharacterHeight(font_);
}

void SvgCanvas::MoveTo(int x, int y) {
    x_ = x;
    y_ = y;
}

void SvgCanvas::LineTo(int x, int y) {
    const bool continues =
        !polyline_.empty() && polyline_.back().x == x_ && polyline_.back().y == y_;
    if (!continues) {
        FlushPolyline();
        polyline_.push_back({x_, y_});
    }
    polyline_.push_back({x, y});
    x_ = x;
    y_ = y;
}

void SvgCanvas::Ellipse(int left, int top, int right, int bottom) {
    FlushPolyline();
    body_ += Format("<ellipse cx=\"%g\" cy=\"%g\" rx=\"%g\" ry=\"%g\" fill=\"#ffffff\"%s/>\n",
                    (left + right) / 2.0, (top + bottom) / 2.0, std::abs(right - left) / 2.0,
                    std::abs(bottom - top) / 2.0, StrokeAttributes(pen_).c_str());
}

void SvgCanvas::TextOut(int x, int y, const std::string& text) {
    FlushPolyline();
    const int size = CharacterHeight(font_);
    // SVG places text on its baseline; the canvas gives the top-left corner.
    const int baseline = y + size * 7 / 8;
    std::string style;
    if (font_.weight >= 600) style += " font-weight=\"bold\"";
    if (font_.italic) style += " font-style=\"italic\"";
    if (font_.underline) style += " text-decoration=\"underline\"";
    body_ += Format(
                 "<text x=\"%d\" y=\"%d\" font-size=\"%d\" font-family=\"'%s', 'MS Mincho', "
                 "'IPAMincho', "
                 "'IPAexMincho', 'Noto Serif CJK JP', 'Noto Serif JP', serif\"%s>",
                 x, baseline, size, XmlEscape(font_.faceName).c_str(), style.c_str()) +
             XmlEscape(text) + "</text>\n";
    Extend(y + size);
}

void SvgCanvas::SetIsotropicMapping(int, int, int, int) {}

std::string SvgCanvas::Document() {
    FlushPolyline();
    std::string document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    document += Format(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d "
        "%d\" "
        "xml:space=\"preserve\" style=\"white-space:pre\">\n",
        width_, height_, width_, height_);
    document += Format("<rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\" fill=\"#ffffff\"/>\n",
                       width_, height_);
    document += body_;
    document += "</svg>\n";
    return document;
}

void SvgCanvas::FlushPolyline() {
    if (polyline_.empty()) return;
    std::string points;
    for (const Point& p : polyline_) {
        if (!points.empty()) points += ' ';
        points += std::to_string(p.x) + "," + std::to_string(p.y);
    }
    body_ += "<polyline points=\"" + points + "\" fill=\"none\"" + StrokeAttributes(pen_) + "/>\n";
    polyline_.clear();
}

void SvgCanvas::Extend(int y) {
    // Only text lists run past the page, and only downward.
    constexpr int kLongestPage = 100000;
    if (y > height_) height_ = std::min(y, kLongestPage);
}

}  // namespace vorna
