#pragma once
// Translation between the program's logical font descriptions (face names and heights as the
// design files and dialog resources give them) and the fonts installed on this desktop.

#include <QFont>
#include <QString>

#include "platform/Canvas.h"

namespace vorna {

// The installed family that stands in for `faceName` ("ＭＳ 明朝" becomes IPAMincho); the
// face name itself when there is no stand-in.
QString InstalledFamily(const std::string& faceName);

// The font a description asks for; a negative height is the character height in pixels,
// a positive one the cell height (character height plus internal leading).
QFont ToQFont(const FontDescription& description);

// The description of a font chosen in the font chooser. Fields the chooser does not offer
// (character set, precisions, quality) are kept from `previous`; a stand-in family is
// written back under the face name it stands in for.
FontDescription ToFontDescription(const QFont& font, const FontDescription& previous);

// Ascent and descent of a font's character cell in whole pixels, from the font's horizontal
// header (its em box: a stand-in for a metric-compatible font keeps the original's 16-pixel
// lines at 16 pixels), as the classic text metrics round them.
struct CellMetrics {
    int ascent = 0;
    int descent = 0;
    int Height() const { return ascent + descent; }
};
CellMetrics CellMetricsOf(const QFont& font);

// A dialog's font: face name and size in points, at the 96 pixels per inch the dialog
// layouts were made for.
QFont DialogFont(const std::string& faceName, int points);

}  // namespace vorna
