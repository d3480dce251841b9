#include "view/SchematicLabels.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "circuit/ESeries.h"
#include "circuit/EngValue.h"
#include "circuit/models/BandPassModel.h"
#include "text/Texts.h"
#include "view/EngineeringNotation.h"

namespace vorna {

using installation::Orient;
using installation::Point;
using installation::Symbol;
using installation::SymbolKind;
using installation::Wire;

namespace {

// What a text off the page or over a part or another label weighs against a wire through it.
constexpr int kHidden = 100;

// The characters of UTF-8 text, a wide (CJK) one counted twice.
int TextCells(const std::string& text) {
    int cells = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        cells += length >= 3 ? 2 : 1;
        i += length;
    }
    return cells;
}

// The box a shape drawn over `from`-`to` in the symbol's own coordinates takes on the page.
LabelBox TurnedBox(const Symbol& symbol, Point from, Point to) {
    const Point a = symbol.origin + Orient(symbol.orientation, from);
    const Point b = symbol.origin + Orient(symbol.orientation, to);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

bool PlacedFirst(const Symbol& symbol) {
    return symbol.kind == SymbolKind::OpAmp || symbol.kind == SymbolKind::VoltageSource;
}

class LabelPlacer {
public:
    LabelPlacer(const LabelObstacles& obstacles, LabelMetrics metrics)
        : obstacles_(obstacles), metrics_(metrics) {}

    // The first of the label's places that crosses nothing, or the one crossing the least.
    PlacedLabel Place(const Symbol& symbol) {
        const std::vector<PlacedLabel> places = Places(symbol, LabelOf(symbol));
        const PlacedLabel* best = &places.front();
        int fewest = INT_MAX;
        for (const PlacedLabel& place : places) {
            const int crossings = Crossings(place);
            if (crossings < fewest) {
                fewest = crossings;
                best = &place;
            }
            if (crossings == 0) break;
        }
        for (const LabelLine& line : best->lines) placed_.push_back(LineBox(line, metrics_));
        return *best;
    }

private:
    // The lines of `label` stacked from `top` at `left`, its designator first if asked for.
    PlacedLabel Stack(const PartLabel& label, int left, int top, bool withDesignator) const {
        PlacedLabel stack;
        if (withDesignator) {
            stack.lines.push_back({{left, top}, label.designator});
            top += metrics_.line;
        }
        stack.lines.push_back({{left, top}, label.value});
        if (!label.mark.empty())
            stack.lines.push_back({{left, top + metrics_.line}, label.mark, true});
        return stack;
    }

    int Height(const PlacedLabel& stack) const {
        const LabelLine& last = stack.lines.back();
        return last.at.y + (last.isMark ? metrics_.markLine : metrics_.line) -
               stack.lines.front().at.y;
    }

    int Width(const PlacedLabel& stack) const {
        int width = 0;
        for (const LabelLine& line : stack.lines) {
            const LabelBox box = LineBox(line, metrics_);
            width = std::max(width, box.right - box.left);
        }
        return width;
    }

    // The label's places, the usual one first.
    std::vector<PlacedLabel> Places(const Symbol& symbol, const PartLabel& label) const {
        const int line = metrics_.line;
        if (symbol.kind == SymbolKind::VoltageSource) {
            const Point at = symbol.origin + Orient(symbol.orientation, {-80, 56 - line});
            return {Stack(label, at.x, at.y, true)};
        }
        if (symbol.kind == SymbolKind::OpAmp) {
            // Under the triangle however it is turned or mirrored, or over it.
            const Point lowest = symbol.origin + Orient(symbol.orientation, {-24, 100});
            const Point highest = symbol.origin + Orient(symbol.orientation, {-24, 28});
            const int left = std::min(lowest.x, highest.x);
            const PlacedLabel under = Stack(label, left, std::max(lowest.y, highest.y), true);
            return {under, Stack(label, left, ShapeBox(symbol).top - 4 - Height(under), true)};
        }
        const std::vector<Point> pins = PinPositions(symbol);
        const Point first = pins.front(), last = pins.back();
        const Point mid{(first.x + last.x) / 2, (first.y + last.y) / 2};
        if (first.x == last.x) {  // vertical: right or left of the body
            const PlacedLabel right = Stack(label, mid.x + 22, mid.y - line, true);
            return {right, Stack(label, mid.x - 22 - Width(right), mid.y - line, true)};
        }
        // Horizontal: the designator over the body and the value under it, or all of it over
        // or under the body; starting left of the middle, or centred on it.
        const int half = symbol.kind == SymbolKind::Resistor ? 8 : 16;  // the body's half height
        const int over = mid.y - half - 6, under = mid.y + half + 4;
        std::vector<PlacedLabel> places;
        for (const int left : {mid.x - 28, mid.x - Width(Stack(label, 0, 0, true)) / 2}) {
            PlacedLabel split = Stack(label, left, under, false);
            split.lines.insert(split.lines.begin(),
                               LabelLine{{left, over - line}, label.designator});
            const PlacedLabel below = Stack(label, left, under, true);
            places.insert(places.end(),
                          {split, Stack(label, left, over - Height(below), true), below});
        }
        return places;
    }

    int Crossings(const PlacedLabel& place) const {
        int crossings = 0;
        const LabelBox& page = obstacles_.page;
        for (const LabelLine& line : place.lines) {
            const LabelBox box = LineBox(line, metrics_);
            // A wire through a line of text leaves it readable; a part or a label under it,
            // or a text off the page, does not.
            if (box.left < page.left || box.top < page.top || box.right > page.right ||
                box.bottom > page.bottom)
                crossings += kHidden;
            for (const Wire& wire : obstacles_.wires) crossings += Crosses(wire, box) ? 1 : 0;
            for (const LabelBox& other : obstacles_.boxes)
                crossings += Overlap(box, other) ? kHidden : 0;
            for (const LabelBox& other : placed_) crossings += Overlap(box, other) ? kHidden : 0;
        }
        return crossings;
    }

    const LabelObstacles& obstacles_;
    LabelMetrics metrics_;
    std::vector<LabelBox> placed_;  // the lines of the labels placed so far
};

}  // namespace

PartLabel LabelOf(const Symbol& symbol) {
    PartLabel label{symbol.instName, symbol.kind == SymbolKind::OpAmp ? symbol.model : symbol.value,
                    ""};
    const bool resistor = symbol.kind == SymbolKind::Resistor;
    if (!resistor && symbol.kind != SymbolKind::Capacitor) return label;
    const std::optional<double> value = ParseCompactValue(symbol.value);
    if (!value) return label;
    label.value = EngineeringNotation(*value, resistor ? "Ω" : "F");
    // The only resistors this small are the wires the schematic gives a value for the
    // simulator's sake.
    label.isShort = resistor && IsGainStageShort(*value);
    label.mark = label.isShort ? Text(TextId::SchematicShortMark) : SeriesOfValue(*value);
    return label;
}

bool Overlap(const LabelBox& a, const LabelBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Crosses(const Wire& wire, const LabelBox& box) {
    const int left = std::min(wire.a.x, wire.b.x), right = std::max(wire.a.x, wire.b.x);
    const int top = std::min(wire.a.y, wire.b.y), bottom = std::max(wire.a.y, wire.b.y);
    if (top == bottom)
        return box.top < top && top < box.bottom && left < box.right && right > box.left;
    if (left == right)
        return box.left < left && left < box.right && top < box.bottom && bottom > box.top;
    return Overlap({left, top, right, bottom}, box);
}

LabelBox LineBox(const LabelLine& line, LabelMetrics metrics) {
    const int width =
        TextCells(line.text) * (line.isMark ? metrics.markCharWidth : metrics.charWidth);
    return {line.at.x, line.at.y, line.at.x + width,
            line.at.y + (line.isMark ? metrics.markLine : metrics.line)};
}

LabelBox ShapeBox(const Symbol& symbol) {
    switch (symbol.kind) {
        case SymbolKind::Resistor:
            return TurnedBox(symbol, {8, 16}, {24, 96});
        case SymbolKind::Capacitor:
            return TurnedBox(symbol, {0, 0}, {32, 64});
        case SymbolKind::VoltageSource:
            return TurnedBox(symbol, {-24, 16}, {24, 96});
        case SymbolKind::OpAmp:
            return TurnedBox(symbol, {-32, 32}, {32, 96});
    }
    return {};
}

std::vector<PlacedLabel> PlaceLabels(const std::vector<const Symbol*>& symbols,
                                     const LabelObstacles& obstacles, LabelMetrics metrics) {
    LabelPlacer placer(obstacles, metrics);
    std::vector<PlacedLabel> labels(symbols.size());
    for (const bool first : {true, false})
        for (std::size_t i = 0; i < symbols.size(); ++i)
            if (PlacedFirst(*symbols[i]) == first) labels[i] = placer.Place(*symbols[i]);
    return labels;
}

}  // namespace vorna
