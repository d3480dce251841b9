#include "DesignOptions.h"

#include <array>
#include <cmath>
#include <map>
#include <stdexcept>
#include <vector>

#include "app/DesignNoticeMessages.h"
#include "app/DocumentResults.h"
#include "circuit/EngValue.h"
#include "design/Approximations.h"
#include "dialogs/DataExchange.h"
#include "dialogs/ParameterDialog.h"
#include "document/DesignWindowFile.h"
#include "platform/CLocale.h"
#include "platform/MessageText.h"

namespace vorna::cli {

namespace {

const std::array<std::string, 4> kKindNames{"lp", "hp", "bp", "be"};

int IndexOf(const std::array<std::string, 4>& names, const std::string& name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) return static_cast<int>(i);
    }
    return -1;
}

// An entry option, the edit (and unit combo) of the parameter dialogs it stands for, and the
// field of the design it fills.
struct EntryOption {
    const char* name;
    std::optional<std::string> DesignOptions::*value;
    int edit;
    int unitCombo;  // 0 for plain numbers
    DesignField field;
};

const std::array<EntryOption, 8> kEntryOptions{{
    {"--fp", &DesignOptions::fp, kFpValueEdit, kFpUnitCombo, DesignField::Fp},
    {"--fc", &DesignOptions::fc, kFcValueEdit, kFpUnitCombo, DesignField::Fp},
    {"--fp1", &DesignOptions::fp1, kFp1ValueEdit, kFp1UnitCombo, DesignField::Fp1},
    {"--fp2", &DesignOptions::fp2, kFp2ValueEdit, kFp2UnitCombo, DesignField::Fp2},
    {"--attp", &DesignOptions::attp, kAttpEdit, 0, DesignField::Attp},
    {"--atts", &DesignOptions::atts, kAttsEdit, 0, DesignField::Atts},
    {"--xs", &DesignOptions::xs, kXsEdit, 0, DesignField::Xs},
    {"--order", &DesignOptions::order, kOrderEdit, 0, DesignField::Order},
}};

const EntryOption& OptionOfEdit(int edit) {
    for (const auto& entry : kEntryOptions) {
        if (entry.edit == edit) return entry;
    }
    throw std::logic_error("an entry without an option");
}

const char* OptionOfField(DesignField field, bool byOrder) {
    if (field == DesignField::Fp) return byOrder ? "--fc" : "--fp";
    for (const auto& entry : kEntryOptions) {
        if (entry.field == field) return entry.name;
    }
    return nullptr;
}

// A refusal's text, naming the option of its field.
std::string Naming(const char* option, const std::string& text) {
    return option == nullptr ? text : std::string(option) + ": " + text;
}

const char* ProcedureName(const ParameterDialogSpec& spec) {
    static const std::array<const char*, 4> kinds{"low-pass", "high-pass", "band-pass",
                                                  "band-eliminate"};
    return kinds[static_cast<std::size_t>(static_cast<int>(spec.kind) - kLowPass)];
}

// The filter selection of the options over the document's.
void SelectFilter(const DesignOptions& options, CKorvelDoc& doc) {
    if (options.kind) doc.kind = kLowPass + IndexOf(kKindNames, *options.kind);
    if (options.approximation) {
        doc.approximation = static_cast<int>(*ApproximationOfName(*options.approximation));
    }
    if (options.byOrder || options.order) doc.byOrder = 1;
    if (options.reference) doc.referenceMode = *options.reference;
}

// The parameter entries as a user leaves them in the procedure's dialog: the document's
// values as the dialog shows them, with the options typed over them, read back and checked
// as the dialog reads them.
class ParameterEntries {
public:
    ParameterEntries(CKorvelDoc& doc, const ParameterDialogSpec& procedure)
        : doc_(doc), procedure_(procedure), xsLimit_(std::sqrt(doc.fp2 / doc.fp1)) {
        const auto shown = [&doc](double hz, int unit) {
            return FormatFieldDouble(HzToUnit(hz, unit));
        };
        texts_[kFpValueEdit] = shown(doc.fp, doc.unitFp);
        texts_[kFcValueEdit] = texts_[kFpValueEdit];
        texts_[kFp1ValueEdit] = shown(doc.fp1, doc.unitFp1);
        texts_[kFp2ValueEdit] = shown(doc.fp2, doc.unitFp2);
        units_[kFpUnitCombo] = doc.unitFp;
        units_[kFp1UnitCombo] = doc.unitFp1;
        units_[kFp2UnitCombo] = doc.unitFp2;
        if (procedure.attp == AttpEntry::Shown3dB)
            texts_[kAttpEdit] = FormatFieldDouble(kThreeDecibels);
        if (procedure.attp == AttpEntry::Ripple)
            texts_[kAttpEdit] = FormatFieldDouble(doc.InitialRipple());
        texts_[kAttsEdit] = FormatFieldDouble(doc.atts);
        texts_[kXsEdit] = FormatFieldDouble(doc.xs);
        texts_[kOrderEdit] = std::to_string(doc.order);
    }

