#include "DesignOptions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <variant>
#include <vector>

#include "app/DesignNoticeMessages.h"
#include "app/DialogEntries.h"
#include "app/DocumentResults.h"
#include "circuit/EngValue.h"
#include "design/Approximations.h"
#include "design/GroupDelayOrder.h"
#include "dialogs/ParameterDialog.h"
#include "document/DesignWindowFile.h"
#include "platform/CLocale.h"
#include "platform/MessageText.h"
#include "text/Message.h"
#include "text/Texts.h"

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
    constexpr std::array<TextId, 4> kKinds{TextId::CliLowPass, TextId::CliHighPass,
                                           TextId::CliBandPass, TextId::CliBandEliminate};
    return Text(kKinds[static_cast<std::size_t>(static_cast<int>(spec.kind) - kLowPass)]);
}

// The filter selection of the options over the document's.
void SelectFilter(const DesignOptions& options, DesignDocument& doc) {
    if (options.kind) doc.kind = kLowPass + IndexOf(kKindNames, *options.kind);
    if (options.approximation) {
        doc.approximation = static_cast<int>(*ApproximationOfName(*options.approximation));
    }
    if (options.besselNorm) {
        if (doc.approximation != static_cast<int>(Approximation::Bessel))
            throw CliRefusal(Text(TextId::CliBesselNormWithoutBessel));
        doc.besselNorm = *BesselNormOfName(*options.besselNorm);
    }
    if (options.byOrder || options.order) doc.byOrder = 1;
    if (options.reference) doc.referenceMode = *options.reference;
}

int UnitIndex(const std::string& unit) {
    for (std::size_t i = 0; i < kFrequencyUnits.size(); ++i) {
        if (unit == kFrequencyUnits[i].suffix) return static_cast<int>(i);
    }
    return -1;
}

// Types the options' entries into the procedure's entries; throws CliRefusal for an option
// that the procedure has no entry for, or a frequency that is no frequency.
void TypeOptions(const DesignOptions& options, const ParameterDialogSpec& procedure,
                 DialogEntries& entries) {
    for (const auto& entry : kEntryOptions) {
        const auto& value = options.*entry.value;
        if (!value) continue;
        if (!procedure.Has(entry.edit)) {
            throw CliRefusal(MessageText(
                {TextId::CliEntryNotInDesign,
                 {entry.name, ProcedureName(procedure),
                  Text(procedure.byOrder ? TextId::CliByOrder : TextId::CliBySpecification),
                  std::to_string(procedure.id)}}));
        }
        if (entry.unitCombo != 0) {
            const FrequencyText split = SplitFrequencyOption(entry.name, *value);
            entries.Type(entry.edit, split.number, UnitIndex(split.unit));
        } else {
            entries.Type(entry.edit, *value);
        }
    }
}

