#pragma once
// Writing a graph out: its curves as CSV text, and any file written atomically (a temporary
// file beside the target, renamed over it only when everything was written).

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "GraphData.h"

class QIODevice;

namespace vorna {

class Ui;

enum class ExportFormat { Png, Svg, Csv };

// The format a file name's extension names (case-insensitive); nullopt for any other.
std::optional<ExportFormat> ExportFormatOf(const QString& path);

// The curves as CSV at full precision (17 significant digits), in UTF-8 with a header row.
// Curves over the same abscissae share one table with a column each; otherwise one row a
// point with the curve's name first. A point that could not be computed has an empty cell.
std::string GraphCsv(const GraphData& graph);

// Rows of cells as CSV (UTF-8, a cell quoted where it holds a separator, quote or line end).
std::string TableCsv(const std::vector<std::vector<std::string>>& table);

// Runs `write` on a temporary file beside `path` and puts it in place when `write` returns
// true; the old file is untouched on any failure. Returns the error text, empty on success.
QString WriteAtomically(const QString& path, const std::function<bool(QIODevice&)>& write);

// Tells the user that `what` (ExportedGraph, ExportedCoefficients) could not be written to `path`,
// and why.
void ReportWriteFailure(Ui& ui, const std::string& path, const char* what, const QString& error);

}  // namespace vorna
