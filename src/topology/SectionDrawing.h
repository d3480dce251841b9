#pragma once
// Drawing one section into a schematic in the section's own grid coordinates: the section's
// input is at (0, 0) and the builder shifts everything by the section's place in the cascade.
// Element names get the section's label, its number in a cascade ("R1" in section 2 becomes
// "R1_2").

#include <initializer_list>
#include <string>

#include "schematic/Schematic.h"

namespace vorna::installation {

// Names of the op-amp pins of one placed op-amp, in section coordinates.
struct OpAmpPins {
    Point plus, minus, out;
};

class SectionDrawing {
public:
    SectionDrawing(Schematic& schematic, Point origin, std::string sectionLabel, int* opAmpCount);

    // A resistor or capacitor between a and b, which lie on one grid line at least the part's
    // length apart; the part sits in the middle and wires fill the rest.
    void R(const char* name, const char* value, Point a, Point b);
    void C(const char* name, const char* value, Point a, Point b);
    // A polyline of wires.
    void W(std::initializer_list<Point> points);
    void Ground(Point p);
    // An op-amp whose output is at `out`; its inputs are 64 to the left, 16 above and below,
    // the non-inverting one below unless `plusOnTop`. Its supply pins get the VCC and VEE flags.
    OpAmpPins OpAmp(Point out, bool plusOnTop = false);

private:
    void Part(SymbolKind kind, const char* name, const char* value, Point a, Point b);
    Point At(Point p) const { return origin_ + p; }

    Schematic& schematic_;
    Point origin_;
    std::string sectionLabel_;
    int* opAmpCount_;
};

}  // namespace vorna::installation
