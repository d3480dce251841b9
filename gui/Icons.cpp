#include "Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vorna {
namespace {

constexpr int kToolbarSize = 16;

void DrawPage(QPainter& painter, const QRectF& page) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(page);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    for (double y = page.top() + 3; y < page.bottom() - 1; y += 2) {
        painter.drawLine(QPointF(page.left() + 2, y), QPointF(page.right() - 2, y));
    }
}

void DrawGlyph(QPainter& painter, ToolbarGlyph glyph) {
    switch (glyph) {
        case ToolbarGlyph::NewDocument:
            DrawPage(painter, QRectF(3.5, 1.5, 9, 13));
            break;
        case ToolbarGlyph::Copy:
            DrawPage(painter, QRectF(1.5, 1.5, 8, 10));
            DrawPage(painter, QRectF(6.5, 4.5, 8, 10));
            break;
        case ToolbarGlyph::Print:
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(Qt::white);
            painter.drawRect(QRectF(4.5, 1.5, 7, 5));
            painter.setBrush(QColor(192, 192, 192));
            painter.drawRect(QRectF(1.5, 6.5, 13, 6));
            painter.setBrush(Qt::white);
            painter.drawRect(QRectF(4.5, 10.5, 7, 4));
            break;
        case ToolbarGlyph::About: {
            painter.setPen(QPen(QColor(0, 0, 128), 1));
            painter.setBrush(QColor(255, 255, 160));
            painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            QFont font = painter.font();
            font.setPixelSize(11);
            font.setBold(true);
            painter.setFont(font);
            painter.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
    }
}

}  // namespace

QImage ProgramIconImage(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    painter.setPen(QPen(QColor(0, 0, 255), 1));
    for (int i = 8; i < 32; i += 8) {
        painter.drawLine(QPointF(i + 0.5, 2), QPointF(i + 0.5, 30));
        painter.drawLine(QPointF(2, i + 0.5), QPointF(30, i + 0.5));
    }
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, 30, 30));
    QPainterPath curve(QPointF(2, 8));
    curve.lineTo(14, 8);
    curve.cubicTo(QPointF(19, 8), QPointF(20, 12), QPointF(22, 30));
    painter.setPen(QPen(QColor(255, 0, 0), 2.5));
    painter.drawPath(curve);
    return image;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 64}) icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
    return icon;
}

QIcon ToolbarIcon(ToolbarGlyph glyph) {
    // Drawn afresh for every common screen scale, so the glyphs stay sharp on dense screens.
    QIcon icon;
    for (int scale = 1; scale <= 3; ++scale) {
        QPixmap pixmap(kToolbarSize * scale, kToolbarSize * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawGlyph(painter, glyph);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace vorna
