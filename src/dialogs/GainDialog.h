#pragma once
// Dialog 1000: a frequency and the design's gain and phase there. GainCheck (OK) evaluates the
// entered frequency; GainClose (Cancel) closes.

#include <string>

#include "dialogs/Dialog.h"

namespace vorna {

inline constexpr int kGainDialogId = 1000;
inline constexpr int kQueryFrequencyId = 1010;
inline constexpr int kQueryUnitId = 1011;
inline constexpr int kQueryGainId = 1012;
inline constexpr int kQueryPhaseId = 1013;

class GainDialog : public Dialog {
public:
    GainDialog();

    double queryFrequency = 0;
    std::string queryUnit;
    double queryGain = 0;   // dB
    double queryPhase = 0;  // degrees

protected:
    void DoDataExchange(DataExchange& dx) override;
};

}  // namespace vorna
