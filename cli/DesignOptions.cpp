#include "DesignOptions.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "circuit/EngValue.h"
#include "dialogs/FilterSelectDialog.h"
#include "dialogs/ParameterDialog.h"
#include "document/DesignWindowFile.h"
#include "platform/CLocale.h"
#include "platform/MessageText.h"

namespace vorna::cli {

namespace {

const std::array<std::string, 4> kKindNames{"lp", "hp", "bp", "be"};
const std::array<std::string, 4> kApproximationNames{"butterworth", "chebyshev", "invchebyshev",
                                                     "elliptic"};

int IndexOf(const std::array<std::string, 4>& names, const std::string& name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) return static_cast<int>(i);
    }
    return -1;
}

// An entry option and the edit (and unit combo) of the parameter dialogs it fills.
struct EntryOption {
    const char* name;
    std::optional<std::string> DesignOptions::*value;
    int edit;
    int unitCombo;  // 0 for plain numbers
};

const std::array<EntryOption, 8> kEntryOptions{{
    {"--fp", &DesignOptions::fp, kFpValueEdit, kFpUnitCombo},
    {"--fc", &DesignOptions::fc, kFcValueEdit, kFpUnitCombo},
    {"--fp1", &DesignOptions::fp1, kFp1ValueEdit, kFp1UnitCombo},
    {"--fp2", &DesignOptions::fp2, kFp2ValueEdit, kFp2UnitCombo},
    {"--attp", &DesignOptions::attp, kAttpEdit, 0},
    {"--atts", &DesignOptions::atts, kAttsEdit, 0},
    {"--xs", &DesignOptions::xs, kXsEdit, 0},
    {"--order", &DesignOptions::order, kOrderEdit, 0},
}};

void SelectItem(Dialog& dialog, int combo, const std::string& item) {
    const auto& items = dialog.Control(combo).items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == item) {
            dialog.UserSelect(combo, static_cast<int>(i));
            return;
        }
    }
    throw CliRefusal("dialog " + std::to_string(dialog.Id()) + " offers no unit \"" +
                     EchoedText(item) + "\"");
}

const char* ProcedureName(const ParameterDialogSpec& spec) {
    static const std::array<const char*, 4> kinds{"low-pass", "high-pass", "band-pass",
                                                  "band-eliminate"};
    return kinds[static_cast<std::size_t>(static_cast<int>(spec.kind) - kLowPass)];
}

void FillParameterDialog(const DesignOptions& options, Dialog& dialog) {
    const auto& spec = static_cast<const ParameterDialog&>(dialog).Spec();
    for (const auto& entry : kEntryOptions) {
        const auto& value = options.*entry.value;
        if (!value) continue;
        if (!spec.Has(entry.edit)) {
            throw CliRefusal(std::string(entry.name) + ": the " + ProcedureName(spec) + " design " +
                             (spec.byOrder ? "by order" : "by specification") + " (dialog " +
                             std::to_string(spec.id) + ") has no such entry");
        }
        if (entry.unitCombo != 0) {
            const FrequencyText split = SplitFrequencyOption(entry.name, *value);
            SelectItem(dialog, entry.unitCombo, split.unit);
            dialog.UserSetText(entry.edit, split.number);
        } else {
            dialog.UserSetText(entry.edit, *value);
        }
    }
    dialog.UserClick(IDOK);
}

// The controls the given entry options fill, each with the option as typed.
CliUi::FieldOptions EntryFields(const DesignOptions& options) {
    CliUi::FieldOptions fields;
    for (const auto& entry : kEntryOptions) {
        const auto& value = options.*entry.value;
        if (!value) continue;
        const std::string typed = std::string(entry.name) + " " + EchoedText(*value);
        fields[entry.edit] = typed;
        if (entry.unitCombo != 0) fields[entry.unitCombo] = typed;
    }
    return fields;
}

std::string SilentRefusalReason(const CKorvelDoc& doc, double xsEntered) {
    if (!(xsEntered > 1))
        return "Xs must be greater than 1 (it was " + Format("%.15g", xsEntered) + ")";
    return "Xs must be below the band-eliminate limit √(Fp2/Fp1) = " +
           Format("%.15g", std::sqrt(doc.fp2 / doc.fp1)) + " (it was " +
           Format("%.15g", xsEntered) + ")";
}

}  // namespace

FrequencyText SplitFrequencyOption(const std::string& option, const std::string& text) {
    const char* start = text.c_str();
    const char* end = nullptr;
    const double value = StrToD(start, &end);
    const std::string number(start, end);
    const std::string unit(end);
    const bool plainNumber = !number.empty() && number.find_first_of("xXnNiI") == std::string::npos;
    const bool knownUnit =
        unit.empty() || std::any_of(kFrequencyUnits.begin(), kFrequencyUnits.end(),
                                    [&unit](const auto& entry) { return unit == entry.suffix; });
    if (plainNumber && knownUnit) {
        if (!std::isfinite(value)) {
            throw CliRefusal(option + ": \"" + EchoedText(text) +
                             "\" is beyond the largest number (" + kLargestNumberText + ")");
        }
        return {number, unit.empty() ? "Hz" : unit};
    }
    throw CliRefusal(
        option + ": \"" + EchoedText(text) +
        "\" is not a frequency (a number with an optional unit mHz, Hz, KHz, Meg or GHz)");
}

void DesignOptions::AddTo(CLI::App& verb) {
    verb.add_option("--kind", kind, "Filter kind")->check(CLI::IsMember({"lp", "hp", "bp", "be"}));
    verb.add_option("--approx", approximation, "Approximation")
        ->check(CLI::IsMember({"butterworth", "chebyshev", "invchebyshev", "elliptic"}));
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

void DesignOptions::AnswerDialogs(CliUi& ui, const DesignWindow& window) const {
    ui.Answer(100, [this](Dialog& dialog) {
        if (kind) dialog.UserClick(kKindRadioFirst + IndexOf(kKindNames, *kind));
        if (approximation)
            dialog.UserClick(kApproximationRadioFirst +
                             IndexOf(kApproximationNames, *approximation));
        if ((byOrder || order) && !dialog.Control(kByOrderCheck).checked)
            dialog.UserClick(kByOrderCheck);
        if (reference) dialog.UserClick(kReferenceRadioFirst + *reference);
        dialog.UserClick(IDOK);
    });
    for (const auto& spec : kParameterDialogs) {
        // The Xs last accepted by the dialog, for explaining a silent refusal.
        auto xsEntered = std::make_shared<double>(0);
        ui.Answer(
            spec.id,
            [this, xsEntered](Dialog& dialog) {
                FillParameterDialog(*this, dialog);
                *xsEntered = static_cast<const ParameterDialog&>(dialog).xs;
            },
            [&window, xsEntered] { return SilentRefusalReason(window.doc, *xsEntered); },
            EntryFields(*this));
    }
}

std::unique_ptr<DesignWindow> RunDesignCommand(const DesignOptions& options, CliUi& ui) {
    auto window = std::make_unique<DesignWindow>();
    if (options.load) {
        if (const auto problem = OpenDesignFile(*options.load, window->view))
            throw CliRefusal(*problem);
        window->digitalInFile = window->view.convertedToDigital != 0;
    }
    options.AnswerDialogs(ui, *window);
    window->view.OnFilterSelect(ui);
    return window;
}

}  // namespace vorna::cli
