#include "view/CoefficientList.h"

#include "circuit/EngValue.h"
#include "platform/CLocale.h"
#include "platform/Canvas.h"
#include "text/Texts.h"
#include "view/DesignView.h"
#include "view/SummaryLines.h"

namespace vorna {

std::vector<std::string> CoefficientListLines(const DesignView& view, const ShownDesign& design) {
    const bool digital = view.convertedToDigital;
    const bool firstOrder = HasFirstOrderTerm(view, design.kind);
    std::vector<std::string> lines;
    auto add = [&](std::initializer_list<const char*> texts) {
        lines.insert(lines.end(), texts.begin(), texts.end());
    };

    if (firstOrder) {
        add({Text(TextId::CoefficientListFirstOrderForm)});
        if (digital) {
            add({"      P1 + P2 * zm", "H0 = --------------", "       1 + P0 * zm"});
        } else {
            add({"      P1 * s + P2", "H0 = -------------", "         s + P0"});
        }
    }
    add({Text(TextId::CoefficientListSecondOrderForm)});
    if (digital) {
        add({"      Pn_2 + Pn_3 * zm + Pn_4 * zm^2", "Hn = --------------------------------",
             "       1 + Pn_0 * zm + Pn_1 * zm^2"});
    } else {
        add({"      Pn_2 * s^2 + Pn_3 * s + Pn_4", "Hn = ------------------------------",
             "          s^2 + Pn_0 * s + Pn_1"});
    }
    if (firstOrder) {
        add({Text(TextId::CoefficientListFirstOrder)});
        lines.push_back(Format(digital ? "      P0 = %-9s    P1 = %-9s    P2 = %-9s"
                                       : "     P0 = %-9s    P1 = %-9s    P2 = %-9s",
                               FormatEngValue(view.p0).c_str(), FormatEngValue(view.p1).c_str(),
                               FormatEngValue(view.p2).c_str()));
    }
    add({Text(TextId::CoefficientListSecondOrder)});
    lines.push_back(std::string("   n        Pn_0        Pn_1        Pn_2") +
                    "        Pn_3        Pn_4");
    const int last = LastSectionIndex(view);
    for (int i = 0; i <= last; ++i) {
        const Section& p = view.sections[static_cast<std::size_t>(i)];
        lines.push_back(
            Format("%4d%12s%12s%12s", i + 1, FormatEngValue(p.den1).c_str(),
                   FormatEngValue(p.den0).c_str(), FormatEngValue(p.num2).c_str()) +
            Format("%12s%12s", FormatEngValue(p.num1).c_str(), FormatEngValue(p.num0).c_str()));
    }
    return lines;
}

void DrawCoefficientList(const DesignView& view, const ShownDesign& design, Canvas& canvas) {
    int y = DrawSummaryHeader(view, design, canvas);
    for (const auto& line : CoefficientListLines(view, design)) {
        canvas.TextOut(1, y, line);
        y += view.lineHeight;
    }
}

}  // namespace vorna
