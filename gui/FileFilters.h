#pragma once
// File chooser filters in Qt's "description (patterns)" form.

#include <QStringList>
#include <vector>

#include "platform/Ui.h"

namespace vorna {

// One entry per filter; the patterns in parentheses are those of the filter (a description
// that already ends in parentheses has them replaced), and no filters means all files.
QStringList ToNameFilters(const std::vector<FileFilter>& filters);

}  // namespace vorna
