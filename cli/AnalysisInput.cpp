#include "AnalysisInput.h"

#include "text/Texts.h"

namespace vorna::cli {

void AnalysisInput::AddTo(CLI::App& verb) {
    design.AddTo(verb);
    conversion.AddDigitalTo(verb);
}

std::unique_ptr<DesignWindow> AnalysisInput::Run(CliUi& ui) const {
    auto window = RunDesignCommand(design, ui);
    conversion.Convert(*window);
    return window;
}

analysis::Cascade WindowCascade(const DesignWindow& window) {
    analysis::Cascade cascade =
        analysis::CascadeOf(window.view, window.doc.kind, window.view.samplingPeriod);
    if (!analysis::AllFinite(cascade)) throw CliError(Text(TextId::CliCoefficientsNotFinite));
    return cascade;
}

}  // namespace vorna::cli
