#pragma once
// The fourteen basic circuits as cascades of sections, and the reference schematic of a
// circuit and order that the circuit output edits.

#include <string>
#include <vector>

#include "schematic/Schematic.h"
#include "topology/Sections.h"

namespace vorna::installation {

constexpr int kCircuitCount = 14;
constexpr int kMinOrder = 2;
constexpr int kMaxOrder = 58;

// "LP1" .. "BE2" in basic-circuit order.
const char* CircuitName(int circuit);

// The sections of a circuit and order in synthesis order, section 1 first: for odd low-pass
// and high-pass orders the first-order section, for BP3 and BP4 with an odd order a
// dual-amplifier band-pass section.
std::vector<SectionType> SectionSequence(int circuit, int order);

// "LP1_5.asc".
std::string ReferenceFileName(int circuit, int order);

// The whole cascade with its AC source, op-amp supplies, in and out flags, the AC analysis
// directive and the two information lines; wires are split at every junction.
Schematic ReferenceSchematic(int circuit, int order);

// One section alone, numbered `number`, between the same AC source and "out" flag.
Schematic SectionSchematic(SectionType type, int number);

}  // namespace vorna::installation
