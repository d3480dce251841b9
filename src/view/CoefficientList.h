#pragma once
// The list of section coefficients (display mode 2): the forms of H0 and Hn, analog in s
// or digital in zm = z^-1, and the values of every section, one text line each, below the
// design summary header. The list is not paged; high orders run past the view's area.

#include <string>
#include <vector>

#include "view/ShownDesign.h"

namespace vorna {

class Canvas;
class DesignView;

// The lines of the list after the header, without line ends.
std::vector<std::string> CoefficientListLines(const DesignView& view, const ShownDesign& design);

void DrawCoefficientList(const DesignView& view, const ShownDesign& design, Canvas& canvas);

}  // namespace vorna
