#pragma once
// Gain and phase of the current design (analog, or digital after a conversion) at a
// frequency the user enters, shown again and again in dialog 1000 until it is closed (GainClose).

namespace vorna {

class DesignView;
class Ui;

struct GainAndPhase {
    double gainDb = 0;
    double phaseDegrees = 0;       // in [-180, 180]
    double groupDelaySeconds = 0;  // -d(phase)/d(omega)
};

// Evaluated at `hz` exactly, digitally when the view holds a digital filter.
GainAndPhase GainAndPhaseAt(const DesignView& view, double hz);

// The dialog loop; starts at the design's cut-off (LP, HP) or centre frequency (BP, BE).
// The view paints nothing while the dialog is open.
void ShowGainAtFrequency(DesignView& view, Ui& ui);

}  // namespace vorna
