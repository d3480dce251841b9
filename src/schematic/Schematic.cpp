#include "schematic/Schematic.h"

#include <algorithm>

namespace vorna::installation {

Point Orient(Orientation orientation, Point p) {
    switch (orientation) {
        case Orientation::R0:
            return p;
        case Orientation::R90:
            return {-p.y, p.x};
        case Orientation::R180:
            return {-p.x, -p.y};
        case Orientation::R270:
            return {p.y, -p.x};
        case Orientation::M0:
            return {-p.x, p.y};
        case Orientation::M90:
            return {-p.y, -p.x};
        case Orientation::M180:
            return {p.x, -p.y};
        case Orientation::M270:
            return {p.y, p.x};
    }
    return p;
}

namespace {
constexpr const char* kOrientationNames[] = {"R0", "R90", "R180", "R270",
                                             "M0", "M90", "M180", "M270"};
}

const char* OrientationName(Orientation orientation) {
    return kOrientationNames[static_cast<int>(orientation)];
}

bool ParseOrientation(const std::string& name, Orientation* orientation) {
    for (int i = 0; i < 8; ++i) {
        if (name == kOrientationNames[i]) {
            *orientation = static_cast<Orientation>(i);
            return true;
        }
    }
    return false;
}

const std::vector<Point>& PinOffsets(SymbolKind kind) {
    static const std::vector<Point> resistor{{16, 16}, {16, 96}};
    static const std::vector<Point> capacitor{{16, 0}, {16, 64}};
    static const std::vector<Point> source{{0, 16}, {0, 96}};
    static const std::vector<Point> opAmp{{-32, 80}, {-32, 48}, {0, 32}, {0, 96}, {32, 64}};
    switch (kind) {
        case SymbolKind::Resistor:
            return resistor;
        case SymbolKind::Capacitor:
            return capacitor;
        case SymbolKind::VoltageSource:
            return source;
        case SymbolKind::OpAmp:
            return opAmp;
    }
    return resistor;
}

std::vector<Point> PinPositions(const Symbol& symbol) {
    std::vector<Point> pins;
    for (Point offset : PinOffsets(symbol.kind))
        pins.push_back(symbol.origin + Orient(symbol.orientation, offset));
    return pins;
}

bool StrictlyInside(Point p, Point a, Point b) {
    const long long cross = static_cast<long long>(b.x - a.x) * (p.y - a.y) -
                            static_cast<long long>(b.y - a.y) * (p.x - a.x);
    if (cross != 0 || p == a || p == b) return false;
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

void PointIndex::Add(Point p) {
    byX_[p.x].insert(p.y);
    byY_[p.y].insert(p.x);
}

std::vector<Point> PointIndex::Inside(const Wire& w) const {
    std::vector<Point> inside;
    if (w.a.x == w.b.x || w.a.y == w.b.y) {
        const bool vertical = w.a.x == w.b.x;
        const auto& lines = vertical ? byX_ : byY_;
        const auto line = lines.find(vertical ? w.a.x : w.a.y);
        if (line == lines.end()) return inside;
        const int from = vertical ? w.a.y : w.a.x, to = vertical ? w.b.y : w.b.x;
        for (auto it = line->second.upper_bound(std::min(from, to));
             it != line->second.end() && *it < std::max(from, to); ++it)
            inside.push_back(vertical ? Point{w.a.x, *it} : Point{*it, w.a.y});
        if (from > to) std::reverse(inside.begin(), inside.end());
        return inside;
    }
    // A slanting wire: test every point.
    for (const auto& [x, ys] : byX_)
        for (int y : ys)
            if (StrictlyInside({x, y}, w.a, w.b)) inside.push_back({x, y});
    auto along = [&](Point p) { return std::abs(p.x - w.a.x) + std::abs(p.y - w.a.y); };
    std::sort(inside.begin(), inside.end(), [&](Point l, Point r) { return along(l) < along(r); });
    return inside;
}

PointIndex ConnectionPoints(const Schematic& schematic) {
    PointIndex points;
    for (const Wire& w : schematic.wires) {
        points.Add(w.a);
        points.Add(w.b);
    }
    for (const Symbol& s : schematic.symbols)
        for (Point p : PinPositions(s)) points.Add(p);
    for (const Flag& f : schematic.flags) points.Add(f.at);
    return points;
}

void SplitWiresAtJunctions(Schematic& schematic) {
    const PointIndex points = ConnectionPoints(schematic);
    std::vector<Wire> split;
    for (const Wire& w : schematic.wires) {
        Point from = w.a;
        for (Point p : points.Inside(w)) {
            split.push_back({from, p});
            from = p;
        }
        split.push_back({from, w.b});
    }
    schematic.wires = std::move(split);
}

}  // namespace vorna::installation
