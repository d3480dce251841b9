#pragma once
// The bill of materials of a schematic: its resistors, capacitors and op-amps in the order
// the schematic lists them (the sources of the test bench are no parts to order), and its
// CSV form.

#include <string>
#include <vector>

#include "circuit/ESeries.h"  // SeriesOfValue
#include "schematic/Schematic.h"

namespace vorna {

enum class PartKind { Resistor, Capacitor, OpAmp };

struct BomLine {
    std::string designator;
    PartKind part = PartKind::Resistor;
    // Ohms or farads as the shortest number that reads back to the value the schematic
    // gives (to twelve digits); the op-amp's model for an op-amp; the schematic's own text when it
    // is no value.
    std::string value;
    // The smallest E-series holding the value ("E24"), or empty (as for a short).
    std::string series;
    int section = 0;  // 1-based; 0 when the designator names none
    // A resistor that stands for a wire, given a value for the simulator's sake: no part.
    bool isShort = false;
};

std::vector<BomLine> BillOfMaterials(const installation::Schematic& schematic);

// "designator,part,value,series,section" and one line per part, each ending with '\n'.
std::string BomCsv(const std::vector<BomLine>& lines);

}  // namespace vorna
