#include "WindowPlacement.h"

#include <algorithm>

namespace vorna {

QRect FitIntoArea(const QRect& wanted, const QMargins& frame, const QRect& available) {
    const QRect room = available.marginsRemoved(frame);
    const QSize size = wanted.size().boundedTo(room.size()).expandedTo(QSize(1, 1));
    const int x =
        std::clamp(wanted.x(), room.left(), std::max(room.left(), room.right() + 1 - size.width()));
    const int y =
        std::clamp(wanted.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height()));
    return QRect(QPoint(x, y), size);
}

std::vector<QPoint> IconPositions(int count, const QSize& icon, const QSize& area) {
    const int perRow = std::max(1, area.width() / std::max(1, icon.width()));
    std::vector<QPoint> positions;
    for (int i = 0; i < count; ++i) {
        positions.emplace_back(i % perRow * icon.width(),
                               area.height() - (i / perRow + 1) * icon.height());
    }
    return positions;
}

}  // namespace vorna
