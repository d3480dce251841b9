#pragma once
// A design as its basic circuit realises it, which is what every verification reads: the
// edges of its attenuation mask, the realised sections (the coefficients of the settled element
// values), the element values by name and the schematic as it was written (values as written).

#include <optional>
#include <string>
#include <vector>

#include "analysis/AttenuationMask.h"
#include "circuit/models/SectionModel.h"
#include "design/DesignResults.h"
#include "output/CircuitOutput.h"
#include "schematic/Schematic.h"
#include "topology/BasicCircuits.h"

namespace vorna {
class DesignDocument;
}

namespace vorna::verify {

struct RealisedCircuit {
    std::size_t circuit = 0;  // the basic circuit's row of kBasicCircuits
    analysis::MaskEdges maskEdges;
    DesignResults results;                  // after the synthesis: the realised sections
    std::vector<ElementValue> elements;     // every settled value, by element name ("R1_2")
    std::vector<SectionElements> sections;  // the circuit of every section, as settled
    installation::Schematic schematic;      // the written schematic
    // The design's sections before the synthesis when they were pre-distorted for the
    // op-amps: what the simulated circuit is meant to do.
    std::optional<DesignResults> target;
    // Above 0: the op-amps' gain-bandwidth product (Hz) the sections were pre-distorted for.
    double compensationGbwHz = 0;
};

// The realised circuit of a finished circuit output run (`out.lines` hold the written
// schematic, `results` the view's results after the synthesis, `circuitId` the basic
// circuit's id). Fails with a message in `error` when the written schematic cannot be read
// back or the id names no basic circuit.
bool RealisedCircuitOf(const DesignDocument& doc, const DesignResults& results,
                       const CircuitOutput& out, int circuitId, RealisedCircuit& realised,
                       std::string& error);

// The frequencies of the design's graph as the simulator sweeps them: from graphFreqMin to
// graphFreqMax exactly, evenly on a logarithmic scale, in as many whole steps of at most
// 1/pointsPerDecade decade as fit.
std::vector<double> GraphFrequencies(const DesignResults& results, int pointsPerDecade);

}  // namespace vorna::verify