// The text of a refused design: the notices before it and its message, or the reason of a
// refusal that the dialogs make without one.
std::string RefusalText(const DesignDocument& doc, const DesignRefusal& refusal,
                        const std::vector<std::string>& notices) {
    const char* option = OptionOfField(refusal.field, doc.byOrder != 0);
    std::vector<std::string> lines = notices;
    if (const auto message = RefusalMessage(refusal))
        lines.push_back(Naming(option, MessageText(*message)));
    if (lines.empty()) {
        const std::string entered = Format("%.15g", refusal.maximum);
        lines.push_back(
            Naming(option, refusal.rule == DesignRule::XsNotAboveOne
                               ? MessageText({TextId::CliXsNotAboveOne, {entered}})
                               : MessageText({TextId::CliXsAboveBandEliminateLimit,
                                              {Format("%.15g", refusal.minimum), entered}})));
    }
    std::string text;
    for (const auto& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

// Decimal number text: no hexadecimal, no "inf" or "nan", which the reader also takes.
bool PlainNumber(const std::string& number) {
    return !number.empty() && number.find_first_of("xXnNiI") == std::string::npos;
}

// The options of a design by group delay as the by-order options of the Bessel low-pass
// design with the delay normalisation that meets it.
DesignOptions GroupDelayOptions(const DesignOptions& options) {
    if (!options.groupDelay || !options.delayTo)
        throw CliRefusal(Text(TextId::CliGroupDelayIncomplete));
    const bool otherEntries = options.byOrder || options.order || options.fp || options.fc ||
                              options.fp1 || options.fp2 || options.attp || options.atts;
    const bool otherFilter = (options.kind && *options.kind != "lp") ||
                             (options.approximation && *options.approximation != "bessel") ||
                             (options.besselNorm && *options.besselNorm != "delay");
    if (otherEntries || otherFilter) {
        throw CliRefusal(Text(TextId::CliGroupDelayOtherEntries));
    }
    GroupDelaySpec spec;
    spec.delay = NumberOption("--group-delay", *options.groupDelay);
    const FrequencyText to = SplitFrequencyOption("--delay-to", *options.delayTo);
    spec.hz = NumberOption("--delay-to", to.number) *
              kFrequencyUnits[static_cast<std::size_t>(UnitIndex(to.unit))].factor;
    if (options.delayTolerance)
        spec.percent = NumberOption("--delay-tolerance", *options.delayTolerance);
    const auto found = BesselOrderForGroupDelay(spec);
    if (const auto* refusal = std::get_if<GroupDelayRefusal>(&found)) {
        switch (refusal->rule) {
            case GroupDelayRule::DelayOutOfRange:
                throw CliRefusal(MessageText(
                    {TextId::CliGroupDelayOutOfRange,
                     {Format("%.15g", refusal->minimum), Format("%.15g", refusal->maximum)}}));
            case GroupDelayRule::FrequencyNotPositive:
                throw CliRefusal(Text(TextId::CliDelayToNotPositive));
            case GroupDelayRule::PercentOutOfRange:
                throw CliRefusal(Text(TextId::CliDelayToleranceOutOfRange));
            case GroupDelayRule::OrderAboveLimit:
                throw CliRefusal(Format(Text(TextId::CliDelayOrderAboveLimit),
                                        static_cast<int>(refusal->maximum), spec.percent));
        }
    }
    const GroupDelayOrder& design = std::get<GroupDelayOrder>(found);
    DesignOptions typed = options;
    typed.kind = "lp";
    typed.approximation = "bessel";
    typed.besselNorm = "delay";
    typed.byOrder = true;
    typed.order = std::to_string(design.order);
    // Fc in the largest unit that holds it in the entry's 100000.
    std::size_t unit = 1;
    while (unit + 1 < kFrequencyUnits.size() &&
           design.fc / kFrequencyUnits[unit].factor > kMaxFrequencyNumber)
        ++unit;
    typed.fc =
        Format("%.17g", design.fc / kFrequencyUnits[unit].factor) + kFrequencyUnits[unit].suffix;
    typed.groupDelay.reset();
    typed.delayTo.reset();
    typed.delayTolerance.reset();
    return typed;
}

// Designs the document's filter with the options' entries, as command 600 does.
void DesignWithOptions(const DesignOptions& given, DesignWindow& window, CliUi& ui) {
    const bool byGroupDelay = given.groupDelay || given.delayTo || given.delayTolerance;
    const DesignOptions options = byGroupDelay ? GroupDelayOptions(given) : given;
    DesignDocument& doc = window.doc;
    SelectFilter(options, doc);
    const std::optional<FilterKind> kind = FilterKindOf(doc.kind);
    const std::optional<Approximation> approximation = ApproximationOf(doc.approximation);
    if (!kind || !approximation) throw CliRefusal(Text(TextId::CliDesignFileNamesNoFilter));
    const ParameterDialogSpec& procedure =
        DesignProcedureFor(*kind, *approximation, doc.byOrder != 0);
    DialogEntries entries(doc, procedure);
    TypeOptions(options, procedure, entries);
    const auto read = entries.Read();
    if (const auto* refused = std::get_if<DialogEntries::Refused>(&read)) {
        // An entry the dialog refuses is named as typed, or by its option when the design
        // file gave it.
        const EntryOption& entry = OptionOfEdit(refused->edit);
        const auto& typed = options.*entry.value;
        const std::string named =
            typed ? std::string(entry.name) + " " + EchoedText(*typed) : entry.name;
        throw CliRefusal(Naming(named.c_str(), MessageText(refused->message)));
    }
    const DesignSpec& spec = std::get<DesignSpec>(read);
    const DesignOutcome outcome = DesignFilter(spec, doc.figures);
    const std::size_t noticesFrom = ui.messages.size();
    ShowDesignNotices(ui, outcome.notices);
    if (outcome.Refused()) {
        const std::vector<std::string> notices(ui.messages.begin() + static_cast<long>(noticesFrom),
                                               ui.messages.end());
        throw CliRefusal(RefusalText(doc, outcome.Refusal(), notices));
    }
    doc.TakeOver(spec, EntriesKept::All, outcome.Designed().figures);
    RecomputeResults(window.view, doc);
}

}  // namespace

FrequencyText SplitFrequencyOption(const std::string& option, const std::string& text) {
    const char* start = text.c_str();
    const char* end = nullptr;
    const double value = StrToD(start, &end);
    const std::string number(start, end);
    const std::string unit(end);
    const bool plainNumber = PlainNumber(number);
    const bool knownUnit =
        unit.empty() || std::any_of(kFrequencyUnits.begin(), kFrequencyUnits.end(),
                                    [&unit](const auto& entry) { return unit == entry.suffix; });
    if (plainNumber && knownUnit) {
        if (!std::isfinite(value)) {
            throw CliRefusal(
                MessageText({TextId::CliBeyondLargestNumber,
                             {option, EchoedText(text), Text(TextId::CliLargestNumber)}}));
        }
        return {number, unit.empty() ? "Hz" : unit};
    }
    throw CliRefusal(MessageText({TextId::CliNotAFrequency, {option, EchoedText(text)}}));
}

double NumberOption(const std::string& option, const std::string& text) {
    const char* end = nullptr;
    const double value = StrToD(text.c_str(), &end);
    if (!PlainNumber(text) || end != text.c_str() + text.size())
        throw CliRefusal(MessageText({TextId::CliNotANumber, {option, EchoedText(text)}}));
    if (std::isinf(value)) {
        throw CliRefusal(MessageText({TextId::CliBeyondLargestNumber,
                                      {option, EchoedText(text), Text(TextId::CliLargestNumber)}}));
    }
    return value;
}

void DesignOptions::AddTo(CLI::App& verb) {
    verb.add_option("--kind", kind, Text(TextId::CliKindHelp))
        ->check(CLI::IsMember({"lp", "hp", "bp", "be"}));
    std::vector<std::string> approximationNames;
    for (const ApproximationRow& row : Approximations())
        approximationNames.emplace_back(row.optionName);
    verb.add_option("--approx", approximation, Text(TextId::CliApproximationHelp))
        ->check(CLI::IsMember(approximationNames));
    verb.add_option("--bessel-norm", besselNorm, Text(TextId::CliBesselNormHelp))
        ->check(CLI::IsMember({"mag", "delay", "phase"}));
    verb.add_flag("--by-order", byOrder, Text(TextId::CliByOrderHelp));
    verb.add_option("--order", order, Text(TextId::CliOrderHelp));
    verb.add_option("--fp", fp, Text(TextId::CliFpHelp));
    verb.add_option("--fc", fc, Text(TextId::CliFcHelp));
    verb.add_option("--fp1", fp1, Text(TextId::CliFp1Help));
    verb.add_option("--fp2", fp2, Text(TextId::CliFp2Help));
    verb.add_option("--attp", attp, Text(TextId::CliAttpHelp));
    verb.add_option("--atts", atts, Text(TextId::CliAttsHelp));
    verb.add_option("--xs", xs, Text(TextId::CliXsHelp));
    verb.add_option("--reference", reference, Text(TextId::CliReferenceHelp))
        ->check(CLI::IsMember({0, 1}));
    verb.add_option("--group-delay", groupDelay, Text(TextId::CliGroupDelayHelp));
    verb.add_option("--delay-to", delayTo, Text(TextId::CliDelayToHelp));
    verb.add_option("--delay-tolerance", delayTolerance, Text(TextId::CliDelayToleranceHelp));
    verb.add_option("--load", load, Text(TextId::CliLoadHelp));
}

std::unique_ptr<DesignWindow> RunDesignCommand(const DesignOptions& options, CliUi& ui) {
    auto window = std::make_unique<DesignWindow>();
    if (options.load) {
        if (const auto problem = OpenDesignFile(*options.load, window->view))
            throw CliRefusal(MessageText(*problem));
        window->digitalInFile = window->view.convertedToDigital != 0;
    }
    DesignWithOptions(options, *window, ui);
    return window;
}

}  // namespace vorna::cli
