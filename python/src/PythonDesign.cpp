#include "PythonDesign.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <variant>

#include "ModuleErrors.h"
#include "app/DesignNoticeMessages.h"
#include "app/DialogEntries.h"
#include "app/DigitalConversionCommand.h"
#include "app/DocumentResults.h"
#include "design/Approximations.h"
#include "design/DigitalDesign.h"
#include "dialogs/DataExchange.h"
#include "dialogs/ParameterDialog.h"
#include "document/DesignWindowFile.h"
#include "platform/CLocale.h"
#include "text/Message.h"
#include "text/Texts.h"

namespace vorna::python {

namespace {

const std::array<const char*, 4> kKindNames{"lp", "hp", "bp", "be"};

const char* RuleName(DesignRule rule) {
    switch (rule) {
        case DesignRule::EntryOutOfRange:
            return "entry_out_of_range";
        case DesignRule::AttsBelowAttp:
            return "atts_below_attp";
        case DesignRule::RippleNotPositive:
            return "ripple_not_positive";
        case DesignRule::XsNotAboveOne:
            return "xs_not_above_one";
        case DesignRule::FrequencyNotPositive:
            return "frequency_not_positive";
        case DesignRule::FrequencyOutOfRange:
            return "frequency_out_of_range";
        case DesignRule::BandEdgesReversed:
            return "band_edges_reversed";
        case DesignRule::XsNotBelowBandLimit:
            return "xs_not_below_band_limit";
        case DesignRule::OrderAboveLimit:
            return "order_above_limit";
        case DesignRule::NotComputable:
            return "not_computable";
    }
    return "not_computable";
}

std::optional<std::string> FieldName(DesignField field, bool byOrder) {
    switch (field) {
        case DesignField::None:
            return std::nullopt;
        case DesignField::Fp:
            return byOrder ? "fc" : "fp";
        case DesignField::Fp1:
            return "fp1";
        case DesignField::Fp2:
            return "fp2";
        case DesignField::Attp:
            return "attp";
        case DesignField::Atts:
            return "atts";
        case DesignField::Xs:
            return "xs";
        case DesignField::Order:
            return "order";
    }
    return std::nullopt;
}

// A keyword entry: its name, the dialog edit it stands for and the range the dialog accepts
// (frequencies are checked by the design API, in Hz).
struct EntryKeyword {
    const char* name;
    std::optional<double> DesignRequest::*value;
    int edit;
    double minimum;
    double maximum;
    double DesignSpec::*target;
};

const std::array<EntryKeyword, 7> kEntryKeywords{{
    {"fp", &DesignRequest::fp, kFpValueEdit, 0, 0, &DesignSpec::fp},
    {"fc", &DesignRequest::fc, kFcValueEdit, 0, 0, &DesignSpec::fp},
    {"fp1", &DesignRequest::fp1, kFp1ValueEdit, 0, 0, &DesignSpec::fp1},
    {"fp2", &DesignRequest::fp2, kFp2ValueEdit, 0, 0, &DesignSpec::fp2},
    {"attp", &DesignRequest::attp, kAttpEdit, 0, kMaxAttp, &DesignSpec::attp},
    {"atts", &DesignRequest::atts, kAttsEdit, 0, kMaxAtts, &DesignSpec::atts},
    {"xs", &DesignRequest::xs, kXsEdit, 1, kMaxXs, &DesignSpec::xs},
}};

std::string ProcedureText(const ParameterDialogSpec& procedure) {
    return "the " + KindName(static_cast<int>(procedure.kind)) + " design " +
           (procedure.byOrder ? "by order" : "by specification");
}

[[noreturn]] void RefuseEntry(const char* name, double minimum, double maximum,
                              const std::string& message) {
    throw DesignFailure(message, "entry_out_of_range", name, minimum, maximum);
}

// The design the request asks for: the dialog's entries with the keywords over them.
DesignSpec SpecOf(const DesignRequest& request, DesignDocument& doc) {
    const ParameterDialogSpec& procedure = DesignProcedureFor(
        *FilterKindOf(doc.kind), *ApproximationOf(doc.approximation), doc.byOrder);
    DesignSpec spec = std::get<DesignSpec>(DialogEntries(doc, procedure).Read());
    for (const EntryKeyword& keyword : kEntryKeywords) {
        const std::optional<double>& value = request.*keyword.value;
        if (!value) continue;
        if (!procedure.Has(keyword.edit))
            throw std::invalid_argument(std::string(keyword.name) + ": " +
                                        ProcedureText(procedure) + " has no such entry");
        if (keyword.maximum > 0 && !(*value >= keyword.minimum && *value <= keyword.maximum))
            RefuseEntry(keyword.name, keyword.minimum, keyword.maximum,
                        MessageText(NumberRangeMessage(keyword.minimum, keyword.maximum)));
        spec.*keyword.target = *value;
    }
    if (request.order) {
        if (!procedure.Has(kOrderEdit))
            throw std::invalid_argument("order: " + ProcedureText(procedure) +
                                        " has no such entry");
        if (*request.order < kMinOrderEntry || *request.order > kMaxOrderEntry)
            RefuseEntry("order", kMinOrderEntry, kMaxOrderEntry,
                        MessageText(IntegerRangeMessage(kMinOrderEntry, kMaxOrderEntry)));
        spec.order = *request.order;
    }
    return spec;
}

// The message of a refusal: the dialog's, or for the refusals the dialogs make without one,
// what was wrong.
std::string RefusalText(const DesignRefusal& refusal) {
    if (const auto message = RefusalMessage(refusal)) return MessageText(*message);
    const std::string entered = Format("%.15g", refusal.maximum);
    if (refusal.rule == DesignRule::XsNotAboveOne)
        return "Xs must be greater than 1 (it was " + entered + ")";
    return "Xs must be below the band-eliminate limit √(Fp2/Fp1) = " +
           Format("%.15g", refusal.minimum) + " (it was " + entered + ")";
}

}  // namespace

std::string KindName(int kind) {
    const int index = kind - kLowPass;
    if (index < 0 || index >= static_cast<int>(kKindNames.size())) return "";
    return kKindNames[static_cast<std::size_t>(index)];
}

std::string ApproximationName(int approximation) {
    const auto id = ApproximationOf(approximation);
    return id ? std::string(ApproximationRowOf(*id).optionName) : std::string();
}

std::vector<std::string> KindNames() {
    return {kKindNames.begin(), kKindNames.end()};
}

std::vector<std::string> ApproximationNames() {
    std::vector<std::string> names;
    for (const ApproximationRow& row : Approximations()) names.emplace_back(row.optionName);
    return names;
}

PythonDesign::PythonDesign(const DesignRequest& request) : request_(request) {
    DesignDocument& doc = window_->doc;
    int kind = 0;
    for (std::size_t i = 0; i < kKindNames.size(); ++i)
        if (request.kind == kKindNames[i]) kind = kLowPass + static_cast<int>(i);
    if (kind == 0)
        throw std::invalid_argument("kind: \"" + request.kind + "\" is none of lp, hp, bp, be");
    const auto approximation = ApproximationOfName(request.approximation);
    if (!approximation) {
        std::string names;
        for (const std::string& name : ApproximationNames())
            names += (names.empty() ? "" : ", ") + name;
        throw std::invalid_argument("approximation: \"" + request.approximation + "\" is none of " +
                                    names);
    }
    if (request.reference && *request.reference != 0 && *request.reference != 1)
        throw std::invalid_argument("reference: the reference mode is 0 or 1");
    doc.kind = kind;
    doc.approximation = static_cast<int>(*approximation);
    doc.byOrder = request.byOrder || request.order;
    if (request.reference) doc.referenceMode = *request.reference;
    if (request.besselNorm) {
        const std::optional<BesselNorm> norm = BesselNormOfName(*request.besselNorm);
        if (!norm)
            throw std::invalid_argument("bessel_norm: \"" + *request.besselNorm +
                                        "\" is none of mag, delay, phase");
        if (*approximation != Approximation::Bessel)
            throw std::invalid_argument("bessel_norm: the design is not a Bessel design");
        doc.besselNorm = *norm;
    }

    const DesignSpec spec = SpecOf(request, doc);
    const DesignOutcome outcome = DesignFilter(spec, doc.figures);
    for (const DesignNotice notice : outcome.notices)
        notices_.emplace_back(Text(NoticeMessage(notice)));
    if (outcome.Refused()) {
        const DesignRefusal& refusal = outcome.Refusal();
        std::optional<double> minimum, maximum;
        if (refusal.rule != DesignRule::FrequencyNotPositive &&
            refusal.rule != DesignRule::NotComputable) {
            minimum = refusal.minimum;
            maximum = refusal.maximum;
        }
        throw DesignFailure(RefusalText(refusal), RuleName(refusal.rule),
                            FieldName(refusal.field, spec.ByOrder()), minimum, maximum);
    }
    doc.TakeOver(spec, EntriesKept::All, outcome.Designed().figures);
    RecomputeResults(window_->view, doc);
}

std::unique_ptr<PythonDesign> PythonDesign::Load(const std::string& path) {
    std::unique_ptr<PythonDesign> design(new PythonDesign());
    DesignView& view = design->window_->view;
    if (const auto problem = OpenDesignFile(path, view)) throw FileFailure(MessageText(*problem));
    design->settings_ = CaptureSettings(view);
    if (view.convertedToDigital) {
        // The module's design is the analog one; its digital filter is made again on request.
        design->fileSampling_ = view.samplingFrequency;
        RecomputeResults(view, design->window_->doc);
    }
    return design;
}

std::unique_ptr<DesignWindow> PythonDesign::Copy() const {
    if (request_) return std::move(PythonDesign(*request_).window_);
    auto copy = std::make_unique<DesignWindow>();
    if (const auto problem = ApplySettings(*settings_, copy->view)) throw FileFailure(*problem);
    if (copy->view.convertedToDigital) RecomputeResults(copy->view, copy->doc);
    return copy;
}

void PythonDesign::Save(const std::string& path) const {
    if (const auto problem = SaveDesignFile(path, window_->view))
        throw FileFailure(MessageText(*problem));
}

analysis::Cascade PythonDesign::AnalogCascade() const {
    return analysis::CascadeIn(window_->view, window_->doc.kind, analysis::Domain::Analog, 0);
}

PythonDigitalDesign::PythonDigitalDesign(const PythonDesign& design, double samplingFrequency)
    : kind_(design.Document().kind), samplingFrequency_(samplingFrequency) {
    const DesignDocument& doc = design.Document();
    const double limit = SamplingFrequencyLowerLimit(doc);
    if (!(samplingFrequency >= limit && samplingFrequency > 0 && std::isfinite(samplingFrequency)))
        throw DesignFailure("the sampling frequency " + Format("%.15g", samplingFrequency) +
                                " Hz is below the lower limit of this design, " +
                                Format("%.15g", limit) + " Hz (twice its highest frequency)",
                            "sampling_below_limit", "fs_hz", limit, std::nullopt);
    const DigitalOutcome outcome =
        ConvertResults(doc.Spec(), doc.figures, design.View(), samplingFrequency);
    const auto* digital = std::get_if<DesignResults>(&outcome);
    if (digital == nullptr)
        throw DesignFailure(MessageText(TextId::ConversionNotComputable), "not_computable",
                            "fs_hz");
    results_ = *digital;
}

analysis::Cascade PythonDigitalDesign::DigitalCascade() const {
    return analysis::CascadeIn(results_, kind_, analysis::Domain::Digital, 1 / samplingFrequency_);
}

}  // namespace vorna::python
