#pragma once
// A canvas that draws nothing and records every call, for the tests and the benchmarks.
// Besides the raw calls it keeps the lines (with the pen they were drawn with), the texts
// and the ellipses, so that a test can ask what a user would see.

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace vorna {

class RecordingCanvas : public Canvas {
public:
    enum class Call {
        SelectPen,
        SelectFont,
        TextHeight,
        MoveTo,
        LineTo,
        Ellipse,
        TextOut,
        SetIsotropicMapping
    };

    struct Line {
        int fromX, fromY, toX, toY;
        Pen pen;
        friend bool operator==(const Line&, const Line&) = default;
    };
    struct Text {
        int x, y;
        std::string text;
        FontDescription font;
    };
    struct EllipseBox {
        int left, top, right, bottom;
        Pen pen;
    };
    struct Mapping {
        int width, height, originX, originY;
    };

    // Character height reported for a font: its |height|, 16 for height 0.
    static int HeightOf(const FontDescription& font);

    void SelectPen(const Pen& pen) override;
    void SelectFont(const FontDescription& font) override;
    int TextHeight() override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void TextOut(int x, int y, const std::string& text) override;
    void SetIsotropicMapping(int width, int height, int originX, int originY) override;

    std::vector<Call> calls;
    std::vector<Line> lines;
    std::vector<Text> texts;
    std::vector<EllipseBox> ellipses;
    std::vector<Mapping> mappings;
    std::vector<Pen> pensSelected;
    Pen pen;
    FontDescription font;

    // The first text equal to `text`, or nullptr.
    const Text* FindText(const std::string& text) const;
    // The lines drawn with `pen`.
    std::vector<Line> LinesWith(const Pen& pen) const;

private:
    int x_ = 0;
    int y_ = 0;
};

}  // namespace vorna