    void Type(const DesignOptions& options) {
        for (const auto& entry : kEntryOptions) {
            const auto& value = options.*entry.value;
            if (!value) continue;
            if (!procedure_.Has(entry.edit)) {
                throw CliRefusal(
                    std::string(entry.name) + ": the " + ProcedureName(procedure_) + " design " +
                    (procedure_.byOrder ? "by order" : "by specification") + " (dialog " +
                    std::to_string(procedure_.id) + ") has no such entry");
            }
            if (entry.unitCombo != 0) {
                const FrequencyText split = SplitFrequencyOption(entry.name, *value);
                units_[entry.unitCombo] = UnitIndex(split.unit);
                if (entry.unitCombo != kFpUnitCombo) UpdateXsLimit();
                SetText(entry.edit, split.number);
            } else {
                SetText(entry.edit, *value);
            }
        }
    }

    // The design the entries ask for; throws CliRefusal for an entry the dialog refuses.
    DesignSpec Read() const {
        DesignSpec spec = doc_.Spec();
        double fpValue = 0;
        double fp1Value = 0;
        double fp2Value = 0;
        for (const int control : procedure_.exchangeOrder) {
            switch (control) {
                case kFpValueEdit:
                case kFcValueEdit:
                    fpValue = Number(control, 0, kMaxFrequencyNumber);
                    break;
                case kFp1ValueEdit:
                    fp1Value = Number(control, 0, kMaxFrequencyNumber);
                    break;
                case kFp2ValueEdit:
                    fp2Value = Number(control, 0, kMaxFrequencyNumber);
                    break;
                case kAttpEdit:
                    spec.attp = Number(control, 0, kMaxAttp);
                    break;
                case kAttsEdit:
                    spec.atts = Number(control, 0, kMaxAtts);
                    break;
                case kXsEdit:
                    spec.xs = Number(control, 1,
                                     procedure_.xsLimit == XsLimit::Bounds ? xsLimit_ : kMaxXs);
                    break;
                case kOrderEdit:
                    spec.order = Integer(control, kMinOrderEntry, kMaxOrderEntry);
                    break;
                default:
                    break;
            }
        }
        if (procedure_.attp == AttpEntry::Hidden3dB) spec.attp = kThreeDecibels;
        if (IsBand(spec.kind)) {
            spec.fp1 = UnitToHz(fp1Value, units_.at(kFp1UnitCombo));
            spec.fp2 = UnitToHz(fp2Value, units_.at(kFp2UnitCombo));
        } else {
            spec.fp = UnitToHz(fpValue, units_.at(kFpUnitCombo));
        }
        return spec;
    }

private:
    static int UnitIndex(const std::string& unit) {
        for (std::size_t i = 0; i < kFrequencyUnits.size(); ++i) {
            if (unit == kFrequencyUnits[i].suffix) return static_cast<int>(i);
        }
        return -1;
    }

    void SetText(int edit, const std::string& text) {
        if (texts_[edit] == text) return;
        texts_[edit] = text;
        const bool bandEdge = edit == kFp1ValueEdit || edit == kFp2ValueEdit ||
                              (procedure_.id == 506 && edit == kXsEdit);
        if (bandEdge) UpdateXsLimit();
    }

    // The band-eliminate dialogs compute the limit of Xs again from the band edges as typed.
    void UpdateXsLimit() {
        if (procedure_.xsLimit == XsLimit::None) return;
        if (const auto limit = XsLimitOfTypedEdges(texts_[kFp1ValueEdit], units_[kFp1UnitCombo],
                                                   texts_[kFp2ValueEdit], units_[kFp2UnitCombo]))
            xsLimit_ = *limit;
    }

    double Number(int edit, double minimum, double maximum) const {
        double value = 0;
        if (!ParseFieldDouble(texts_.at(edit), value)) Refuse(edit, kEnterNumber);
        if (value < minimum || value > maximum) Refuse(edit, NumberRangeMessage(minimum, maximum));
        return value;
    }

    int Integer(int edit, int minimum, int maximum) const {
        int value = 0;
        if (!ParseFieldInt(texts_.at(edit), value)) Refuse(edit, kEnterInteger);
        if (value < minimum || value > maximum) Refuse(edit, IntegerRangeMessage(minimum, maximum));
        return value;
    }

    [[noreturn]] static void Refuse(int edit, const std::string& message) {
        throw CliRefusal(Naming(OptionOfEdit(edit).name, message));
    }

    CKorvelDoc& doc_;
    const ParameterDialogSpec& procedure_;
    std::map<int, std::string> texts_;
    std::map<int, int> units_;
    double xsLimit_;
};

