#pragma once
// The pole-zero plot: the poles (crosses) and zeros (circles) of the design's sections on
// a square grid with the unit circle; the s plane divided by omegaC for an analog design,
// the z plane for a digital one (the zm = z^-1 forms give the same polynomials in z).

#include <vector>

#include "design/conversion/ComplexArithmetic.h"
#include "view/ShownDesign.h"

namespace vorna {

class Canvas;
class DesignView;

struct PlotRoot {
    Complex position;  // in plot units (divided by omegaC for an analog design)
    bool pole = false;
};

// Every pole and zero in drawing order: the first-order section's, then section by
// section the poles and then the zeros.
std::vector<PlotRoot> PoleZeroRoots(const DesignView& view, const ShownDesign& design);

// Span R of the vertical axis in plot units: twice the largest root magnitude, rounded up
// to a whole number; at least 2, so that the unit circle is always inside the frame.
double PoleZeroRange(const DesignView& view, const ShownDesign& design);

void DrawPoleZeroPlot(const DesignView& view, const ShownDesign& design, Canvas& canvas);

}  // namespace vorna
