#pragma once
// A help document set on A4 pages in a face for its language (a mincho for Japanese, a Latin
// serif for English), with its figures drawn as vector graphics, written as PDF.

#include <QString>

#include "HelpText.h"

namespace vorna::help {

// Writes `text` to `path` (through a temporary file beside it); false with `error` set when
// the file cannot be written.
bool WriteHelpPdf(const HelpText& text, const QString& title, Language language,
                  const QString& path, QString& error);

}  // namespace vorna::help
