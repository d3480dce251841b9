#include "topology/Circuits.h"

#include "platform/CLocale.h"

namespace vorna::installation {
namespace {

// Gap between one section's output and the next section's input.
constexpr int kSectionGap = 64;

}  // namespace

std::vector<SectionCircuit> SectionSequence(const BasicCircuit& circuit, int order) {
    std::vector<SectionCircuit> sections;
    const bool odd = order % 2 == 1;
    if (odd && circuit.firstOrderSection) sections.push_back(*circuit.firstOrderSection);
    // A band design has a second-order section per pole of its prototype (of the order), a
    // low-pass or high-pass design one per pole pair.
    const int secondOrderCount = IsBand(circuit.kind) ? order : order / 2;
    for (int i = 0; i < secondOrderCount; ++i) {
        const bool ownSectionZero = i == 0 && odd && circuit.oddSectionZero;
        sections.push_back(ownSectionZero ? *circuit.oddSectionZero : circuit.secondOrderSection);
    }
    return sections;
}

std::string ReferenceFileName(const BasicCircuit& circuit, int order) {
    return Format("%s_%-d.asc", std::string(circuit.code).c_str(), order);
}

namespace {

// The AC source on the left with the "in" flag, the supplies below it.
Schematic WithSources() {
    Schematic s;
    s.symbols.push_back({SymbolKind::VoltageSource, {-160, -16}, Orientation::R0, "V1", "AC 1"});
    s.flags.push_back({{-160, 80}, "0"});
    s.wires.push_back({{-160, 0}, {0, 0}});
    s.flags.push_back({{-96, 0}, "in"});
    s.symbols.push_back({SymbolKind::VoltageSource, {-160, 208}, Orientation::R0, "V2", "15"});
    s.flags.push_back({{-160, 224}, "VCC"});
    s.flags.push_back({{-160, 304}, "0"});
    s.symbols.push_back({SymbolKind::VoltageSource, {-64, 208}, Orientation::R0, "V3", "-15"});
    s.flags.push_back({{-64, 224}, "VEE"});
    s.flags.push_back({{-64, 304}, "0"});
    return s;
}

// The "out" flag a little right of the last section's output.
void AddOutputFlag(Schematic& s, Point output) {
    const Point end{output.x + 64, output.y};
    s.wires.push_back({output, end});
    s.flags.push_back({end, "out"});
}

}  // namespace

Schematic ReferenceSchematic(const BasicCircuit& circuit, int order) {
    Schematic s = WithSources();
    int opAmps = 0;
    int number = 0;
    Point input{0, 0};
    Point output = input;
    for (SectionCircuit section : SectionSequence(circuit, order)) {
        if (number > 0) {
            input = {output.x + kSectionGap, output.y};
            s.wires.push_back({output, input});
        }
        output = DrawSection(section, s, input, std::to_string(++number), &opAmps);
    }
    AddOutputFlag(s, output);

    s.texts.push_back({{-160, -544}, ";Information 1"});
    s.texts.push_back({{-160, -512}, ";Information 2"});
    s.texts.push_back({{-160, -464}, "!.ac dec 100 10m 100Meg"});
    SplitWiresAtJunctions(s);
    return s;
}

Schematic SectionSchematic(SectionCircuit circuit, int number) {
    Schematic s = WithSources();
    int opAmps = 0;
    AddOutputFlag(s, DrawSection(circuit, s, {0, 0}, std::to_string(number), &opAmps));
    SplitWiresAtJunctions(s);
    return s;
}

}  // namespace vorna::installation
