#pragma once
// The design options shared by every verb that makes a design: they choose the filter and
// give the entries of its parameter dialog (500..519), read and checked as the dialog reads
// them; options left out keep what the dialog shows. A verb adds them to its subcommand and
// designs with them in a fresh document window through the design API.

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <string>

#include "CliUi.h"
#include "app/DesignDocument.h"
#include "view/DesignView.h"

namespace vorna::cli {

// One document window: the document and its view.
struct DesignWindow {
    DesignDocument doc;
    DesignView view{doc};
    // The design file it was loaded from showed the digital filter.
    bool digitalInFile = false;
};

struct DesignOptions {
    std::optional<std::string> kind;           // lp, hp, bp, be
    std::optional<std::string> approximation;  // an approximation's option name
    std::optional<std::string> besselNorm;     // mag, delay, phase
    bool byOrder = false;
    std::optional<std::string> order;
    std::optional<std::string> fp, fc, fp1, fp2;  // number with an optional unit
    std::optional<std::string> attp, atts, xs;
    std::optional<int> reference;
    std::optional<std::string> load;  // design file whose values the options override
    // A Bessel low-pass by group delay: the delay at DC (s), the frequency up to which it
    // holds and by how many percent it may fall there.
    std::optional<std::string> groupDelay, delayTo, delayTolerance;

    void AddTo(CLI::App& verb);
};

// A number with an optional frequency unit, as typed into an option ("1.5KHz", "20",
// "3Meg"): the number text and the unit name ("Hz" when none is given). Throws CliRefusal
// for anything else, a number beyond the range of doubles too.
struct FrequencyText {
    std::string number;
    std::string unit;
};
FrequencyText SplitFrequencyOption(const std::string& option, const std::string& text);

// A number option's value; refuses text that is no decimal number or one beyond the range
// of doubles.
double NumberOption(const std::string& option, const std::string& text);

// Designs in a new window with the options' entries, in the window of the design file given
// by --load if any; throws CliRefusal (a bad design file too, and a refused design, naming
// the option of the refused entry) or CliError.
std::unique_ptr<DesignWindow> RunDesignCommand(const DesignOptions& options, CliUi& ui);

}  // namespace vorna::cli
