#pragma once
// What the analysis verbs share: the design options, the digital conversion, and the
// design's cascade once the design has run.

#include <CLI/CLI.hpp>

#include "ConversionOptions.h"
#include "DesignOptions.h"
#include "analysis/Cascade.h"

namespace vorna::cli {

struct AnalysisInput {
    DesignOptions design;
    ConversionOptions conversion;

    void AddTo(CLI::App& verb);
    // Runs the design and the conversion; throws CliRefusal or CliError.
    std::unique_ptr<DesignWindow> Run(CliUi& ui) const;
};

// The cascade the window holds, analog or digital; throws CliError when a coefficient is not
// a finite number.
analysis::Cascade WindowCascade(const DesignWindow& window);

}  // namespace vorna::cli
