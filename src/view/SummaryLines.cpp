#include "view/SummaryLines.h"

#include "app/DesignDocument.h"
#include "circuit/EngValue.h"
#include "design/Approximations.h"
#include "platform/CLocale.h"
#include "platform/Canvas.h"
#include "text/Texts.h"
#include "view/DesignView.h"

namespace vorna {

namespace {

bool IsBandKind(const DesignDocument& doc) {
    return doc.kind > kHighPass;
}

// The edge and attenuation lines shared by the view header and the file heads.
std::vector<std::string> SpecificationLines(const DesignView& view) {
    const DesignDocument& doc = view.GetDocument();
    if (IsBandKind(doc)) {
        return {
            Format("Fp1 =%9sHz  Fp2 =%9sHz  attp = %6.4lfdB", FormatEngValue(doc.fp1).c_str(),
                   FormatEngValue(doc.fp2).c_str(), doc.attp),
            Format("Fs1 =%9sHz  Fs2 =%9sHz  atts = %6.2lfdB", FormatEngValue(doc.fs1).c_str(),
                   FormatEngValue(doc.fs2).c_str(), doc.attsAchieved),
        };
    }
    return {Format("Fp =%9sHz  attp = %6.4lfdB  Fs =%9sHz  atts = %6.2lfdB",
                   FormatEngValue(doc.fp).c_str(), doc.attp, FormatEngValue(doc.fs).c_str(),
                   doc.attsAchieved)};
}

std::string DigitalTitle(const DesignView& view) {
    return Format(Text(TextId::SummaryDigitalTitle), KindLabel(view).c_str(),
                  ApproximationName(view).c_str(), view.resultOrder,
                  FormatEngValue(view.samplingFrequency).c_str());
}

}  // namespace

std::string KindLabel(const DesignView& view) {
    const int index = view.GetDocument().kind - kLowPass;
    if (index < 0 || index >= static_cast<int>(view.kindLabels.size())) return {};
    return view.kindLabels[static_cast<std::size_t>(index)];
}

std::string ApproximationName(const DesignView& view) {
    const auto approximation = ApproximationOf(view.GetDocument().approximation);
    if (!approximation) return {};
    return std::string(ApproximationRowOf(*approximation).name);
}

std::vector<std::string> SummaryHeaderLines(const DesignView& view) {
    std::vector<std::string> lines;
    if (view.convertedToDigital == 1) {
        lines.push_back(DigitalTitle(view));
    } else {
        lines.push_back(Format(Text(TextId::SummaryAnalogHeader), KindLabel(view).c_str(),
                               ApproximationName(view).c_str(), view.resultOrder));
    }
    for (auto& line : SpecificationLines(view)) lines.push_back(std::move(line));
    return lines;
}

int DrawSummaryHeader(const DesignView& view, Canvas& canvas) {
    int y = 1;
    for (const auto& line : SummaryHeaderLines(view)) {
        canvas.TextOut(1, y, line);
        y += view.lineHeight;
    }
    return y;
}

SchematicSummary WriteSummaryLines(const LineSink& write, const DesignView& view,
                                   bool withReference) {
    const DesignDocument& doc = view.GetDocument();
    if (view.convertedToDigital == 1) {
        write(DigitalTitle(view) + "Hz\n");
    } else if (withReference) {
        write(Format(Text(TextId::SummaryAnalogTitleWithReference), KindLabel(view).c_str(),
                     ApproximationName(view).c_str(), view.resultOrder, doc.referenceMode));
    } else {
        write(Format(Text(TextId::SummaryAnalogTitle), KindLabel(view).c_str(),
                     ApproximationName(view).c_str(), view.resultOrder));
    }
    for (const auto& line : SpecificationLines(view)) write(line + "\n");
    return MakeSchematicSummary(view);
}

SchematicSummary MakeSchematicSummary(const DesignView& view) {
    const DesignDocument& doc = view.GetDocument();
    SchematicSummary summary;
    summary.title = Format("%s  %s   order = %d", KindLabel(view).c_str(),
                           ApproximationName(view).c_str(), view.resultOrder);
    if (IsBandKind(doc)) {
        summary.specification =
            Format("Fp1 =%5sHz  Fp2 =%5sHz  attp = %5.2lfdB ", FormatEngValue(doc.fp1).c_str(),
                   FormatEngValue(doc.fp2).c_str(), doc.attp) +
            Format("Fs1 =%5sHz  Fs2 =%5sHz  atts = %5.2lfdB", FormatEngValue(doc.fs1).c_str(),
                   FormatEngValue(doc.fs2).c_str(), doc.attsAchieved);
    } else {
        summary.specification = Format("Fp =%5sHz  attp = %5.2lfdB  Fs =%5sHz  atts = %5.2lfdB",
                                       FormatEngValue(doc.fp).c_str(), doc.attp,
                                       FormatEngValue(doc.fs).c_str(), doc.attsAchieved);
    }
    return summary;
}

}  // namespace vorna
