#pragma once
// The design options shared by every verb that makes a design: they choose the filter in
// dialog 100 and fill its parameter dialog (500..519) as a user would; options left out
// keep what the dialog shows. A verb adds them to its subcommand, lets them answer the
// dialogs of its CliUi, and runs command 600 on a fresh document window.

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <string>

#include "CliUi.h"
#include "app/CKorvelDoc.h"
#include "view/CKorvelView.h"

namespace vorna::cli {

// One document window: the document and its view.
struct DesignWindow {
    CKorvelDoc doc;
    CKorvelView view{doc};
    // The design file it was loaded from showed the digital filter.
    bool digitalInFile = false;
};

struct DesignOptions {
    std::optional<std::string> kind;           // lp, hp, bp, be
    std::optional<std::string> approximation;  // butterworth, chebyshev, invchebyshev, elliptic
    bool byOrder = false;
    std::optional<std::string> order;
    std::optional<std::string> fp, fc, fp1, fp2;  // number with an optional unit
    std::optional<std::string> attp, atts, xs;
    std::optional<int> reference;
    std::optional<std::string> load;  // design file whose values the options override

    void AddTo(CLI::App& verb);
    // Answers dialog 100 and the parameter dialogs from the options. `window` is the
    // window the design runs in; its document explains silent refusals.
    void AnswerDialogs(CliUi& ui, const DesignWindow& window) const;
};

// The largest number an option can hold, as refusals name it.
inline constexpr const char* kLargestNumberText = "about 1.8e308";

// A number with an optional frequency unit, as typed into an option ("1.5KHz", "20",
// "3Meg"): the number text and the unit name ("Hz" when none is given). Throws CliRefusal
// for anything else, a number beyond the range of doubles too.
struct FrequencyText {
    std::string number;
    std::string unit;
};
FrequencyText SplitFrequencyOption(const std::string& option, const std::string& text);

// Runs command 600 in a new window with the options' answers, in the window of the design
// file given by --load if any; throws CliRefusal (a bad design file too) or CliError. A
// design whose numbers doubles cannot hold is refused (RequireRepresentable).
std::unique_ptr<DesignWindow> RunDesignCommand(const DesignOptions& options, CliUi& ui);

// Throws CliRefusal when a number of the window's design is not finite. The design
// procedures refuse band edges outside the range doubles can design at; a band too narrow for
// its order can still give an infinite attenuation, and a digital conversion an infinite
// coefficient.
void RequireRepresentable(const DesignWindow& window);

}  // namespace vorna::cli
