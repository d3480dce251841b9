#include "output/BillOfMaterials.h"

#include <charconv>
#include <optional>

#include "circuit/ESeries.h"
#include "circuit/EngValue.h"
#include "circuit/models/BandPassModel.h"
#include "platform/CLocale.h"
#include "view/EngineeringNotation.h"

namespace vorna {

using installation::Symbol;
using installation::SymbolKind;

namespace {

// The section a designator names by its suffix ("R1_2" is of section 2).
int SectionOf(const std::string& designator) {
    const std::size_t underscore = designator.rfind('_');
    if (underscore == std::string::npos) return 0;
    int section = 0;
    const char* first = designator.data() + underscore + 1;
    const char* last = designator.data() + designator.size();
    const auto [end, error] = std::from_chars(first, last, section);
    return error == std::errc() && end == last && end != first ? section : 0;
}

// The fewest significant digits that give `value` back but for the rounding of its
// decimal reading ("9.77472n" reads as 9.77472 times 1e-9, a hair off 9.77472e-09).
std::string PlainNumber(double value) {
    return Format("%.*g", RoundTripDigits(value), value);
}

const char* PartName(PartKind part) {
    switch (part) {
        case PartKind::Resistor:
            return "resistor";
        case PartKind::Capacitor:
            return "capacitor";
        case PartKind::OpAmp:
            return "opamp";
    }
    return "resistor";
}

// A CSV field: quoted, with its quotes doubled, when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

}  // namespace

std::vector<BomLine> BillOfMaterials(const installation::Schematic& schematic) {
    std::vector<BomLine> lines;
    int lastSection = 0;
    for (const Symbol& symbol : schematic.symbols) {
        BomLine line;
        line.designator = symbol.instName;
        switch (symbol.kind) {
            case SymbolKind::VoltageSource:
                continue;
            case SymbolKind::OpAmp:
                // An op-amp belongs to the section of the parts listed before it.
                line.part = PartKind::OpAmp;
                line.value = symbol.model;
                line.section = lastSection;
                lines.push_back(line);
                continue;
            case SymbolKind::Resistor:
            case SymbolKind::Capacitor:
                break;
        }
        line.part = symbol.kind == SymbolKind::Resistor ? PartKind::Resistor : PartKind::Capacitor;
        const std::optional<double> value = ParseCompactValue(symbol.value);
        line.value = value ? PlainNumber(*value) : symbol.value;
        line.isShort = line.part == PartKind::Resistor && value && IsGainStageShort(*value);
        if (value && !line.isShort) line.series = SeriesOfValue(*value);
        line.section = SectionOf(symbol.instName);
        if (line.section != 0) lastSection = line.section;
        lines.push_back(line);
    }
    // Op-amps listed before any part of a section belong to the first section.
    for (BomLine& line : lines) {
        if (line.part != PartKind::OpAmp || line.section != 0) continue;
        for (const BomLine& part : lines) {
            if (part.section != 0) {
                line.section = part.section;
                break;
            }
        }
    }
    return lines;
}

std::string BomCsv(const std::vector<BomLine>& lines) {
    std::string csv = "designator,part,value,series,section\n";
    for (const BomLine& line : lines) {
        csv += CsvField(line.designator) + ',' + PartName(line.part) + ',' + CsvField(line.value) +
               ',' + line.series + ',' +
               (line.section == 0 ? std::string() : std::to_string(line.section)) + '\n';
    }
    return csv;
}

}  // namespace vorna
