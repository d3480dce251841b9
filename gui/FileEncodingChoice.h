#pragma once
// The encoding of the journal and the reports the desktop writes: the user's choice kept in
// the settings, else the default of the language shown (as the command line's default).

#include <QString>
#include <optional>

#include "platform/FileTextEncoding.h"

namespace vorna {

// The encoding's name with its menu accelerator ("&CP932 (Shift_JIS)", "&UTF-8").
QString FileEncodingMenuText(FileTextEncoding encoding);

// The encoding chosen in the settings; nothing when none is.
std::optional<FileTextEncoding> SavedFileEncoding();
void SaveFileEncoding(FileTextEncoding encoding);

// Makes the chosen encoding, else the current language's default, that of every journal line
// and report written afterwards.
void ApplyFileEncoding();

}  // namespace vorna
