#include "SchematicExport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>

#include "QtCanvas.h"
#include "platform/FileWrite.h"
#include "text/Texts.h"
#include "view/SchematicDrawing.h"
#include "view/SvgCanvas.h"

namespace vorna {
namespace {

// A PNG is drawn at twice the drawing's size, sharp enough to print or zoom into.
constexpr double kPngScale = 2;

std::string SvgDocument(const installation::Schematic& schematic) {
    const DrawingSize size = SchematicDrawingSize(schematic);
    SvgCanvas canvas(size.width, size.height);
    DrawSchematic(schematic, canvas);
    return canvas.Document();
}

std::optional<QByteArray> PngBytes(const installation::Schematic& schematic) {
    const DrawingSize size = SchematicDrawingSize(schematic);
    QImage image(static_cast<int>(size.width * kPngScale),
                 static_cast<int>(size.height * kPngScale), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintSchematic(painter, schematic, kPngScale);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return std::nullopt;
    return bytes;
}

// One page of the drawing's size, a point a drawing unit.
std::optional<QByteArray> PdfBytes(const installation::Schematic& schematic) {
    const DrawingSize size = SchematicDrawingSize(schematic);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(72);
        writer.setPageSize(QPageSize(QSizeF(size.width, size.height), QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&writer)) return std::nullopt;
        PaintSchematic(painter, schematic, 1);
        if (!painter.end()) return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::optional<SchematicFormat> SchematicFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg")) return SchematicFormat::Svg;
    if (suffix == QLatin1String("png")) return SchematicFormat::Png;
    if (suffix == QLatin1String("pdf")) return SchematicFormat::Pdf;
    return std::nullopt;
}

void PaintSchematic(QPainter& painter, const installation::Schematic& schematic, double scale) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    QtCanvas canvas(painter);
    DrawSchematic(schematic, canvas);
}

QString ExportSchematic(const installation::Schematic& schematic, const std::string& path) {
    const std::optional<SchematicFormat> format = SchematicFormatOf(QString::fromStdString(path));
    if (!format) return QString::fromUtf8(Text(TextId::SchematicExtensionRefused));
    std::optional<QByteArray> bytes;
    switch (*format) {
        case SchematicFormat::Svg:
            bytes = QByteArray::fromStdString(SvgDocument(schematic));
            break;
        case SchematicFormat::Png:
            bytes = PngBytes(schematic);
            break;
        case SchematicFormat::Pdf:
            bytes = PdfBytes(schematic);
            break;
    }
    if (!bytes) return QString::fromUtf8(Text(TextId::WriteFailed));
    const std::optional<std::string> problem = WriteFileAtomically(
        path, std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
    return problem ? QString::fromStdString(*problem) : QString();
}

bool PrintSchematic(QPrinter& printer, const installation::Schematic& schematic) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const DrawingSize size = SchematicDrawingSize(schematic);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale =
        std::min(page.width() / std::max(size.width, 1), page.height() / std::max(size.height, 1));
    PaintSchematic(painter, schematic, scale);
    return painter.end();
}

}  // namespace vorna
