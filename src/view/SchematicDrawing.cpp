#include "view/SchematicDrawing.h"

#include <algorithm>
#include <climits>
#include <map>
#include <optional>
#include <vector>

#include "text/Texts.h"

namespace vorna {

using installation::Flag;
using installation::Orient;
using installation::PinPositions;
using installation::Point;
using installation::Schematic;
using installation::Symbol;
using installation::SymbolKind;
using installation::Wire;

namespace {

constexpr int kMargin = 96;  // room for the labels beside the outermost parts
const Pen kPartPen{{0, 0, 0}, 2, PenStyle::Solid};
const Pen kWirePen{{0, 0, 160}, 1, PenStyle::Solid};
constexpr int kLegendLine = 20;  // the pitch of the legend's lines

FontDescription FontOfHeight(int height) {
    FontDescription font;
    font.height = -height;
    return font;
}
const FontDescription kLabelFont = FontOfHeight(13);
const FontDescription kMarkFont = FontOfHeight(10);
// The labels' line pitches and widest characters in those fonts.
constexpr LabelMetrics kLabelMetrics;
constexpr int kPartClearance = 4;  // between a label and a part's shape

bool IsSupplyNet(const std::string& net) {
    return net == "VCC" || net == "VEE";
}

// The symbols and flags drawn: every one but the supplies and their sources.
struct DrawnParts {
    std::vector<const Symbol*> symbols;
    std::vector<const Flag*> flags;
};

DrawnParts PartsToDraw(const Schematic& schematic) {
    DrawnParts parts;
    std::vector<Point> supplyPoints;
    for (const Flag& flag : schematic.flags) {
        if (IsSupplyNet(flag.net)) {
            supplyPoints.push_back(flag.at);
        } else {
            parts.flags.push_back(&flag);
        }
    }
    for (const Symbol& symbol : schematic.symbols) {
        const std::vector<Point> pins = PinPositions(symbol);
        const bool supply = symbol.kind == SymbolKind::VoltageSource &&
                            std::any_of(pins.begin(), pins.end(), [&](Point pin) {
                                return std::find(supplyPoints.begin(), supplyPoints.end(), pin) !=
                                       supplyPoints.end();
                            });
        if (!supply) parts.symbols.push_back(&symbol);
    }
    // Ground flags of the supply sources go with them.
    std::erase_if(parts.flags, [&](const Flag* flag) {
        return std::none_of(schematic.wires.begin(), schematic.wires.end(),
                            [&](const Wire& w) { return w.a == flag->at || w.b == flag->at; }) &&
               std::none_of(parts.symbols.begin(), parts.symbols.end(), [&](const Symbol* s) {
                   const std::vector<Point> pins = PinPositions(*s);
                   return std::find(pins.begin(), pins.end(), flag->at) != pins.end();
               });
    });
    return parts;
}

struct Bounds {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    void Add(Point p) {
        left = std::min(left, p.x);
        top = std::min(top, p.y);
        right = std::max(right, p.x);
        bottom = std::max(bottom, p.y);
    }
};

Bounds DrawingBounds(const Schematic& schematic, const DrawnParts& parts) {
    Bounds bounds;
    for (const Wire& w : schematic.wires) {
        bounds.Add(w.a);
        bounds.Add(w.b);
    }
    for (const Symbol* s : parts.symbols) {
        for (Point p : PinPositions(*s)) bounds.Add(p);
        bounds.Add(s->origin);
    }
    for (const Flag* f : parts.flags) bounds.Add(f->at);
    if (bounds.left > bounds.right) bounds = {0, 0, 0, 0};
    return bounds;
}

// Draws in a symbol's own coordinates, turned by its orientation and moved to the page.
class SymbolPen {
public:
    SymbolPen(Canvas& canvas, const Symbol& symbol, Point shift)
        : canvas_(canvas), symbol_(symbol), shift_(shift) {}
    void Line(Point from, Point to) {
        const Point a = Page(from), b = Page(to);
        canvas_.MoveTo(a.x, a.y);
        canvas_.LineTo(b.x, b.y);
    }
    void Polygon(const std::vector<Point>& corners) {
        for (std::size_t i = 0; i < corners.size(); ++i)
            Line(corners[i], corners[(i + 1) % corners.size()]);
    }
    Point Page(Point local) const {
        return symbol_.origin + Orient(symbol_.orientation, local) + shift_;
    }
    Point Shift() const { return shift_; }

private:
    Canvas& canvas_;
    const Symbol& symbol_;
    Point shift_;
};

void DrawSymbolShape(const Symbol& symbol, SymbolPen& pen, Canvas& canvas) {
    switch (symbol.kind) {
        case SymbolKind::Resistor:
            pen.Line({16, 16}, {16, 32});
            pen.Polygon({{8, 32}, {24, 32}, {24, 80}, {8, 80}});
            pen.Line({16, 80}, {16, 96});
            return;
        case SymbolKind::Capacitor:
            pen.Line({16, 0}, {16, 28});
            pen.Line({0, 28}, {32, 28});
            pen.Line({0, 36}, {32, 36});
            pen.Line({16, 36}, {16, 64});
            return;
        case SymbolKind::VoltageSource: {
            pen.Line({0, 16}, {0, 32});
            pen.Line({0, 80}, {0, 96});
            const Point centre = pen.Page({0, 56});
            canvas.Ellipse(centre.x - 24, centre.y - 24, centre.x + 24, centre.y + 24);
            pen.Line({-6, 44}, {6, 44});
            pen.Line({0, 38}, {0, 50});
            pen.Line({-6, 68}, {6, 68});
            return;
        }
        case SymbolKind::OpAmp:
            pen.Polygon({{-32, 32}, {-32, 96}, {32, 64}});
            pen.Line({-26, 48}, {-16, 48});  // inverting input
            pen.Line({-26, 80}, {-16, 80});  // non-inverting input
            pen.Line({-21, 75}, {-21, 85});
            return;
    }
}

// The legend lines the marks of the drawn parts call for.
std::vector<TextId> Legends(const DrawnParts& parts) {
    bool series = false, shorts = false;
    for (const Symbol* symbol : parts.symbols) {
        const PartLabel label = LabelOf(*symbol);
        if (label.mark.empty()) continue;
        (label.isShort ? shorts : series) = true;
    }
    std::vector<TextId> legends;
    if (series) legends.push_back(TextId::SchematicSeriesLegend);
    if (shorts) legends.push_back(TextId::SchematicShortLegend);
    return legends;
}

void DrawFlag(const Flag& flag, Point shift, Canvas& canvas) {
    const Point at = flag.at + shift;
    if (flag.net == "0") {
        canvas.MoveTo(at.x, at.y);
        canvas.LineTo(at.x, at.y + 8);
        for (const int half : {14, 9, 4}) {
            const int y = at.y + 8 + (14 - half);
            canvas.MoveTo(at.x - half, y);
            canvas.LineTo(at.x + half, y);
        }
        return;
    }
    canvas.TextOut(at.x - 8, at.y - 6 - canvas.TextHeight(), flag.net);
}

// A dot where three or more wires and pins meet.
void DrawJunctions(const Schematic& schematic, const DrawnParts& parts, Point shift,
                   Canvas& canvas) {
    std::map<Point, int> ends;
    for (const Wire& w : schematic.wires) {
        ++ends[w.a];
        ++ends[w.b];
    }
    for (const Symbol* s : parts.symbols)
        for (Point p : PinPositions(*s))
            if (ends.count(p) != 0) ++ends[p];
    for (const auto& [point, count] : ends) {
        if (count < 3) continue;
        const Point at = point + shift;
        canvas.Ellipse(at.x - 3, at.y - 3, at.x + 3, at.y + 3);
    }
}

Point Shift(const Bounds& bounds) {
    return {kMargin - bounds.left, kMargin - bounds.top};
}

// The labels of the drawn parts, with what they keep clear of.
SchematicLabelLayout LayOutLabels(const Schematic& schematic, const DrawnParts& parts) {
    const Bounds bounds = DrawingBounds(schematic, parts);
    SchematicLabelLayout layout;
    LabelObstacles& obstacles = layout.obstacles;
    obstacles.wires = schematic.wires;
    // Inside the margins, above the legend.
    obstacles.page = {bounds.left - kMargin + 4, bounds.top - kMargin + 4,
                      bounds.right + kMargin - 4, bounds.bottom + kMargin / 2 - 4};
    // A label right beside a part's shape would read as the next part's.
    for (const Symbol* symbol : parts.symbols) {
        const LabelBox shape = ShapeBox(*symbol);
        obstacles.boxes.push_back({shape.left - kPartClearance, shape.top - kPartClearance,
                                   shape.right + kPartClearance, shape.bottom + kPartClearance});
    }
    for (const Flag* flag : parts.flags) {
        const Point at = flag->at;
        obstacles.boxes.push_back(
            flag->net == "0"
                ? LabelBox{at.x - 14, at.y, at.x + 14, at.y + 22}
                : LineBox({{at.x - 8, at.y - 6 - kLabelMetrics.line}, flag->net}, kLabelMetrics));
    }
    layout.labels = PlaceLabels(parts.symbols, obstacles, kLabelMetrics);
    return layout;
}

}  // namespace

SchematicLabelLayout SchematicLabels(const Schematic& schematic) {
    return LayOutLabels(schematic, PartsToDraw(schematic));
}

DrawingSize SchematicDrawingSize(const Schematic& schematic) {
    const DrawnParts parts = PartsToDraw(schematic);
    const Bounds bounds = DrawingBounds(schematic, parts);
    const int legendLines = static_cast<int>(Legends(parts).size());
    return {bounds.right - bounds.left + 2 * kMargin,
            bounds.bottom - bounds.top + 2 * kMargin + legendLines * kLegendLine};
}

void DrawSchematic(const Schematic& schematic, Canvas& canvas) {
    const DrawnParts parts = PartsToDraw(schematic);
    const Bounds bounds = DrawingBounds(schematic, parts);
    const Point shift = Shift(bounds);
    canvas.SelectFont(kLabelFont);
    canvas.SelectPen(kWirePen);
    for (const Wire& w : schematic.wires) {
        canvas.MoveTo(w.a.x + shift.x, w.a.y + shift.y);
        canvas.LineTo(w.b.x + shift.x, w.b.y + shift.y);
    }
    DrawJunctions(schematic, parts, shift, canvas);
    canvas.SelectPen(kPartPen);
    for (const Flag* flag : parts.flags) DrawFlag(*flag, shift, canvas);
    for (const Symbol* symbol : parts.symbols) {
        SymbolPen pen(canvas, *symbol, shift);
        DrawSymbolShape(*symbol, pen, canvas);
    }
    for (const PlacedLabel& label : LayOutLabels(schematic, parts).labels) {
        for (const LabelLine& line : label.lines) {
            canvas.SelectFont(line.isMark ? kMarkFont : kLabelFont);
            canvas.TextOut(line.at.x + shift.x, line.at.y + shift.y, line.text);
        }
    }
    canvas.SelectFont(kLabelFont);
    // The legend, in the bottom margin below the lowest labels.
    int y = bounds.bottom - bounds.top + kMargin + kMargin / 2;
    for (const TextId legend : Legends(parts)) {
        canvas.TextOut(kMargin / 4, y, Text(legend));
        y += kLegendLine;
    }
}

}  // namespace vorna
