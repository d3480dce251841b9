#include "output/SchematicLines.h"

#include "output/SchematicText.h"

namespace vorna {

SchematicLines SplitSchematicLines(std::string_view bytes) {
    SchematicLines lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        if (CodeUnitAt(bytes, i) == 0x000A) {
            lines.push_back({std::string(bytes.substr(start, i + 2 - start))});
            start = i + 2;
        }
    }
    if (start < bytes.size()) lines.push_back({std::string(bytes.substr(start))});
    return lines;
}

std::string JoinedSchematicLines(const SchematicLines& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line.text;
    return bytes;
}

}  // namespace vorna