// The text of a refused design: the notices before it and its message, or the reason of a
// refusal that the dialogs make without one.
std::string RefusalText(const CKorvelDoc& doc, const DesignRefusal& refusal,
                        const std::vector<std::string>& notices) {
    const char* option = OptionOfField(refusal.field, doc.byOrder != 0);
    std::vector<std::string> lines = notices;
    if (const auto message = RefusalMessage(refusal)) lines.push_back(Naming(option, *message));
    if (lines.empty()) {
        const std::string entered = Format("%.15g", refusal.maximum);
        lines.push_back(Naming(
            option, refusal.rule == DesignRule::XsNotAboveOne
                        ? "Xs must be greater than 1 (it was " + entered + ")"
                        : "Xs must be below the band-eliminate limit √(Fp2/Fp1) = " +
                              Format("%.15g", refusal.minimum) + " (it was " + entered + ")"));
    }
    std::string text;
    for (const auto& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

// Designs the document's filter with the options' entries, as command 600 does.
void DesignWithOptions(const DesignOptions& options, DesignWindow& window, CliUi& ui) {
    CKorvelDoc& doc = window.doc;
    SelectFilter(options, doc);
    const std::optional<FilterKind> kind = FilterKindOf(doc.kind);
    const std::optional<Approximation> approximation = ApproximationOf(doc.approximation);
    if (!kind || !approximation) throw CliRefusal("the design file names no filter");
    const ParameterDialogSpec& procedure =
        DesignProcedureFor(*kind, *approximation, doc.byOrder != 0);
    ParameterEntries entries(doc, procedure);
    entries.Type(options);
    const DesignSpec spec = entries.Read();
    const DesignOutcome outcome = DesignFilter(spec, doc.Figures());
    const std::size_t noticesFrom = ui.messages.size();
    ShowDesignNotices(ui, outcome.notices);
    if (outcome.Refused()) {
        const std::vector<std::string> notices(ui.messages.begin() + static_cast<long>(noticesFrom),
                                               ui.messages.end());
        throw CliRefusal(RefusalText(doc, outcome.refusal(), notices));
    }
    doc.TakeOver(spec, EntriesKept::All, outcome.design().figures);
    RecomputeResults(window.view, doc);
}

}  // namespace

FrequencyText SplitFrequencyOption(const std::string& option, const std::string& text) {
    const char* start = text.c_str();
    const char* end = nullptr;
    StrToD(start, &end);
    const std::string number(start, end);
    const std::string unit(end);
    const bool plainNumber = !number.empty() && number.find_first_of("xXnNiI") == std::string::npos;
    if (plainNumber && unit.empty()) return {number, "Hz"};
    if (plainNumber) {
        for (const auto& entry : kFrequencyUnits) {
            if (unit == entry.suffix) return {number, unit};
        }
    }
    throw CliRefusal(
        option + ": \"" + EchoedText(text) +
        "\" is not a frequency (a number with an optional unit mHz, Hz, KHz, Meg or GHz)");
}

void DesignOptions::AddTo(CLI::App& verb) {
    verb.add_option("--kind", kind, "Filter kind")->check(CLI::IsMember({"lp", "hp", "bp", "be"}));
    std::vector<std::string> approximationNames;
    for (const ApproximationRow& row : Approximations())
        approximationNames.emplace_back(row.optionName);
    verb.add_option("--approx", approximation, "Approximation")
        ->check(CLI::IsMember(approximationNames));
    verb.add_flag("--by-order", byOrder, "Design from an order (with the order the dialog shows)");
    verb.add_option("--order", order, "Design from this order (2 to 58)");
    verb.add_option("--fp", fp, "Pass-band edge Fp (LP/HP), e.g. 1.5KHz; no unit means Hz");
    verb.add_option("--fc", fc, "Cut-off frequency Fc (LP/HP by order)");
    verb.add_option("--fp1", fp1, "Lower band edge Fp1 (BP/BE)");
    verb.add_option("--fp2", fp2, "Upper band edge Fp2 (BP/BE)");
    verb.add_option("--attp", attp, "Pass-band attenuation or ripple attp, dB");
    verb.add_option("--atts", atts, "Stop-band attenuation atts, dB");
    verb.add_option("--xs", xs, "Stop-band ratio Xs");
    verb.add_option("--reference", reference, "Reference mode")->check(CLI::IsMember({0, 1}));
    verb.add_option("--load", load,
                    "Start from this design file (.vorna); the other options override its values");
}

std::unique_ptr<DesignWindow> RunDesignCommand(const DesignOptions& options, CliUi& ui) {
    auto window = std::make_unique<DesignWindow>();
    if (options.load) {
        if (const auto problem = OpenDesignFile(*options.load, window->view))
            throw CliRefusal(*problem);
        window->digitalInFile = window->view.convertedToDigital != 0;
    }
    DesignWithOptions(options, *window, ui);
    return window;
}

}  // namespace vorna::cli
