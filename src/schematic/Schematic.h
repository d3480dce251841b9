#pragma once
// A schematic of the circuit simulator as this program draws and reads it: symbols placed
// on a grid, wires between points, net flags and text lines. Coordinates are the
// simulator's (x to the right, y downwards); a symbol's pins are fixed offsets from its
// origin, turned by its orientation.

#include <compare>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vorna::installation {

struct Point {
    int x = 0;
    int y = 0;
    auto operator<=>(const Point&) const = default;
    Point operator+(Point o) const { return {x + o.x, y + o.y}; }
    Point operator-(Point o) const { return {x - o.x, y - o.y}; }
};

enum class SymbolKind { Resistor, Capacitor, VoltageSource, OpAmp };

// The simulator's eight orientations: R turns clockwise on screen, M mirrors x first.
enum class Orientation { R0, R90, R180, R270, M0, M90, M180, M270 };

struct Symbol {
    SymbolKind kind = SymbolKind::Resistor;
    Point origin;
    Orientation orientation = Orientation::R0;
    std::string instName;
    std::string value;  // empty: the symbol has no value line (op-amps)
    // An op-amp's model as a schematic read from a file names it ("LT1115"); the writer
    // always draws the reference op-amp.
    std::string model;
};

struct Wire {
    Point a;
    Point b;
};

struct Flag {
    Point at;
    std::string net;  // "0" is ground
};

struct Text {
    Point at;
    std::string text;  // begins with '!' for a directive or ';' for a comment
};

struct Schematic {
    std::vector<Symbol> symbols;
    std::vector<Wire> wires;
    std::vector<Flag> flags;
    std::vector<Text> texts;
};

// Op-amp pins in the order of the simulator's five-pin op-amp subcircuits.
enum OpAmpPin { kInPlus, kInMinus, kSupplyPlus, kSupplyMinus, kOutput };

Point Orient(Orientation orientation, Point offset);
const char* OrientationName(Orientation orientation);
bool ParseOrientation(const std::string& name, Orientation* orientation);

// Pin offsets at R0, in pin order: resistor and capacitor A then B, voltage source + then -,
// op-amp as OpAmpPin.
const std::vector<Point>& PinOffsets(SymbolKind kind);
std::vector<Point> PinPositions(const Symbol& symbol);

// True when p lies on the segment a-b strictly between its ends.
bool StrictlyInside(Point p, Point a, Point b);

// A set of points that finds those lying inside a wire quickly (by grid line for the
// horizontal and vertical wires the drawings use).
class PointIndex {
public:
    void Add(Point p);
    // The points strictly inside w, ordered from w.a to w.b.
    std::vector<Point> Inside(const Wire& w) const;

private:
    std::map<int, std::set<int>> byX_;  // x -> the y of every point on that vertical line
    std::map<int, std::set<int>> byY_;  // y -> the x of every point on that horizontal line
};

// Every wire end, pin and flag of the schematic.
PointIndex ConnectionPoints(const Schematic& schematic);

// Splits every wire at each wire end, pin and flag that lies inside it, so that every
// junction is a wire end as the simulator writes it.
void SplitWiresAtJunctions(Schematic& schematic);

}  // namespace vorna::installation
