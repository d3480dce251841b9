#include "topology/SectionDrawing.h"

#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace vorna::installation {

SectionDrawing::SectionDrawing(Schematic& schematic, Point origin, std::string sectionLabel,
                               int* opAmpCount)
    : schematic_(schematic),
      origin_(origin),
      sectionLabel_(std::move(sectionLabel)),
      opAmpCount_(opAmpCount) {}

void SectionDrawing::R(const char* name, const char* value, Point a, Point b) {
    Part(SymbolKind::Resistor, name, value, a, b);
}

void SectionDrawing::C(const char* name, const char* value, Point a, Point b) {
    Part(SymbolKind::Capacitor, name, value, a, b);
}

void SectionDrawing::Part(SymbolKind kind, const char* name, const char* value, Point a, Point b) {
    const bool vertical = a.x == b.x;
    if (!vertical && a.y != b.y)
        throw std::logic_error(std::string("part off the grid lines: ") + name);
    if (vertical ? a.y > b.y : a.x > b.x) std::swap(a, b);
    const Orientation orientation = vertical ? Orientation::R0 : Orientation::R90;
    const std::vector<Point>& offsets = PinOffsets(kind);
    Point p1 = Orient(orientation, offsets[0]), p2 = Orient(orientation, offsets[1]);
    if (vertical ? p1.y > p2.y : p1.x > p2.x) std::swap(p1, p2);
    const int length = vertical ? p2.y - p1.y : p2.x - p1.x;
    const int room = vertical ? b.y - a.y : b.x - a.x;
    if (room < length) throw std::logic_error(std::string("no room for ") + name);
    const int shift = (room - length) / 2 / 16 * 16;
    const Point first = vertical ? Point{a.x, a.y + shift} : Point{a.x + shift, a.y};
    const Point origin = first - p1;
    const Point second = origin + p2;
    if (first != a) W({a, first});
    if (second != b) W({second, b});
    schematic_.symbols.push_back(
        {kind, At(origin), orientation, std::string(name) + "_" + sectionLabel_, value});
}

void SectionDrawing::W(std::initializer_list<Point> points) {
    const Point* previous = nullptr;
    for (const Point& p : points) {
        if (previous != nullptr) schematic_.wires.push_back({At(*previous), At(p)});
        previous = &p;
    }
}

void SectionDrawing::Ground(Point p) {
    schematic_.flags.push_back({At(p), "0"});
}

OpAmpPins SectionDrawing::OpAmp(Point out, bool plusOnTop) {
    const Orientation orientation = plusOnTop ? Orientation::M180 : Orientation::R0;
    const Point origin = out - Orient(orientation, PinOffsets(SymbolKind::OpAmp)[kOutput]);
    const Symbol symbol{SymbolKind::OpAmp, At(origin), orientation,
                        "U" + std::to_string(++*opAmpCount_), ""};
    schematic_.symbols.push_back(symbol);
    const std::vector<Point> pins = PinPositions(symbol);
    schematic_.flags.push_back({pins[kSupplyPlus], "VCC"});
    schematic_.flags.push_back({pins[kSupplyMinus], "VEE"});
    return {pins[kInPlus] - origin_, pins[kInMinus] - origin_, pins[kOutput] - origin_};
}

}  // namespace vorna::installation
