#pragma once
// Dialog 300: which graph the view shows (frequency response or pole-zero plot) and how
// many points per decade the response graph computes.

#include "dialogs/Dialog.h"

namespace vorna {

inline constexpr int kGraphDialogId = 300;
inline constexpr int kResponseGraphRadioId = 301;
inline constexpr int kPoleZeroRadioId = 302;
inline constexpr int kGraphPointsId = 2401;
// Points per decade the dialog accepts.
inline constexpr int kMinGraphPoints = 10;
inline constexpr int kMaxGraphPoints = 1000;

class GraphDialog : public Dialog {
public:
    GraphDialog();

    int graphIndex = 0;  // 0 response, 1 pole-zero plot
    int graphPoints = 201;

protected:
    void DoDataExchange(DataExchange& dx) override;
};

}  // namespace vorna
