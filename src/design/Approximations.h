#pragma once
// The approximations, one row each: the id that users and files see, the names, the
// low-pass prototype, how a specification selects the order and how a design is finished
// (normalisation and the figures reached), whether the prototype has finite transmission
// zeros and is normalised at its stop-band edge, the entries its dialogs show and its order
// limits. A new approximation is
// its prototype's file, its design steps and one row here (plus its dialog texts).
//
// Ids: 111..114 are taken by the approximations below, 115 by the filter selection's
// by-order check box; the next approximations take 116 and 117.

#include <optional>
#include <span>
#include <string_view>

#include "design/FilterKinds.h"
#include "design/LowPassPrototype.h"

namespace vorna {

struct DesignWork;
struct SectionRequest;
struct SectionOutcome;

// How the parameter dialogs take the pass-band attenuation.
enum class PassbandEntry {
    ThreeDecibels,  // the -3 dB point: 10·log10 2, editable only by specification (LP, HP)
    Ripple,         // a ripple above 0 dB, remembered for the next design
};

// Which parameter dialogs a design by order uses: the approximation's own (named in the
// title) or the shared ones that name their approximation in a field.
enum class OrderDialogs { Butterworth, Chebyshev, Named };

struct ApproximationRow {
    Approximation id;
    std::string_view name;        // as the dialogs and the summary show it
    std::string_view optionName;  // as the command line takes it
    bool finiteZeros;
    // Normalised at the stop-band edge: band designs transform with the stop band's width.
    bool stopbandNormalised;
    PassbandEntry passband;
    OrderDialogs orderDialogs;
    int minOrder;
    int maxOrder;
    LowPassPrototype (*prototype)(const SectionRequest&, SectionOutcome&);
    // The order of a specification (false when refused); the figures of a design by
    // specification and by order once its order is known.
    bool (*specifiedOrder)(DesignWork&);
    void (*finishSpecified)(DesignWork&);
    void (*finishOrdered)(DesignWork&);
};

std::span<const ApproximationRow> Approximations();
// The row of `id`; the rows cover every Approximation.
const ApproximationRow& ApproximationRowOf(Approximation id);
// The approximation of a stored id or command-line name; empty for one that names none.
std::optional<Approximation> ApproximationOfName(std::string_view optionName);
// The position of a stored id among the rows (the filter selection's radio button), -1
// for an id that names none; the id at a position, 0 for a position without a row.
int ApproximationIndexOf(int id);
int ApproximationIdAt(int index);
// The lowest and highest id of the rows.
int LowestApproximationId();
int HighestApproximationId();
// Whether the approximation of a stored id has finite transmission zeros (false for an id
// that names none).
bool HasFiniteZeros(int id);

}  // namespace vorna
