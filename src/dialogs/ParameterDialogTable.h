#pragma once
// The twenty parameter entry dialogs 500 to 519: which filter kind, entry mode and
// approximations each one serves, which fields it exchanges in which order, and whether it
// shows the upper limit of Xs of the band-eliminate filters.

#include <array>
#include <vector>

namespace vorna {

// Control ids of the parameter dialogs.
enum ParameterControl : int {
    kFpValueEdit = 520,
    kFpUnitCombo = 521,
    kAttpEdit = 522,
    kXsEdit = 523,
    kAttsEdit = 524,
    kApproximationStatic = 526,
    kFp1ValueEdit = 527,
    kFp1UnitCombo = 528,
    kFp2ValueEdit = 530,
    kFp2UnitCombo = 531,
    kXsLimitStatic = 533,
    kOrderEdit = 534,
    kFcValueEdit = 535,
};

// How the dialog names its approximation in the top row.
enum class ApproximationCaption {
    Butterworth,  // "遮断特性　バターワース"
    Chebyshev,    // "遮断特性　チェビシェフ"
    Named,        // "遮断特性" and static 526 with the approximation's name
};

enum class XsLimit {
    None,
    Shown,          // 533 shows √(Fp2/Fp1); Xs keeps the range 1 to 100
    ShownAndRange,  // 533 shows √(Fp2/Fp1), which is also the upper end of the range of Xs
};

struct ParameterDialogSpec {
    int id;
    int kind;  // FilterKind
    bool byOrder;
    ApproximationCaption caption;
    std::vector<int> exchangeOrder;  // control ids, in the order they are exchanged
    XsLimit xsLimit;

    bool Has(int controlId) const;
};

extern const std::array<ParameterDialogSpec, 20> kParameterDialogs;

// The row of dialog `id` (500..519).
const ParameterDialogSpec& ParameterDialogSpecOf(int id);

}  // namespace vorna
