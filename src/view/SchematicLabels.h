#pragma once
// The labels of a circuit drawing: what is written beside each part (its designator, its
// value or an op-amp's model, and under a resistor's or a capacitor's value the smallest
// E-series holding it or that it is a short) and where. Each part's label goes to the first
// of its places that is clear of the wires, the parts, the net names and the labels placed
// before it; where none is clear, to the one crossing the fewest wires and, before all, the
// fewest parts and labels.

#include <string>
#include <vector>

#include "schematic/Schematic.h"

namespace vorna {

struct PartLabel {
    std::string designator;
    std::string value;
    std::string mark;
    bool isShort = false;  // the mark says that the part is a short
};

PartLabel LabelOf(const installation::Symbol& symbol);

// A rectangle of the drawing, in the schematic's coordinates.
struct LabelBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

bool Overlap(const LabelBox& a, const LabelBox& b);
// Whether the wire passes through the inside of the box.
bool Crosses(const installation::Wire& wire, const LabelBox& box);

// The pitch of a label's lines and of the smaller line of its mark, and the width a character
// of each takes at most (a wide one twice that).
struct LabelMetrics {
    int line = 15;
    int markLine = 11;
    int charWidth = 8;
    int markCharWidth = 7;
};

struct LabelLine {
    installation::Point at;  // the text's top-left corner
    std::string text;
    bool isMark = false;  // written in the smaller font
};

struct PlacedLabel {
    std::vector<LabelLine> lines;
};

// The box a line of text takes.
LabelBox LineBox(const LabelLine& line, LabelMetrics metrics);

// What the labels must keep clear of besides each other.
struct LabelObstacles {
    std::vector<installation::Wire> wires;
    std::vector<LabelBox> boxes;  // the parts' shapes, the ground symbols and the net names
    LabelBox page;                // the labels stay inside it
};

// The box a part's shape takes.
LabelBox ShapeBox(const installation::Symbol& symbol);

// The labels of `symbols`, in their order (the op-amps' and the sources' are placed first).
std::vector<PlacedLabel> PlaceLabels(const std::vector<const installation::Symbol*>& symbols,
                                     const LabelObstacles& obstacles, LabelMetrics metrics);

}  // namespace vorna
