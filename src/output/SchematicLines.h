#pragma once
// The lines of a schematic file, kept as raw UTF-16LE bytes. A line's terminator (the
// code unit 0x000A) is part of the line; the last line may have none. A byte-order mark
// is simply part of the first line. Lines may be of any length and any number.

#include <string>
#include <string_view>
#include <vector>

namespace vorna {

struct SchematicLine {
    std::string text;  // UTF-16LE bytes, line end included
    bool StartsWith(std::string_view prefix) const {
        return std::string_view(text).starts_with(prefix);
    }
};

using SchematicLines = std::vector<SchematicLine>;

// Splits UTF-16LE bytes into lines. Line ends are looked for at code-unit boundaries, so a
// character whose low or high byte happens to be 0x0A never ends a line.
SchematicLines SplitSchematicLines(std::string_view bytes);
// The bytes of every line in order, nothing else: the file's content.
std::string JoinedSchematicLines(const SchematicLines& lines);

}  // namespace vorna
