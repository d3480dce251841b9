#pragma once
// The simulator's schematic file (.asc) as this installation writes it: UTF-16LE with a
// byte-order mark and line-feed line ends, and the reader that turns such a file back into
// a Schematic (for the netlister and the checks of the installation data).

#include <string>
#include <vector>

#include "schematic/Schematic.h"

namespace vorna::installation {

// The file text as 8-bit characters, one '\n' after every line.
std::string AscText(const Schematic& schematic);

// UTF-16LE bytes with a byte-order mark, for text made of 7-bit characters.
std::string Utf16LeWithBom(const std::string& ascii);

// The lines of an .asc file's bytes. A file without the UTF-16LE byte-order mark, a line
// with a carriage return or a character outside 7-bit ASCII is reported in `problems`.
std::vector<std::string> AscLines(const std::string& bytes, std::vector<std::string>* problems);

// Parses the lines of an .asc file; lines it does not understand are reported in
// `problems`, keywords it does not need (WINDOW, SHEET, Version, other SYMATTRs) are skipped.
Schematic ParseAsc(const std::vector<std::string>& lines, std::vector<std::string>* problems);

bool ReadFileBytes(const std::string& path, std::string* bytes);
bool WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace vorna::installation
