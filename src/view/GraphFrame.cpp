#include "view/GraphFrame.h"

#include "platform/Canvas.h"

namespace vorna {

void DrawLine(Canvas& canvas, double fromX, double fromY, double toX, double toY) {
    canvas.MoveTo(TruncateUnits(fromX), TruncateUnits(fromY));
    canvas.LineTo(TruncateUnits(toX), TruncateUnits(toY));
}

void DrawFrame(Canvas& canvas) {
    DrawLine(canvas, kFrameLeft, kFrameTop, kFrameRight, kFrameTop);
    DrawLine(canvas, kFrameLeft, kFrameBottom, kFrameRight, kFrameBottom);
    DrawLine(canvas, kFrameLeft, kFrameTop, kFrameLeft, kFrameBottom);
    DrawLine(canvas, kFrameRight, kFrameTop, kFrameRight, kFrameBottom);
}

}  // namespace vorna
