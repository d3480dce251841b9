#pragma once
// The twenty design procedures, one per parameter entry dialog 500 to 519: which filter
// kind, entry mode and approximations each one serves, how it handles the pass-band
// attenuation, which fields its dialog exchanges in which order, and whether it shows the
// upper limit of Xs of the band-eliminate filters. Every procedure runs the same loop (fill
// the dialog from the document, show it, check, store, compute the order, check the order)
// and differs only by its row.

#include <array>
#include <vector>

#include "design/FilterKinds.h"

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
    kBesselNormCombo = 536,  // the Bessel designs by order: what the cut-off fixes
    // The Bessel low-pass by order: ends the dialog with this code to design by group delay.
    kGroupDelayButton = 537,
};

// How the dialog names its approximation in the top row.
enum class ApproximationCaption {
    Butterworth,  // ParameterButterworth
    Chebyshev,    // ParameterChebyshev
    Named,        // ParameterApproximation and static 526 with the approximation's name
};

// How a procedure handles the pass-band attenuation.
enum class AttpEntry {
    Shown3dB,   // shown as 10·log10 2 every time, whatever the document holds
    Hidden3dB,  // not in the dialog; attp becomes 10·log10 2
    Ripple,     // shown as the document's ripple to propose, which remembers the one entered
};

enum class XsLimit {
    None,
    Shown,  // 533 shows √(Fp2/Fp1); Xs keeps the range 1 to 100
    // 533 shows √(Fp2/Fp1), which is also the upper end of the range of Xs; the procedure
    // refuses, without a message, an Xs not below the limit of the band edges entered.
    Bounds,
};

struct ParameterDialogSpec {
    int id;
    FilterKind kind;
    bool byOrder;
    ApproximationCaption caption;
    AttpEntry attp;
    std::vector<int> exchangeOrder;  // control ids, in the order they are exchanged
    XsLimit xsLimit;

    bool Has(int controlId) const;
    // By specification the Butterworth dialogs serve the approximations whose pass band
    // ends at -3 dB and the dialogs that name their approximation the ripple ones; by order
    // each approximation's row says which dialogs serve it.
    bool Serves(Approximation approximation) const;
};

extern const std::array<ParameterDialogSpec, 20> kParameterDialogs;

// The row of dialog `id` (500..519).
const ParameterDialogSpec& ParameterDialogSpecOf(int id);
// The procedure that designs a filter of `kind` and `approximation`, from its edges or from
// an order.
const ParameterDialogSpec& DesignProcedureFor(FilterKind kind, Approximation approximation,
                                              bool byOrder);

}  // namespace vorna
