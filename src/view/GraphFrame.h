#pragma once
// The frame shared by the frequency response graph and the pole-zero plot, in logical
// units of the view, and the conversion of computed coordinates to whole units.

#include <cmath>

namespace vorna {

class Canvas;

inline constexpr int kFrameLeft = 50;     // x0
inline constexpr int kFrameRight = 639;   // x1
inline constexpr int kFrameTop = 100;     // y0
inline constexpr int kFrameBottom = 430;  // y1
inline constexpr int kFrameHeight = kFrameBottom - kFrameTop;

// Truncates toward zero. Coordinates far outside the page (a gain of thousands of dB, an
// infinite value) are held at +-1e7 units, still far outside it, so that they convert to
// int safely; NaN gives 0 and must be left out by the caller.
inline int TruncateUnits(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kLimit = 1e7;
    return static_cast<int>(std::fmax(-kLimit, std::fmin(kLimit, value)));
}

void DrawLine(Canvas& canvas, double fromX, double fromY, double toX, double toY);
// The four edges of the frame, with the selected pen.
void DrawFrame(Canvas& canvas);

}  // namespace vorna
