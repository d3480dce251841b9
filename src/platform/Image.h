#pragma once
// A decoded picture (for example a circuit diagram) that a dialog's picture control shows.

#include <vector>

#include "platform/Canvas.h"

namespace vorna {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels;  // row by row from the top, width * height entries
    bool Empty() const { return width <= 0 || height <= 0; }
};

}  // namespace vorna
