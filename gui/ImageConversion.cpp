#include "ImageConversion.h"

#include <cstddef>

namespace vorna {

QImage ToQImage(const Image& image) {
    if (image.Empty() ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
        return {};
    }
    QImage result(image.width, image.height, QImage::Format_RGB32);
    std::size_t index = 0;
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < image.width; ++x, ++index) {
            const Color& c = image.pixels[index];
            line[x] = qRgb(c.red, c.green, c.blue);
        }
    }
    return result;
}

Image ToCoreImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    Image result;
    result.width = image.width();
    result.height = image.height();
    result.pixels.reserve(static_cast<std::size_t>(result.width) * result.height);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            result.pixels.push_back(Color{static_cast<std::uint8_t>(qRed(line[x])),
                                          static_cast<std::uint8_t>(qGreen(line[x])),
                                          static_cast<std::uint8_t>(qBlue(line[x]))});
        }
    }
    return result;
}

}  // namespace vorna
