#include "output/SchematicLines.h"

#include <iterator>

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

SchematicLines ReadSchematicLines(std::istream& in) {
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return SplitSchematicLines(bytes);
}

bool WriteSchematicLines(std::ostream& out, const SchematicLines& lines) {
    for (const auto& line : lines)
        out.write(line.text.data(), static_cast<std::streamsize>(line.text.size()));
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace vorna
