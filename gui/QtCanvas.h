#pragma once
// The view's drawing surface on a QPainter (a window, a printer page or an image): pens,
// the view font, lines, ellipses and text with antialiasing, as the classic device context
// draws them (text on an opaque white background, ellipses filled white).

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>

#include "FontMapping.h"
#include "platform/Canvas.h"

namespace vorna {

class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter);
    // Draws what is still pending; the painter must still be active.
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    void SelectPen(const Pen& pen) override;
    void SelectFont(const FontDescription& font) override;
    int TextHeight() override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void TextOut(int x, int y, const std::string& text) override;
    void SetIsotropicMapping(int width, int height, int originX, int originY) override;

private:
    // Odd pen widths are centred on pixel centres so that grid lines stay sharp.
    double PixelOffset() const;
    // Connected lines are collected and drawn as one polyline: far faster with antialiasing
    // than one line at a time, and joined cleanly.
    void Flush();

    QPainter& painter_;
    QPointF current_;
    QPolygonF pending_;
    int penWidth_ = 1;
    CellMetrics cell_;
};

}  // namespace vorna
