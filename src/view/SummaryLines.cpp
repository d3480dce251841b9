#include "view/SummaryLines.h"

#include "circuit/EngValue.h"
#include "design/Approximations.h"
#include "platform/CLocale.h"
#include "platform/Canvas.h"
#include "text/Texts.h"
#include "view/DesignView.h"

namespace vorna {

namespace {

bool IsBandKind(const ShownDesign& design) {
    return design.kind > static_cast<int>(FilterKind::HighPass);
}

// The edge and attenuation lines shared by the view header and the file heads.
std::vector<std::string> SpecificationLines(const ShownDesign& design) {
    if (IsBandKind(design)) {
        return {
            Format("Fp1 =%9sHz  Fp2 =%9sHz  attp = %6.4lfdB", FormatEngValue(design.fp1).c_str(),
                   FormatEngValue(design.fp2).c_str(), design.attp),
            Format("Fs1 =%9sHz  Fs2 =%9sHz  atts = %6.2lfdB", FormatEngValue(design.fs1).c_str(),
                   FormatEngValue(design.fs2).c_str(), design.attsAchieved),
        };
    }
    return {Format("Fp =%9sHz  attp = %6.4lfdB  Fs =%9sHz  atts = %6.2lfdB",
                   FormatEngValue(design.fp).c_str(), design.attp,
                   FormatEngValue(design.fs).c_str(), design.attsAchieved)};
}

std::string DigitalTitle(const DesignView& view, const ShownDesign& design) {
    return Format(Text(TextId::SummaryDigitalTitle), KindLabel(view, design).c_str(),
                  ApproximationName(design).c_str(), view.resultOrder,
                  FormatEngValue(view.samplingFrequency).c_str());
}

}  // namespace

std::string KindLabel(const DesignView& view, const ShownDesign& design) {
    const int index = design.kind - static_cast<int>(FilterKind::LowPass);
    if (index < 0 || index >= static_cast<int>(view.kindLabels.size())) return {};
    return view.kindLabels[static_cast<std::size_t>(index)];
}

std::string ApproximationName(const ShownDesign& design) {
    const auto approximation = ApproximationOf(design.approximation);
    if (!approximation) return {};
    return std::string(ApproximationRowOf(*approximation).name);
}

std::vector<std::string> SummaryHeaderLines(const DesignView& view, const ShownDesign& design) {
    std::vector<std::string> lines;
    if (view.convertedToDigital) {
        lines.push_back(DigitalTitle(view, design));
    } else {
        lines.push_back(Format(Text(TextId::SummaryAnalogHeader), KindLabel(view, design).c_str(),
                               ApproximationName(design).c_str(), view.resultOrder));
    }
    for (auto& line : SpecificationLines(design)) lines.push_back(std::move(line));
    return lines;
}

int DrawSummaryHeader(const DesignView& view, const ShownDesign& design, Canvas& canvas) {
    int y = 1;
    for (const auto& line : SummaryHeaderLines(view, design)) {
        canvas.TextOut(1, y, line);
        y += view.lineHeight;
    }
    return y;
}

SchematicSummary WriteSummaryLines(const LineSink& write, const DesignView& view,
                                   const ShownDesign& design, bool withReference) {
    if (view.convertedToDigital) {
        write(DigitalTitle(view, design) + "Hz\n");
    } else if (withReference) {
        write(Format(Text(TextId::SummaryAnalogTitleWithReference), KindLabel(view, design).c_str(),
                     ApproximationName(design).c_str(), view.resultOrder, design.referenceMode));
    } else {
        write(Format(Text(TextId::SummaryAnalogTitle), KindLabel(view, design).c_str(),
                     ApproximationName(design).c_str(), view.resultOrder));
    }
    for (const auto& line : SpecificationLines(design)) write(line + "\n");
    return MakeSchematicSummary(view, design);
}

SchematicSummary MakeSchematicSummary(const DesignView& view, const ShownDesign& design) {
    SchematicSummary summary;
    summary.title = Format("%s  %s   order = %d", KindLabel(view, design).c_str(),
                           ApproximationName(design).c_str(), view.resultOrder);
    if (IsBandKind(design)) {
        summary.specification =
            Format("Fp1 =%5sHz  Fp2 =%5sHz  attp = %5.2lfdB ", FormatEngValue(design.fp1).c_str(),
                   FormatEngValue(design.fp2).c_str(), design.attp) +
            Format("Fs1 =%5sHz  Fs2 =%5sHz  atts = %5.2lfdB", FormatEngValue(design.fs1).c_str(),
                   FormatEngValue(design.fs2).c_str(), design.attsAchieved);
    } else {
        summary.specification = Format("Fp =%5sHz  attp = %5.2lfdB  Fs =%5sHz  atts = %5.2lfdB",
                                       FormatEngValue(design.fp).c_str(), design.attp,
                                       FormatEngValue(design.fs).c_str(), design.attsAchieved);
    }
    return summary;
}

}  // namespace vorna
