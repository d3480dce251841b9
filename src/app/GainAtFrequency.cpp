#include "app/GainAtFrequency.h"

#include <string>

#include "analysis/Response.h"
#include "app/DesignDocument.h"
#include "circuit/EngValue.h"
#include "dialogs/GainDialog.h"
#include "dialogs/UnitEntry.h"
#include "view/BlankView.h"
#include "view/DesignView.h"

namespace vorna {

GainAndPhase GainAndPhaseAt(const DesignView& view, double hz) {
    const analysis::Cascade cascade =
        analysis::CascadeOf(view, view.GetDocument().kind, view.samplingPeriod);
    const analysis::GainPhase response = analysis::GainPhaseAt(cascade, kTwoPi * hz);
    return {response.gainDb, response.phase * 180 / kPi,
            analysis::GroupDelayAt(cascade, kTwoPi * hz)};
}

void ShowGainAtFrequency(DesignView& view, Ui& ui) {
    const BlankView blank(view);
    // Multiplying by 1/(2 pi) gives back the design's round cut-off (2 pi * 1000 / (2 pi)
    // would give 999.9999999999999, shown as "1000" Hz instead of "1" KHz).
    double hz = view.omegaC * view.invTwoPi;
    while (true) {
        GainDialog dialog;
        std::string unit;
        double number = hz;
        SplitFrequency(unit, number);
        view.gainUnitText = unit;
        dialog.queryFrequency = RoundTo4Places(number);
        dialog.queryUnit = unit;
        const GainAndPhase response = GainAndPhaseAt(view, hz);
        dialog.queryGain = RoundTo4Places(response.gainDb);
        dialog.queryPhase = RoundTo4Places(response.phaseDegrees);
        if (dialog.DoModal(ui) != IDOK) break;
        ApplyFrequencyUnit(ui, hz, dialog.queryFrequency, dialog.queryUnit);
    }
}

}  // namespace vorna
