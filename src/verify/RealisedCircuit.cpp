#include "verify/RealisedCircuit.h"

#include <algorithm>
#include <cmath>

#include "app/DesignDocument.h"
#include "app/DocumentMask.h"
#include "schematic/AscFile.h"

namespace vorna::verify {

bool RealisedCircuitOf(const DesignDocument& doc, const DesignResults& results,
                       const CircuitOutput& out, int circuitId, RealisedCircuit& realised,
                       std::string& error) {
    const std::optional<std::size_t> circuit = BasicCircuitRowOf(circuitId);
    if (!circuit) {
        error = "no basic circuit has the id " + std::to_string(circuitId);
        return false;
    }
    std::string written;
    for (const SchematicLine& line : out.lines) written += line.text;
    std::vector<std::string> problems;
    installation::Schematic schematic =
        installation::ParseAsc(installation::AscLines(written, &problems), &problems);
    if (!problems.empty()) {
        error = "the written schematic cannot be read back: " + problems.front();
        return false;
    }
    realised.circuit = *circuit;
    realised.maskEdges = MaskEdgesOf(doc);
    realised.results = results;
    realised.elements = out.elementValues;
    realised.sections = out.realisedSections;
    realised.schematic = std::move(schematic);
    realised.target = out.designed;
    realised.compensationGbwHz = out.compensationGbwHz;
    return true;
}

std::vector<double> GraphFrequencies(const DesignResults& results, int pointsPerDecade) {
    std::vector<double> frequencies;
    const double low = results.graphFreqMin, high = results.graphFreqMax;
    if (!(low > 0) || !(high >= low) || !std::isfinite(high) || pointsPerDecade < 1)
        return frequencies;
    // As the simulator sweeps a decade range: whole steps of at most 1/pointsPerDecade
    // decade, stretched to end at the upper end exactly.
    const double decades = std::log10(high / low);
    const int steps = std::max(1, static_cast<int>(std::floor(decades * pointsPerDecade + 1e-9)));
    for (int k = 0; k <= steps; ++k)
        frequencies.push_back(low * std::pow(10.0, decades * k / steps));
    return frequencies;
}

}  // namespace vorna::verify
