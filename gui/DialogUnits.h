#pragma once
// Dialog units to pixels as the classic dialog manager converts them: the base units are the
// average width of the dialog font's Latin letters and the font's character height; a
// horizontal unit is a quarter of the first, a vertical unit an eighth of the second.

#include <QFont>
#include <QRect>

namespace vorna {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& dialogFont);
    DialogUnits(int baseWidth, int baseHeight) : baseWidth_(baseWidth), baseHeight_(baseHeight) {}

    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;

    int BaseWidth() const { return baseWidth_; }
    int BaseHeight() const { return baseHeight_; }

private:
    int baseWidth_;
    int baseHeight_;
};

}  // namespace vorna
