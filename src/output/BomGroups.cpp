#include "output/BomGroups.h"

#include <algorithm>
#include <optional>

#include "platform/CLocale.h"
#include "view/EngineeringNotation.h"

namespace vorna {
namespace {

std::optional<double> NumberOf(const std::string& text) {
    const char* end = nullptr;
    const double value = StrToD(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size()) return std::nullopt;
    return value;
}

// Kinds in their order; numbers before texts, numbers ascending, texts as spelled.
bool OrderedBefore(const BomGroup& a, const BomGroup& b) {
    if (a.part != b.part) return a.part < b.part;
    const std::optional<double> x = NumberOf(a.value), y = NumberOf(b.value);
    if (x && y) return *x < *y;
    if (x.has_value() != y.has_value()) return x.has_value();
    return a.value < b.value;
}

}  // namespace

std::vector<BomGroup> GroupedByValue(const std::vector<BomLine>& lines) {
    std::vector<BomGroup> groups;
    for (const BomLine& line : lines) {
        const auto same = std::find_if(groups.begin(), groups.end(), [&](const BomGroup& group) {
            return group.part == line.part && group.value == line.value;
        });
        if (same != groups.end()) {
            same->designators.push_back(line.designator);
        } else {
            groups.push_back({line.part, line.value, line.series, {line.designator}, line.isShort});
        }
    }
    std::stable_sort(groups.begin(), groups.end(), OrderedBefore);
    return groups;
}

std::string GroupValueText(const BomGroup& group) {
    const std::optional<double> value = NumberOf(group.value);
    if (group.part == PartKind::OpAmp || !value) return group.value;
    return EngineeringNotation(*value, group.part == PartKind::Resistor ? "Ω" : "F");
}

}  // namespace vorna
