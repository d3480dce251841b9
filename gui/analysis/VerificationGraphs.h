#pragma once
// What the analysis window shows of a realised circuit: the simulated response over the
// ideal one with the Monte Carlo envelope, the yield, and the table of what every section
// needs of its op-amp.

#include <string>
#include <vector>

#include "GraphData.h"
#include "verify/CircuitSimulation.h"
#include "verify/SectionRequirements.h"
#include "verify/ToleranceAnalysis.h"

namespace vorna {

class DesignDocument;
class DesignView;

// The ideal and simulated gains, and the envelope of `tolerance` when it holds runs, over
// the attenuation mask.
GraphData SimulationGraph(const DesignView& view, const DesignDocument& doc,
                          const verify::CircuitSimulation& simulation,
                          const verify::ToleranceResult& tolerance);

// The yield (YieldSummary) with the failed runs named; empty
// when no run was made.
std::string YieldText(const verify::ToleranceResult& tolerance);

// A header row and one row a section: number, f0 and the required GBW with their units, Q,
// the gain at f0 in dB, whether the op-amp falls short, and the sensitivities of omega0 and Q to
// each element.
std::vector<std::vector<std::string>> SectionTable(const verify::SectionRequirements& sections);

}  // namespace vorna
