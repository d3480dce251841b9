#include "output/OpAmpNames.h"

#include <algorithm>

#include "platform/MessageText.h"
#include "text/Texts.h"

namespace vorna {

std::optional<std::string> ReadNameLine(std::istream& in) {
    std::string line;
    if (!std::getline(in, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

bool IsUsableOpAmpName(const std::string& name) {
    if (name.empty() || name.size() > kMaxOpAmpNameLength) return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return c > 0x20 && c <= 0x7E && c != '/' && c != '\\'; });
}

Message UnusableOpAmpNameMessage(const char* file, const std::string& name, TextId consequence) {
    // Only the printable ASCII part of the name is shown, and only its beginning.
    std::string shown;
    for (const char c : name) shown += (c >= 0x20 && c <= 0x7E) ? c : '?';
    return {TextId::OpAmpNameUnusable, {file, EchoedText(shown), Text(consequence)}};
}

ExchangeList ReadExchangeList(std::istream& in) {
    ExchangeList list;
    list.from = ReadNameLine(in).value_or("");
    while (const auto line = ReadNameLine(in)) {
        if (*line == "end") break;
        list.to.push_back(*line);
        if (list.to.size() == kMaxExchangeNames) {
            const auto next = ReadNameLine(in);
            list.truncated = next && *next != "end";
            break;
        }
    }
    return list;
}

}  // namespace vorna
