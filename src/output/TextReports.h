#pragma once
// The two text reports of a design, appended in the file text encoding (Shift-JIS unless UTF-8 is
// chosen) with line-feed ends to a file the user names and then opened with the desktop: the
// coefficient report (every section's coefficients with cut-off frequency, gain at the cut-off, Q
// and gain-bandwidth) and the gain list (the same per section, plus the section's gain at 19
// frequencies around its cut-off).

#include <string>

#include "view/ShownDesign.h"

namespace vorna {

class DesignView;
class Ui;

// The reports of the view's design as UTF-8 text.
std::string CoefficientReportText(const DesignView& view, const ShownDesign& design);
std::string GainListText(const DesignView& view, const ShownDesign& design);

// Asks for the file, appends the report, sets the view's display mode to 1 and opens the
// file with the desktop. Cancel, or a file that can be neither opened nor created, ends
// silently with nothing written or opened; a write that fails (a full disk) is reported and
// takes back what it wrote. Returns whether the report was written.
bool WriteCoefficientReport(DesignView& view, const ShownDesign& design, Ui& ui);
bool WriteGainList(DesignView& view, const ShownDesign& design, Ui& ui);

// Command 660: opens any file the user picks with the desktop.
void OpenDataFile(Ui& ui);

}  // namespace vorna
