#include "output/SchematicText.h"

namespace vorna {

std::string WidenToUtf16(std::string_view narrow) {
    std::string wide;
    wide.reserve(narrow.size() * 2);
    for (const char c : narrow) {
        wide.push_back(c);
        wide.push_back('\0');
    }
    return wide;
}

const std::string SchematicKeywords::instanceName = WidenToUtf16("SYMATTR InstName ");
const std::string SchematicKeywords::textLine = WidenToUtf16("TEXT");
const std::string SchematicKeywords::valueLine = WidenToUtf16("SYMATTR Value ");
const std::string SchematicKeywords::information = WidenToUtf16("Information ");
const std::string SchematicKeywords::opAmpSymbol = WidenToUtf16("SYMBOL OpAmps\\\\");
const std::string SchematicKeywords::lineFeed = WidenToUtf16("\n");

}  // namespace vorna
