#pragma once
// The graphs of the analysis window, built from a design window's results and document:
// magnitude, pass-band detail, phase, group delay, step and impulse responses and the
// pole-zero plot. Points that cannot be computed (the -infinite dB of a transmission zero)
// are NaN in the curves, shown as gaps and named in the graph's note.

#include <vector>

#include "GraphData.h"

namespace vorna {

class DesignDocument;
class DesignView;

enum class PhaseForm { Wrapped, Unwrapped };
enum class TimeGraph { Step, Impulse };

// Frequencies of the frequency-response graphs in Hz: the grid of every frequency graph
// (analysis/FrequencyGraphs.h) from the graph's lower limit to its upper one (half the
// sampling frequency for a digital design, which is the last point).
std::vector<double> ResponseFrequencies(const DesignView& view);

GraphData MagnitudeGraph(const DesignView& view, const DesignDocument& doc);
GraphData PassbandGraph(const DesignView& view, const DesignDocument& doc);
GraphData PhaseGraph(const DesignView& view, const DesignDocument& doc, PhaseForm form);
GraphData GroupDelayGraph(const DesignView& view, const DesignDocument& doc);
GraphData TimeResponseGraph(const DesignView& view, const DesignDocument& doc, TimeGraph which);
GraphData PoleZeroGraph(const DesignView& view);

// The regions the design's specification keeps the gain out of (none for an unknown kind).
std::vector<MaskRegion> MaskRegionsOf(const DesignDocument& doc);

// The numbers a change of which changes any graph; equal fingerprints, equal graphs.
std::vector<double> DesignFingerprint(const DesignView& view, const DesignDocument& doc);

}  // namespace vorna
