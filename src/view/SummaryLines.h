#pragma once
// The design summary: the header lines of the view, the summary lines at the head of the
// journal and the text reports, and the two short texts written into schematics.

#include <functional>
#include <string>
#include <vector>

#include "view/ShownDesign.h"

namespace vorna {

class Canvas;
class DesignView;

// Receives one UTF-8 line at a time, "\n" included.
using LineSink = std::function<void(const std::string&)>;

// The two information texts of a schematic: the title ("Low Pass  Butterworth   order = 5")
// and the filter's specification (edges and attenuations).
struct SchematicSummary {
    std::string title;
    std::string specification;
};

// The kind label of the design ("Low Pass" .. "Band Eject" as the view names them; empty for
// an unknown kind) and its approximation name.
std::string KindLabel(const DesignView& view, const ShownDesign& design);
std::string ApproximationName(const ShownDesign& design);

// The header lines of the view, without line ends.
std::vector<std::string> SummaryHeaderLines(const DesignView& view, const ShownDesign& design);

// Draws the header lines at x = 1 from y = 1 on, one `lineHeight` apart, and returns the y
// of the next free line.
int DrawSummaryHeader(const DesignView& view, const ShownDesign& design, Canvas& canvas);

// Writes the summary lines of the journal (`withReference` true: the first line ends with
// the reference mode) or of a report to `write`, and returns the schematic texts of the
// same design.
SchematicSummary WriteSummaryLines(const LineSink& write, const DesignView& view,
                                   const ShownDesign& design, bool withReference);

// The schematic texts alone.
SchematicSummary MakeSchematicSummary(const DesignView& view, const ShownDesign& design);

}  // namespace vorna
