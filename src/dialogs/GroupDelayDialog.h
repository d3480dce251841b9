#pragma once
// Dialog 550: the Bessel low-pass design by group delay. It asks for the group delay at DC, the
// frequency up to which the delay holds and the percentage by which it may fall; the design
// procedure finds the order and cut-off from them.

#include "dialogs/Dialog.h"

namespace vorna {

inline constexpr int kGroupDelayDialogId = 550;
inline constexpr int kGroupDelayEdit = 551;
inline constexpr int kDelayToEdit = 552;
inline constexpr int kDelayToleranceEdit = 553;

class GroupDelayDialog : public Dialog {
public:
    GroupDelayDialog();

    double delay = 0;    // s
    double hz = 0;       // Hz
    double percent = 0;  // %

protected:
    void DoDataExchange(DataExchange& dx) override;
};

}  // namespace vorna
