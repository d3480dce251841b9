#include "diagram/Diagrams.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>

#include "schematic/Schematic.h"

namespace vorna::installation {
namespace {

enum Colour : std::uint8_t { kWhite, kBlack, kBlue, kRed, kGrey };

constexpr int kMargin = 24;
constexpr int kTextScale = 2;
constexpr int kLineHeight = 18;

using Polyline = std::vector<Point>;

// The symbols' drawings in their own coordinates at R0 (the simulator's pin offsets).
std::vector<Polyline> SymbolShape(SymbolKind kind) {
    switch (kind) {
        case SymbolKind::Resistor:
            return {{{16, 16},
                     {16, 24},
                     {4, 28},
                     {28, 36},
                     {4, 44},
                     {28, 52},
                     {4, 60},
                     {28, 68},
                     {4, 76},
                     {28, 84},
                     {16, 88},
                     {16, 96}}};
        case SymbolKind::Capacitor:
            return {{{16, 0}, {16, 26}},
                    {{0, 26}, {32, 26}},
                    {{0, 38}, {32, 38}},
                    {{16, 38}, {16, 64}}};
        case SymbolKind::OpAmp:
            return {{{-32, 16}, {32, 64}, {-32, 112}, {-32, 16}},
                    {{-26, 48}, {-16, 48}},
                    {{-26, 80}, {-16, 80}},
                    {{-21, 75}, {-21, 85}}};
        case SymbolKind::VoltageSource:
            return {{{0, 16}, {0, 32}}, {{0, 80}, {0, 96}}};
    }
    return {};
}

const Polyline kGroundShape[] = {{{-16, 0}, {16, 0}}, {{-10, 8}, {10, 8}}, {{-4, 16}, {4, 16}}};

class Mapping {
public:
    Mapping(int minX, int minY, int maxX, int maxY, int top) : minX_(minX), minY_(minY) {
        const double sx =
            static_cast<double>(kDiagramWidth - 2 * kMargin) / std::max(1, maxX - minX);
        const double sy =
            static_cast<double>(kDiagramHeight - top - kMargin) / std::max(1, maxY - minY);
        scale_ = std::min({sx, sy, 1.0});
        left_ = (kDiagramWidth - static_cast<int>(std::lround((maxX - minX) * scale_))) / 2;
        top_ = top + (kDiagramHeight - top - kMargin -
                      static_cast<int>(std::lround((maxY - minY) * scale_))) /
                         2;
    }
    int X(int x) const { return left_ + static_cast<int>(std::lround((x - minX_) * scale_)); }
    int Y(int y) const { return top_ + static_cast<int>(std::lround((y - minY_) * scale_)); }

private:
    int minX_, minY_;
    double scale_ = 1;
    int left_ = 0, top_ = 0;
};

struct Labelled {
    Schematic schematic;
    Point input, output;
};

Labelled BuildSections(const DiagramSpec& spec) {
    Labelled result;
    int opAmps = 0;
    Point at{0, 0};
    result.input = at;
    for (size_t i = 0; i < spec.sections.size(); ++i) {
        if (i > 0) {
            const Point next{at.x + 96, at.y};
            result.schematic.wires.push_back({at, next});
            at = next;
        }
        at = DrawSection(spec.sections[i].first, result.schematic, at, spec.sections[i].second,
                         &opAmps);
    }
    result.output = at;
    SplitWiresAtJunctions(result.schematic);
    return result;
}

void Bounds(const Labelled& l, int* minX, int* minY, int* maxX, int* maxY) {
    *minX = *minY = INT_MAX;
    *maxX = *maxY = INT_MIN;
    auto take = [&](Point p) {
        *minX = std::min(*minX, p.x);
        *minY = std::min(*minY, p.y);
        *maxX = std::max(*maxX, p.x);
        *maxY = std::max(*maxY, p.y);
    };
    for (const Wire& w : l.schematic.wires) {
        take(w.a);
        take(w.b);
    }
    for (const Symbol& s : l.schematic.symbols)
        for (const Polyline& line : SymbolShape(s.kind))
            for (Point p : line) take(s.origin + Orient(s.orientation, p));
    for (const Flag& f : l.schematic.flags)
        if (f.net == "0") take(f.at + Point{0, 16});
    // Room for the in and out labels and for the element labels beside the parts.
    take(l.input - Point{48, 0});
    take(l.output + Point{64, 0});
    *minY -= 24;
    *maxX += 48;
}

void DrawPolyline(Raster& r, const Mapping& m, const Polyline& line, Point origin, Orientation o,
                  int thickness) {
    for (size_t i = 1; i < line.size(); ++i) {
        const Point a = origin + Orient(o, line[i - 1]), b = origin + Orient(o, line[i]);
        r.Line(m.X(a.x), m.Y(a.y), m.X(b.x), m.Y(b.y), kBlack, thickness);
    }
}

// Ink already in a rectangle (with a margin of two pixels), to keep labels off the drawing.
int InkIn(const Raster& r, int x, int y, int w, int h) {
    int ink = 0;
    for (int j = y - 2; j < y + h + 2; ++j)
        for (int i = x - 2; i < x + w + 2; ++i)
            if (i < 0 || j < 0 || i >= r.Width() || j >= r.Height() || r.At(i, j) != kWhite) ++ink;
    return ink;
}

// The label of a resistor or capacitor, beside a vertical part or above or below a
// horizontal one, on whichever side has the least drawing in the way.
void DrawPartLabel(Raster& r, const Mapping& m, const Symbol& s) {
    const std::vector<Point> pins = PinPositions(s);
    const int cx = (m.X(pins[0].x) + m.X(pins[1].x)) / 2,
              cy = (m.Y(pins[0].y) + m.Y(pins[1].y)) / 2;
    const int w = Raster::TextWidth(s.instName, kTextScale), h = Raster::TextHeight(kTextScale);
    const bool vertical = pins[0].x == pins[1].x;
    const Point sides[2] = {vertical ? Point{cx + 12, cy - h / 2} : Point{cx - w / 2, cy - 12 - h},
                            vertical ? Point{cx - 12 - w, cy - h / 2} : Point{cx - w / 2, cy + 12}};
    const Point* best = &sides[0];
    if (InkIn(r, sides[1].x, sides[1].y, w, h) < InkIn(r, sides[0].x, sides[0].y, w, h))
        best = &sides[1];
    r.Text(best->x, best->y, s.instName, kBlue, kTextScale);
}

}  // namespace

const std::vector<DiagramSpec>& DiagramSpecs() {
    const std::string names = "names end in _n, n = section number";
    const std::string oddFirst = "odd orders: first-order section 1 first";
    static const std::vector<DiagramSpec> specs = {
        {"khn_lp1.bmp",
         {"LP1: multiple-feedback low-pass", "R3_n = R1_n", names, oddFirst},
         {{SectionCircuit::FirstOrderLowPass, "1"},
          {SectionCircuit::MultipleFeedbackLowPass, "n"}}},
        {"khn_lp2.bmp",
         {"LP2: unity-gain Sallen-Key low-pass", names, oddFirst},
         {{SectionCircuit::FirstOrderLowPass, "1"}, {SectionCircuit::SallenKeyLowPass, "n"}}},
        {"khn_hp1.bmp",
         {"HP1: multiple-feedback high-pass", "C3_n = C1_n; first-order section: R2_1 = R1_1",
          names, oddFirst},
         {{SectionCircuit::FirstOrderHighPass, "1"},
          {SectionCircuit::MultipleFeedbackHighPass, "n"}}},
        {"khn_hp2.bmp",
         {"HP2: unity-gain Sallen-Key high-pass", "first-order section: R2_1 = R1_1", names,
          oddFirst},
         {{SectionCircuit::FirstOrderHighPass, "1"}, {SectionCircuit::SallenKeyHighPass, "n"}}},
        {"khn_bp1.bmp",
         {"BP1: multiple-feedback band-pass", "C1_n = C2_n", names},
         {{SectionCircuit::MultipleFeedbackBandPass, "n"}}},
        {"khn_bp2.bmp",
         {"BP2: dual-amplifier band-pass", "R11 = R12, R21 = R22, C1 = C2; Rx1 = Rx2 fixed",
          "gain stage 1 + R3/R4", names},
         {{SectionCircuit::DualAmplifierBandPass, "n"}}},
        {"khn_be1.bmp",
         {"LP3 HP3 BP3 BE1: state-variable (lpet1)", "Rb1 = Rb2, Cb1 = Cb2, R41 .. R45 all equal",
          names, "odd LP3, HP3: first-order section 1 of LP1, HP1",
          "odd BP3: section 1 is a BP2 section"},
         {{SectionCircuit::StateVariableNotch, "n"}}},
        {"khn_be2.bmp",
         {"LP4 HP4 BP4 BE2: twin-T (lpet2)", "Rb1 = Rb2 = 2 R1, C1 = 2 Cb1 = 2 Cb2", names,
          "odd LP4, HP4: first-order section 1 of LP1, HP1", "odd BP4: section 1 is a BP2 section"},
         {{SectionCircuit::IntegratorNotch, "n"}}},
    };
    return specs;
}

Raster DrawDiagram(const DiagramSpec& spec) {
    Raster r(kDiagramWidth, kDiagramHeight, kWhite);
    int y = kMargin / 2;
    for (size_t i = 0; i < spec.captions.size(); ++i) {
        r.Text(kMargin / 2, y, spec.captions[i], i == 0 ? kRed : kGrey, kTextScale);
        y += kLineHeight + (i == 0 ? 6 : 0);
    }

    const Labelled l = BuildSections(spec);
    int minX, minY, maxX, maxY;
    Bounds(l, &minX, &minY, &maxX, &maxY);
    const Mapping m(minX, minY, maxX, maxY, y + kMargin / 2);

    std::map<Point, int> ends;
    for (const Wire& w : l.schematic.wires) {
        r.Line(m.X(w.a.x), m.Y(w.a.y), m.X(w.b.x), m.Y(w.b.y), kBlack, 2);
        ++ends[w.a];
        ++ends[w.b];
    }
    for (const Symbol& s : l.schematic.symbols) {
        for (const Polyline& line : SymbolShape(s.kind))
            DrawPolyline(r, m, line, s.origin, s.orientation, 2);
        for (Point p : PinPositions(s)) ++ends[p];
    }
    for (const Flag& f : l.schematic.flags) {
        if (f.net != "0") continue;
        ++ends[f.at];
        for (const Polyline& line : kGroundShape)
            DrawPolyline(r, m, line, f.at, Orientation::R0, 2);
    }
    for (const auto& [p, count] : ends)
        if (count >= 3) r.Disc(m.X(p.x), m.Y(p.y), 3, kBlack);

    for (const Symbol& s : l.schematic.symbols)
        if (s.kind != SymbolKind::OpAmp) DrawPartLabel(r, m, s);

    const int h = Raster::TextHeight(kTextScale);
    r.Circle(m.X(l.input.x), m.Y(l.input.y), 4, kBlack);
    r.Text(m.X(l.input.x) - 8 - Raster::TextWidth("in", kTextScale), m.Y(l.input.y) - h / 2, "in",
           kRed, kTextScale);
    r.Circle(m.X(l.output.x), m.Y(l.output.y), 4, kBlack);
    r.Text(m.X(l.output.x) + 8, m.Y(l.output.y) - h / 2, "out", kRed, kTextScale);
    return r;
}

std::string DiagramBitmap(const DiagramSpec& spec) {
    std::array<Rgb, 256> palette{};
    palette[kWhite] = {255, 255, 255};
    palette[kBlack] = {0, 0, 0};
    palette[kBlue] = {0, 0, 160};
    palette[kRed] = {160, 0, 0};
    palette[kGrey] = {64, 64, 64};
    return DrawDiagram(spec).Bmp(palette);
}

}  // namespace vorna::installation
