#pragma once
// Pictures between the core's plain pixel image and Qt's.

#include <QImage>

#include "platform/Image.h"

namespace vorna {

QImage ToQImage(const Image& image);
Image ToCoreImage(const QImage& image);

}  // namespace vorna
