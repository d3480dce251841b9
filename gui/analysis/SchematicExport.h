#pragma once
// The drawing of a schematic out of the program: as SVG (the same document as the command
// line's), PNG and PDF files, and on a printer.

#include <QString>
#include <optional>
#include <string>

#include "schematic/Schematic.h"

class QPainter;
class QPrinter;

namespace vorna {

enum class SchematicFormat { Svg, Png, Pdf };

// The format a file name's extension names (case-insensitive); nullopt for any other.
std::optional<SchematicFormat> SchematicFormatOf(const QString& path);

// Draws `schematic` antialiased on `painter`, `scale` painter units a drawing unit.
void PaintSchematic(QPainter& painter, const installation::Schematic& schematic, double scale);

// Writes the drawing to `path` in the format its extension names, replacing the file only
// when all was written; the error text, empty on success.
QString ExportSchematic(const installation::Schematic& schematic, const std::string& path);

// Prints the drawing on one page of `printer` (already set up), as large as fits; false when
// the printer could not start.
bool PrintSchematic(QPrinter& printer, const installation::Schematic& schematic);

}  // namespace vorna
