#pragma once
// The basic circuits as cascades of sections, and the reference schematic of a circuit and
// order that the circuit output edits.

#include <string>
#include <vector>

#include "schematic/Schematic.h"
#include "topology/BasicCircuits.h"
#include "topology/Sections.h"

namespace vorna::installation {

constexpr int kMinOrder = 2;
constexpr int kMaxOrder = 58;

// The section circuits of a circuit and order in synthesis order, section 1 first: for an odd
// order the circuit's first-order section and its own section 0, where it has them.
std::vector<SectionCircuit> SectionSequence(const BasicCircuit& circuit, int order);

// "LP1_5.asc".
std::string ReferenceFileName(const BasicCircuit& circuit, int order);

// The whole cascade with its AC source, op-amp supplies, in and out flags, the AC analysis
// directive and the two information lines; wires are split at every junction.
Schematic ReferenceSchematic(const BasicCircuit& circuit, int order);

// One section alone, numbered `number`, between the same AC source and "out" flag.
Schematic SectionSchematic(SectionCircuit circuit, int number);

}  // namespace vorna::installation
