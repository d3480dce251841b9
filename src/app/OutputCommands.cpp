// The view's output commands: 630 (OutputChoiceTitle) and 660, which opens a data file.
#include "app/CircuitOutputCommand.h"
#include "app/DocumentShown.h"
#include "app/GainAtFrequency.h"
#include "dialogs/OutputChoiceDialog.h"
#include "output/CircuitOutput.h"
#include "output/OpAmpReplacement.h"
#include "output/TextReports.h"
#include "view/DesignView.h"

namespace vorna {

void DesignView::OnOutput(Ui& ui) {
    OutputChoiceDialog dialog;
    dialog.choice = outputChoice;
    if (dialog.DoModal(ui) != IDOK) return;
    outputChoice = dialog.choice;
    if (outputChoice == kOutputCoefficients || outputChoice == kOutputExchangeOpAmps)
        displayMode = DisplayMode::CoefficientList;
    switch (outputChoice) {
        case kOutputSchematic: {
            CircuitOutput out;
            out.schematicAlwaysMade = static_cast<bool>(onCircuitOutput);
            if (RunCircuitOutput(*this, ui, out) && onCircuitOutput) onCircuitOutput(out, ui);
            break;
        }
        case kOutputCoefficients:
            WriteCoefficientReport(*this, ShownDesignOf(GetDocument()), ui);
            break;
        case kOutputExchangeOpAmps: {
            CircuitOutput out;
            ExchangeOpAmps(out, ui);
            displayMode = DisplayMode::Graph;
            break;
        }
        case kOutputGainAtFrequency:
            ShowGainAtFrequency(*this, ui);
            break;
        case kOutputGainList:
            WriteGainList(*this, ShownDesignOf(GetDocument()), ui);
            break;
        default:
            break;
    }
    Invalidate();
}

void DesignView::OnOpenDataFile(Ui& ui) {
    OpenDataFile(ui);
}

}  // namespace vorna
