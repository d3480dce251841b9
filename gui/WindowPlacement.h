#pragma once
// Where windows go: the main frame kept inside the screen's available area, and the icons of
// minimised document windows lined up along the bottom of the document area.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace vorna {

// The client rectangle `wanted`, with its window `frame` around it, shrunk to the size of
// `available` and then moved into it; unchanged when it already fits.
QRect FitIntoArea(const QRect& wanted, const QMargins& frame, const QRect& available);

// Top-left corners of `count` icons of size `icon` in an area of size `area`: rows from the
// bottom left, each as full as the width allows, the next row above.
std::vector<QPoint> IconPositions(int count, const QSize& icon, const QSize& area);

}  // namespace vorna
