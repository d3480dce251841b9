#pragma once
// The bill of materials as parts are ordered: the lines of one part and value together, with
// their quantity and designators; resistors first, then capacitors, then op-amps, each kind
// by ascending value.

#include <string>
#include <vector>

#include "output/BillOfMaterials.h"

namespace vorna {

struct BomGroup {
    PartKind part = PartKind::Resistor;
    std::string value;  // as the bill of materials gives it (ohms, farads, the op-amp's model)
    std::string series;
    std::vector<std::string> designators;  // in schematic order; their count is the quantity
    bool isShort = false;                  // wires rather than parts
};

std::vector<BomGroup> GroupedByValue(const std::vector<BomLine>& lines);

// The value as engineers read it: "11.33 kΩ", "329 nF", the model for an op-amp, and the
// bill of materials' own text for a value that is no number.
std::string GroupValueText(const BomGroup& group);

}  // namespace vorna
