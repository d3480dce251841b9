#pragma once
// The drawing of a synthesised circuit from its schematic: wires, resistors, capacitors,
// op-amps without their supply pins, the input source, ground and the named nets, each part
// labelled with its designator and value (an op-amp with its model). A resistor's or a
// capacitor's value is written in engineering notation with its unit, and marked below with
// the smallest E-series holding it, or as a short where the schematic's resistor stands for a
// wire; a legend under the drawing explains the marks used. The supply sources of the test
// bench and the simulator's directives are left out.

#include "platform/Canvas.h"
#include "schematic/Schematic.h"
#include "view/SchematicLabels.h"

namespace vorna {

struct DrawingSize {
    int width = 0;
    int height = 0;
};

// The page the drawing of `schematic` takes, margins included.
DrawingSize SchematicDrawingSize(const installation::Schematic& schematic);

// The drawing's labels of the parts, in the schematic's coordinates, and what they keep clear
// of.
struct SchematicLabelLayout {
    LabelObstacles obstacles;
    std::vector<PlacedLabel> labels;
};
SchematicLabelLayout SchematicLabels(const installation::Schematic& schematic);

// Draws `schematic` with its top-left corner at the page's.
void DrawSchematic(const installation::Schematic& schematic, Canvas& canvas);

}  // namespace vorna
