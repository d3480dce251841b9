#include "DialogUnits.h"

#include <QFontMetrics>
#include <cmath>

#include "FontMapping.h"

namespace vorna {
namespace {

// Multiply and divide with rounding to the nearest pixel (halves away from zero).
int ScaleRounded(int value, int numerator, int denominator) {
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

}  // namespace

DialogUnits::DialogUnits(const QFont& dialogFont) {
    const QFontMetrics metrics(dialogFont);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseWidth_ = (letters / 26 + 1) / 2;
    baseHeight_ = CellMetricsOf(dialogFont).Height();
}

int DialogUnits::X(int units) const {
    return ScaleRounded(units, baseWidth_, 4);
}

int DialogUnits::Y(int units) const {
    return ScaleRounded(units, baseHeight_, 8);
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    const int left = X(x);
    const int top = Y(y);
    return QRect(left, top, X(x + width) - left, Y(y + height) - top);
}

}  // namespace vorna
