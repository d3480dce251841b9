#pragma once
// Connectivity of a schematic as the simulator sees it (wires join at their ends and at
// pins, flags name nets, "0" is ground) and the SPICE netlist made from it, with an op-amp
// subcircuit (ideal unless the caller gives another) for the op-amp symbols.

#include <string>
#include <vector>

#include "schematic/Schematic.h"

namespace vorna::installation {

struct Connectivity {
    // Net name of every pin of every symbol, in symbol order and pin order.
    std::vector<std::vector<std::string>> pinNets;
    // Drawing faults: a junction inside a wire, overlapping wires, a pin connected to
    // nothing, one net with two names, a symbol without a name.
    std::vector<std::string> problems;
};

Connectivity Connect(const Schematic& schematic);

// The subcircuit that stands for every op-amp symbol: its name and its definition, whose
// ports are in the symbol's pin order (In+, In-, V+, V-, OUT).
struct OpAmpSubcircuit {
    std::string name;
    std::string definition;  // ".subckt NAME inp inn vp vn out" .. ".ends", line ends included
};

// A voltage-controlled source of very high gain; the supplies are not loaded.
OpAmpSubcircuit IdealOpAmp();

// A netlist for ngspice: one line per symbol, the op-amp subcircuit and, when
// `withDirectives` is set, the schematic's directives (its TEXT lines that begin with '!').
// The deck ends before ".end" so that a caller may add analyses.
std::string SpiceDeck(const Schematic& schematic, const Connectivity& connectivity,
                      const std::string& title, bool withDirectives,
                      const OpAmpSubcircuit& opAmp = IdealOpAmp());

}  // namespace vorna::installation
