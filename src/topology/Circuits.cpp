#include "topology/Circuits.h"

#include "platform/CLocale.h"

namespace vorna::installation {
namespace {

constexpr const char* kNames[kCircuitCount] = {"LP1", "LP2", "LP3", "LP4", "HP1", "HP2", "HP3",
                                               "HP4", "BP1", "BP2", "BP3", "BP4", "BE1", "BE2"};

// The section type of every second-order section of each circuit.
constexpr SectionType kSecondOrder[kCircuitCount] = {
    SectionType::MfbLowPass,         SectionType::SallenKeyLowPass,
    SectionType::StateVariableNotch, SectionType::TwinTNotch,
    SectionType::MfbHighPass,        SectionType::SallenKeyHighPass,
    SectionType::StateVariableNotch, SectionType::TwinTNotch,
    SectionType::MfbBandPass,        SectionType::DualAmpBandPass,
    SectionType::StateVariableNotch, SectionType::TwinTNotch,
    SectionType::StateVariableNotch, SectionType::TwinTNotch,
};

constexpr int kFirstHighPass = 4;
constexpr int kFirstBand = 8;
constexpr int kBp3 = 10;
constexpr int kBp4 = 11;

// Gap between one section's output and the next section's input.
constexpr int kSectionGap = 64;

}  // namespace

const char* CircuitName(int circuit) {
    return kNames[circuit];
}

std::vector<SectionType> SectionSequence(int circuit, int order) {
    std::vector<SectionType> sections;
    const bool odd = order % 2 == 1;
    int secondOrderCount = order;
    if (circuit < kFirstBand) {
        if (odd)
            sections.push_back(circuit < kFirstHighPass ? SectionType::FirstOrderLowPass
                                                        : SectionType::FirstOrderHighPass);
        secondOrderCount = order / 2;
    } else if ((circuit == kBp3 || circuit == kBp4) && odd) {
        sections.push_back(SectionType::DualAmpBandPass);
        secondOrderCount = order - 1;
    }
    sections.insert(sections.end(), secondOrderCount, kSecondOrder[circuit]);
    return sections;
}

std::string ReferenceFileName(int circuit, int order) {
    return Format("%s_%-d.asc", kNames[circuit], order);
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

Schematic ReferenceSchematic(int circuit, int order) {
    Schematic s = WithSources();
    int opAmps = 0;
    int number = 0;
    Point input{0, 0};
    Point output = input;
    for (SectionType type : SectionSequence(circuit, order)) {
        if (number > 0) {
            input = {output.x + kSectionGap, output.y};
            s.wires.push_back({output, input});
        }
        output = DrawSection(type, s, input, std::to_string(++number), &opAmps);
    }
    AddOutputFlag(s, output);

    s.texts.push_back({{-160, -544}, ";Information 1"});
    s.texts.push_back({{-160, -512}, ";Information 2"});
    s.texts.push_back({{-160, -464}, "!.ac dec 100 10m 100Meg"});
    SplitWiresAtJunctions(s);
    return s;
}

Schematic SectionSchematic(SectionType type, int number) {
    Schematic s = WithSources();
    int opAmps = 0;
    AddOutputFlag(s, DrawSection(type, s, {0, 0}, std::to_string(number), &opAmps));
    SplitWiresAtJunctions(s);
    return s;
}

}  // namespace vorna::installation
