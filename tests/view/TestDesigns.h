#pragma once
// Designs set straight into a view's results, so that the paint and evaluation tests do
// not depend on the approximation engine.

#include "app/DesignDocument.h"
#include "app/DocumentShown.h"
#include "view/DesignView.h"

namespace vorna::testing {

// A document with its view; the view's results hold a Butterworth low-pass of `order`
// with cut-off `fc` and the default design's graph ranges (100 Hz .. 5 kHz, 80 dB).
struct ViewWithDesign {
    DesignDocument doc;
    DesignView view{doc};
};

void SetButterworthLowPass(DesignView& view, int order, double fc);
// One second-order section with zeros at +-j zeroRatio * wc on top of SetButterworthLowPass
// of order 2: the shape of an elliptic low-pass.
void SetNotchLowPass(DesignView& view, double fc, double zeroRatio);

}  // namespace vorna::testing
