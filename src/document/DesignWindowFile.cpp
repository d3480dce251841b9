#include "document/DesignWindowFile.h"

#include <cmath>

#include "app/DesignDocument.h"
#include "app/DesignNoticeMessages.h"
#include "app/DialogEntries.h"
#include "app/DigitalConversionCommand.h"
#include "app/DocumentResults.h"
#include "dialogs/GraphDialog.h"
#include "document/DesignFile.h"
#include "document/ResultsJson.h"
#include "platform/CLocale.h"
#include "text/Message.h"
#include "text/Texts.h"
#include "view/DesignView.h"

namespace vorna {

namespace {

std::string Number(double value) {
    return Format("%.15g", value);
}

void StoreEntries(const DesignSettings& s, DesignDocument& doc) {
    doc.kind = s.kind;
    doc.approximation = s.approximation;
    doc.byOrder = s.byOrder;
    doc.referenceMode = s.referenceMode;
    doc.fp = s.fp.hz;
    doc.unitFp = s.fp.unit;
    doc.fp1 = s.fp1.hz;
    doc.unitFp1 = s.fp1.unit;
    doc.fp2 = s.fp2.hz;
    doc.unitFp2 = s.fp2.unit;
    doc.attp = s.attp;
    doc.atts = s.atts;
    doc.xs = s.xs;
    doc.figures.order = s.order;
    doc.rippleMemory = s.rippleMemory;
    doc.besselNorm = s.besselNorm;
}

void StorePresentation(const DesignSettings& s, DesignView& view) {
    view.displayMode = s.displayMode == 2 ? DisplayMode::CoefficientList : DisplayMode::Graph;
    view.graphKind = s.graphKind == kPoleZeroRadioId ? GraphKind::PoleZero : GraphKind::Response;
    view.pointsPerDecade = s.pointsPerDecade;
    view.viewFont = s.font;
    view.samplingFrequency = s.samplingFrequency;
    view.samplingPeriod = 1 / s.samplingFrequency;
    view.circuitChoices = s.circuits;
    view.eSeriesChoice = s.eSeries;
    view.outputChoice = s.outputChoice;
}

// The band-eliminate dialogs refuse, without a message, an Xs that leaves no stop band.
std::optional<std::string> StopBandProblem(const DesignSettings& s) {
    if (s.kind != kBandEliminate) return std::nullopt;
    const double limit = std::sqrt(s.fp2.hz / s.fp1.hz);
    if (s.xs < limit) return std::nullopt;
    return Format(Text(TextId::DesignFileStopBandXs), Number(s.xs).c_str(), Number(limit).c_str());
}

std::string CannotDesign(const Message& reason) {
    return Format(Text(TextId::DesignFileCannotDesign), MessageText(reason).c_str());
}

// Designs from the stored entries as their parameter dialog, confirmed unchanged, would: the
// reason when the dialog or the design refuses them (the first message the user would see).
std::optional<std::string> DesignFromEntries(DesignDocument& doc) {
    const std::string refusedEntries = Text(TextId::DesignFileEntriesRefused);
    const std::optional<FilterKind> kind = FilterKindOf(doc.kind);
    const std::optional<Approximation> approximation = ApproximationOf(doc.approximation);
    if (!kind || !approximation) return refusedEntries;
    const auto read =
        DialogEntries(doc, DesignProcedureFor(*kind, *approximation, doc.byOrder)).Read();
    if (const auto* refused = std::get_if<DialogEntries::Refused>(&read))
        return CannotDesign(refused->message);
    const DesignSpec& spec = std::get<DesignSpec>(read);
    const DesignOutcome outcome = DesignFilter(spec, doc.figures);
    if (!outcome.Refused()) {
        doc.TakeOver(spec, EntriesKept::All, outcome.Designed().figures);
        return std::nullopt;
    }
    const DesignRefusal& refusal = outcome.Refusal();
    doc.TakeOver(spec, refusal.kept, refusal.figures);
    const std::optional<Message> first =
        outcome.notices.empty() ? RefusalMessage(refusal) : NoticeMessage(outcome.notices.front());
    return first ? CannotDesign(*first) : refusedEntries;
}

}  // namespace

DesignSettings CaptureSettings(const DesignView& view) {
    const DesignDocument& doc = view.GetDocument();
    DesignSettings s;
    s.kind = doc.kind;
    s.approximation = doc.approximation;
    s.byOrder = doc.byOrder;
    s.referenceMode = doc.referenceMode;
    s.fp = {doc.fp, doc.unitFp};
    s.fp1 = {doc.fp1, doc.unitFp1};
    s.fp2 = {doc.fp2, doc.unitFp2};
    s.attp = doc.attp;
    s.atts = doc.atts;
    s.xs = doc.xs;
    s.order = doc.figures.order;
    s.rippleMemory = doc.rippleMemory;
    s.besselNorm = doc.besselNorm;
    // While a command's dialog is open the view shows nothing; a file keeps a mode that
    // shows something.
    s.displayMode = view.displayMode == DisplayMode::CoefficientList ? 2 : 1;
    s.graphKind = view.graphKind == GraphKind::PoleZero ? kPoleZeroRadioId : kResponseGraphRadioId;
    s.pointsPerDecade = view.pointsPerDecade;
    s.font = view.viewFont;
    s.digital = view.convertedToDigital;
    s.samplingFrequency = view.samplingFrequency;
    s.circuits = view.circuitChoices;
    s.eSeries = view.eSeriesChoice;
    s.outputChoice = view.outputChoice;
    return s;
}

std::optional<std::string> ApplySettings(const DesignSettings& s, DesignView& view) {
    if (auto problem = StopBandProblem(s)) return problem;
    DesignDocument& doc = view.GetDocument();
    StoreEntries(s, doc);
    if (auto problem = DesignFromEntries(doc)) return problem;
    RecomputeResults(view, doc);
    StorePresentation(s, view);
    if (!s.digital) return std::nullopt;
    const double limit = SamplingFrequencyLowerLimit(doc);
    if (!(s.samplingFrequency >= limit)) {
        return Format(Text(TextId::DesignFileSamplingBelowLimit),
                      Number(s.samplingFrequency).c_str(), Number(limit).c_str());
    }
    if (!ConvertToDigital(view, s.samplingFrequency)) {
        return Format(Text(TextId::DesignFileSamplingNotComputable),
                      Number(s.samplingFrequency).c_str());
    }
    return std::nullopt;
}

std::string DesignFileTextOf(const DesignView& view) {
    return DesignFileText(CaptureSettings(view), DesignResultsJson(view));
}

std::optional<Message> OpenDesignFile(const std::string& path, DesignView& view) {
    const DesignFileContent content = ReadDesignFile(path);
    if (!content.settings) return OpenProblemMessage(path, content.problem);
    DesignDocument scratchDocument;
    DesignView scratch(scratchDocument);
    if (auto problem = ApplySettings(*content.settings, scratch))
        return OpenProblemMessage(path, *problem);
    ApplySettings(*content.settings, view);
    return std::nullopt;
}

std::optional<Message> SaveDesignFile(const std::string& path, const DesignView& view) {
    return WriteDesignFile(path, DesignFileTextOf(view));
}

}  // namespace vorna
