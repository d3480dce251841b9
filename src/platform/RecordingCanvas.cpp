#include "platform/RecordingCanvas.h"

#include <cstdlib>

namespace vorna {

int RecordingCanvas::HeightOf(const FontDescription& font) {
    return font.height == 0 ? 16 : std::abs(font.height);
}

void RecordingCanvas::SelectPen(const Pen& selected) {
    calls.push_back(Call::SelectPen);
    pensSelected.push_back(selected);
    pen = selected;
}

void RecordingCanvas::SelectFont(const FontDescription& selected) {
    calls.push_back(Call::SelectFont);
    font = selected;
}

int RecordingCanvas::TextHeight() {
    calls.push_back(Call::TextHeight);
    return HeightOf(font);
}

void RecordingCanvas::MoveTo(int x, int y) {
    calls.push_back(Call::MoveTo);
    x_ = x;
    y_ = y;
}

void RecordingCanvas::LineTo(int x, int y) {
    calls.push_back(Call::LineTo);
    lines.push_back({x_, y_, x, y, pen});
    x_ = x;
    y_ = y;
}

void RecordingCanvas::Ellipse(int left, int top, int right, int bottom) {
    calls.push_back(Call::Ellipse);
    ellipses.push_back({left, top, right, bottom, pen});
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
    calls.push_back(Call::TextOut);
    texts.push_back({x, y, text, font});
}

void RecordingCanvas::SetIsotropicMapping(int width, int height, int originX, int originY) {
    calls.push_back(Call::SetIsotropicMapping);
    mappings.push_back({width, height, originX, originY});
}

const RecordingCanvas::Text* RecordingCanvas::FindText(const std::string& text) const {
    for (const auto& t : texts) {
        if (t.text == text) return &t;
    }
    return nullptr;
}

std::vector<RecordingCanvas::Line> RecordingCanvas::LinesWith(const Pen& wanted) const {
    std::vector<Line> result;
    for (const auto& line : lines) {
        if (line.pen == wanted) result.push_back(line);
    }
    return result;
}

}  // namespace vorna
