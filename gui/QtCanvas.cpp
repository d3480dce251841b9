#include "QtCanvas.h"

#include <QPaintDevice>
#include <QPen>
#include <algorithm>

#include "FontMapping.h"

namespace vorna {
namespace {

QColor ToQColor(const Color& color) {
    return QColor(color.red, color.green, color.blue);
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {
    painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter_.setBackgroundMode(Qt::OpaqueMode);
    painter_.setBackground(Qt::white);
    painter_.setBrush(Qt::white);
    SelectPen(Pen{});
    SelectFont(FontDescription{});
}

QtCanvas::~QtCanvas() {
    Flush();
}

void QtCanvas::Flush() {
    if (pending_.size() > 1) painter_.drawPolyline(pending_);
    pending_.clear();
}

void QtCanvas::SelectPen(const Pen& pen) {
    Flush();
    penWidth_ = std::max(1, pen.width);
    QPen qpen(ToQColor(pen.color), penWidth_);
    qpen.setJoinStyle(Qt::RoundJoin);
    if (pen.style == PenStyle::Dotted) {
        // Three on, three off, as a dotted cosmetic pen of the classic device context.
        qpen.setDashPattern({3.0, 3.0});
        qpen.setCapStyle(Qt::FlatCap);
    } else {
        qpen.setCapStyle(Qt::RoundCap);
    }
    painter_.setPen(qpen);
}

void QtCanvas::SelectFont(const FontDescription& font) {
    painter_.setFont(ToQFont(font));
    cell_ = CellMetricsOf(painter_.font());
}

int QtCanvas::TextHeight() {
    return cell_.Height();
}

double QtCanvas::PixelOffset() const {
    return penWidth_ % 2 == 1 ? 0.5 : 0.0;
}

void QtCanvas::MoveTo(int x, int y) {
    const QPointF target(x, y);
    // A move to where the last line ended continues the same polyline.
    if (target != current_) Flush();
    current_ = target;
}

void QtCanvas::LineTo(int x, int y) {
    const QPointF target(x, y);
    const QPointF offset(PixelOffset(), PixelOffset());
    if (pending_.isEmpty()) pending_ << current_ + offset;
    pending_ << target + offset;
    current_ = target;
}

void QtCanvas::Ellipse(int left, int top, int right, int bottom) {
    Flush();
    const double offset = PixelOffset();
    painter_.drawEllipse(QRectF(left + offset, top + offset, right - left - 1, bottom - top - 1));
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
    Flush();
    const QPen pen = painter_.pen();
    painter_.setPen(Qt::black);
    painter_.drawText(QPoint(x, y + cell_.ascent), QString::fromStdString(text));
    painter_.setPen(pen);
}

void QtCanvas::SetIsotropicMapping(int width, int height, int originX, int originY) {
    Flush();
    const QPaintDevice* device = painter_.device();
    const double scale = std::min(static_cast<double>(device->width()) / width,
                                  static_cast<double>(device->height()) / height);
    painter_.setTransform(QTransform(scale, 0, 0, scale, originX, originY));
}

}  // namespace vorna
