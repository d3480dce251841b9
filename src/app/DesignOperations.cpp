// The document's side of the design API: its entries as a DesignSpec, the figures of a
// design taken over, and the ripple its dialogs propose.

#include <cmath>

#include "app/DesignDocument.h"
#include "circuit/EngValue.h"
#include "design/Approximations.h"

namespace vorna {

namespace {

// The largest attp that a ripple dialog shows as it is; above it the last ripple is shown.
constexpr double kRippleShownAsIs = 1;

// Stores a frequency and chooses the unit in which the next dialog shows it.
void StoreFrequency(double hz, double& stored, int& unitIndex) {
    stored = hz;
    unitIndex = FrequencyUnitIndex(hz);
}

}  // namespace

void DesignDocument::TakeOver(const DesignSpec& spec, EntriesKept kept,
                              const DesignFigures& figures) {
    this->figures = figures;
    oddOrder = figures.order % 2 != 0;
    lastSection = static_cast<int>(std::ceil((figures.order - 1) / 2.0)) - 1;
    if (kept == EntriesKept::None) return;
    besselNorm = spec.besselNorm;
    if (spec.ByOrder()) xs = spec.xs;
    if (IsBand(spec.kind)) {
        StoreFrequency(spec.fp1, fp1, unitFp1);
        StoreFrequency(spec.fp2, fp2, unitFp2);
    } else {
        StoreFrequency(spec.fp, fp, unitFp);
    }
    if (kept == EntriesKept::Edges) return;
    attp = spec.attp;
    if (ApproximationRowOf(spec.approximation).passband == PassbandEntry::Ripple)
        rippleMemory = spec.attp;
    atts = spec.atts;
    xs = spec.xs;
}

double DesignDocument::InitialRipple() {
    if (attp > kRippleShownAsIs) attp = rippleMemory;
    return attp;
}

DesignSpec DesignDocument::Spec() const {
    DesignSpec spec;
    spec.kind = FilterKindOf(kind).value_or(FilterKind::LowPass);
    spec.approximation = ApproximationOf(approximation).value_or(Approximation::Butterworth);
    spec.entry = byOrder ? EntryMode::ByOrder : EntryMode::BySpecification;
    spec.fp = fp;
    spec.fp1 = fp1;
    spec.fp2 = fp2;
    spec.attp = attp;
    spec.atts = atts;
    spec.xs = xs;
    spec.order = figures.order;
    spec.besselNorm = besselNorm;
    return spec;
}

}  // namespace vorna
