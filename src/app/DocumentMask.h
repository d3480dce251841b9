#pragma once
// The part of the window's design that the attenuation mask reads.

#include "analysis/AttenuationMask.h"

namespace vorna {

class DesignDocument;

// The document's edges; the stop-band attenuation is the entered one, or the attained one
// for a design made by order. Both count from the top of the pass-band ripple, which an
// even-order Chebyshev design puts attp above unity gain.
analysis::MaskEdges MaskEdgesOf(const DesignDocument& doc);

}  // namespace vorna
