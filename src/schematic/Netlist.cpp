#include "schematic/Netlist.h"

#include <algorithm>
#include <map>

#include "platform/CLocale.h"

namespace vorna::installation {
namespace {

class PointSets {
public:
    int Id(Point p) {
        auto [it, added] = ids_.try_emplace(p, static_cast<int>(parent_.size()));
        if (added) parent_.push_back(it->second);
        return it->second;
    }
    int Find(int i) {
        while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
        return i;
    }
    void Join(Point a, Point b) {
        const int ra = Find(Id(a)), rb = Find(Id(b));
        if (ra != rb) parent_[std::max(ra, rb)] = std::min(ra, rb);
    }
    const std::map<Point, int>& Ids() const { return ids_; }

private:
    std::map<Point, int> ids_;
    std::vector<int> parent_;
};

std::string Where(Point p) {
    return Format("(%d,%d)", p.x, p.y);
}

// Horizontal or vertical wires that share a stretch of their grid line.
std::vector<std::string> Overlaps(const std::vector<Wire>& wires) {
    // (vertical?, line) -> the wires' spans along the line
    std::map<std::pair<bool, int>, std::vector<std::pair<int, int>>> spans;
    for (const Wire& w : wires) {
        if (w.a.x == w.b.x)
            spans[{true, w.a.x}].push_back(std::minmax(w.a.y, w.b.y));
        else if (w.a.y == w.b.y)
            spans[{false, w.a.y}].push_back(std::minmax(w.a.x, w.b.x));
    }
    std::vector<std::string> overlaps;
    for (auto& [line, list] : spans) {
        std::sort(list.begin(), list.end());
        int reach = list[0].second;
        for (size_t i = 1; i < list.size(); ++i) {
            if (list[i].first < reach) {
                const Point at = line.first ? Point{line.second, list[i].first}
                                            : Point{list[i].first, line.second};
                overlaps.push_back("overlapping wires at " + Where(at));
            }
            reach = std::max(reach, list[i].second);
        }
    }
    return overlaps;
}

}  // namespace

Connectivity Connect(const Schematic& schematic) {
    Connectivity result;
    PointSets sets;
    std::map<Point, int> uses;  // how many wire ends, pins and flags meet at each point
    for (const Wire& w : schematic.wires) {
        if (w.a == w.b) result.problems.push_back("wire of length zero at " + Where(w.a));
        sets.Join(w.a, w.b);
        ++uses[w.a];
        ++uses[w.b];
    }
    std::vector<std::vector<Point>> pins;
    for (const Symbol& s : schematic.symbols) {
        pins.push_back(PinPositions(s));
        for (Point p : pins.back()) {
            sets.Id(p);
            ++uses[p];
        }
        if (s.instName.empty())
            result.problems.push_back("symbol without a name at " + Where(s.origin));
    }
    for (const Flag& f : schematic.flags) {
        sets.Id(f.at);
        ++uses[f.at];
    }

    // Every connection must be at a wire's end: the simulator's own files split wires there.
    const PointIndex points = ConnectionPoints(schematic);
    for (const Wire& w : schematic.wires)
        for (Point p : points.Inside(w))
            result.problems.push_back("junction " + Where(p) + " inside wire " + Where(w.a) + "-" +
                                      Where(w.b));
    for (const std::string& overlap : Overlaps(schematic.wires)) result.problems.push_back(overlap);

    std::map<int, std::string> names;
    for (const Flag& f : schematic.flags) {
        const int root = sets.Find(sets.Id(f.at));
        auto [it, added] = names.try_emplace(root, f.net);
        if (!added && it->second != f.net)
            result.problems.push_back("net named both " + it->second + " and " + f.net + " at " +
                                      Where(f.at));
    }
    int unnamed = 0;
    for (size_t i = 0; i < pins.size(); ++i) {
        std::vector<std::string> nets;
        for (Point p : pins[i]) {
            const int root = sets.Find(sets.Id(p));
            auto [it, added] = names.try_emplace(root, "");
            if (added) it->second = Format("N%03d", ++unnamed);
            nets.push_back(it->second);
            if (uses[p] < 2)
                result.problems.push_back("pin of " + schematic.symbols[i].instName + " at " +
                                          Where(p) + " is open");
        }
        result.pinNets.push_back(nets);
    }
    return result;
}

OpAmpSubcircuit IdealOpAmp() {
    return {"opamp_ideal",
            ".subckt opamp_ideal inp inn vp vn out\nEamp out 0 inp inn 1e9\n.ends opamp_ideal\n"};
}

std::string SpiceDeck(const Schematic& schematic, const Connectivity& connectivity,
                      const std::string& title, bool withDirectives, const OpAmpSubcircuit& opAmp) {
    std::string deck = "* " + title + "\n";
    for (size_t i = 0; i < schematic.symbols.size(); ++i) {
        const Symbol& s = schematic.symbols[i];
        const std::vector<std::string>& n = connectivity.pinNets[i];
        if (s.kind == SymbolKind::OpAmp) {
            deck += "X" + s.instName;
            for (const std::string& net : n) deck += " " + net;
            deck += " " + opAmp.name + "\n";
        } else {
            deck += s.instName + " " + n[0] + " " + n[1] + " " + s.value + "\n";
        }
    }
    deck += opAmp.definition;
    if (withDirectives)
        for (const Text& t : schematic.texts)
            if (!t.text.empty() && t.text[0] == '!') deck += t.text.substr(1) + "\n";
    return deck;
}

}  // namespace vorna::installation
