#include "output/CircuitOutput.h"

#include "circuit/EngValue.h"
#include "dialogs/ComponentValueDialog.h"
#include "output/SchematicText.h"
#include "platform/CLocale.h"

namespace vorna {

namespace {

// Lines this short cannot hold a keyword with anything after it.
constexpr std::size_t kShortestClassifiedLine = 37;

bool IsCodeUnit(std::string_view bytes, std::size_t offset, char ascii) {
    return offset + 1 < bytes.size() &&
           CodeUnitAt(bytes, offset) == static_cast<unsigned char>(ascii);
}

// The instance name after the "SYMATTR InstName " prefix, up to the line end.
std::string InstanceName(const SchematicLine& line) {
    std::string name = line.text.substr(SchematicKeywords::instanceName.size());
    if (name.size() >= 2 && CodeUnitAt(name, name.size() - 2) == 0x000A)
        name.resize(name.size() - 2);
    return name;
}

// Rule for "SYMATTR InstName " lines; false when the name is neither a resistor nor a
// capacitor, so that the later rules may look at the line.
bool ClassifyComponent(const SchematicLine& line, std::size_t index,
                       std::vector<ComponentEntry>& resistors,
                       std::vector<ComponentEntry>& capacitors) {
    const std::size_t nameStart = SchematicKeywords::instanceName.size();
    if (IsCodeUnit(line.text, nameStart, 'R')) {
        // "Rx..." resistors are fixed parts of the drawing and keep their values.
        if (!IsCodeUnit(line.text, nameStart + 2, 'x'))
            resistors.push_back({index, InstanceName(line)});
        return true;
    }
    if (IsCodeUnit(line.text, nameStart, 'C')) {
        capacitors.push_back({index, InstanceName(line)});
        return true;
    }
    return false;
}

// The byte position just after the ';' of an "Information 1" or "Information 2" comment of a
// TEXT line, with the marker's number; 0 when the line is a directive ('!' before any ';')
// or carries no such marker.
std::pair<std::size_t, int> InformationMarker(const SchematicLine& line) {
    const std::string_view text = line.text;
    for (std::size_t i = SchematicKeywords::textLine.size(); i + 1 < text.size(); i += 2) {
        const unsigned unit = CodeUnitAt(text, i);
        if (unit == '!') return {0, 0};
        if (unit != ';') continue;
        const std::size_t position = i + 2;
        if (!text.substr(position).starts_with(SchematicKeywords::information)) return {0, 0};
        const std::size_t digit = position + SchematicKeywords::information.size();
        if (IsCodeUnit(text, digit, '1')) return {position, 1};
        if (IsCodeUnit(text, digit, '2')) return {position, 2};
        return {0, 0};
    }
    return {0, 0};
}

}  // namespace

CircuitOutput::CircuitOutput()
    : replacementName(WidenToUtf16(kDefaultReplacementOpAmp)),
      informationTexts{SchematicKeywords::lineFeed, SchematicKeywords::lineFeed},
      replacementOpAmp_(kDefaultReplacementOpAmp) {}

CandidateChooser& CircuitOutput::Chooser(Ui& ui) {
    if (candidateChooser != nullptr) return *candidateChooser;
    dialogChooser_ = std::make_unique<DialogChooser>(ui);
    return *dialogChooser_;
}

void CircuitOutput::SetReplacementName(const std::string& name) {
    replacementName = WidenToUtf16(name);
    replacementOpAmp_ = name;
}

std::string CircuitOutput::SchematicOpAmp() const {
    return replaceOpAmp ? replacementOpAmp_ : std::string(kReferenceOpAmp);
}

void CircuitOutput::SetInformationTexts(const std::string& title,
                                        const std::string& specification) {
    informationTexts[0] = WidenToUtf16(title) + SchematicKeywords::lineFeed;
    informationTexts[1] = WidenToUtf16(specification) + SchematicKeywords::lineFeed;
}

bool ReplaceOpAmpSymbol(SchematicLine& line, const std::string& searchPrefix,
                        const std::string& newName) {
    if (!line.StartsWith(searchPrefix)) return false;
    // The name ends at a blank, a control character (the line end) or the end of the line.
    const std::size_t after = searchPrefix.size();
    if (after + 1 < line.text.size() && CodeUnitAt(line.text, after) > 0x20) return false;
    const std::size_t keep = SchematicKeywords::opAmpSymbol.size();
    line.text = line.text.substr(0, keep) + newName + line.text.substr(searchPrefix.size());
    return true;
}

void CircuitOutput::ClassifySchematicLines() {
    resistors.clear();
    capacitors.clear();
    informationLines.clear();
    const std::string referenceSymbol =
        SchematicKeywords::opAmpSymbol + WidenToUtf16(kReferenceOpAmp);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        SchematicLine& line = lines[index];
        if (line.text.size() < kShortestClassifiedLine) continue;
        if (line.StartsWith(SchematicKeywords::instanceName) &&
            ClassifyComponent(line, index, resistors, capacitors)) {
            continue;
        }
        if (replaceOpAmp && ReplaceOpAmpSymbol(line, referenceSymbol, replacementName)) continue;
        if (!line.StartsWith(SchematicKeywords::textLine)) continue;
        const auto [position, number] = InformationMarker(line);
        if (number == 0) continue;
        informationLines.push_back({index, number, position});
        line.text =
            line.text.substr(0, position) + informationTexts[static_cast<std::size_t>(number - 1)];
    }
}

void CircuitOutput::ElementSettled(const std::string& name, int section, double value) {
    if (MakesSchematic()) SetComponentValue((name + "_%-d").c_str(), section, value);
}

bool CircuitOutput::MakesSchematic() const {
    return outputMode == OutputMode::SchematicAndJournal ||
           (schematicAlwaysMade && !referenceText.empty());
}

void CircuitOutput::SetComponentValue(const char* nameFormat, int section, double value) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const std::string name = Format(nameFormat, section);
#pragma GCC diagnostic pop
    elementValues.push_back({name, value});

    const std::string wideName = WidenToUtf16(name);
    const auto& table = name.starts_with('R') ? resistors : capacitors;
    for (const auto& entry : table) {
        if (entry.name != wideName) continue;
        // The value line is the one just before the name line, or else the one just after.
        for (const std::size_t candidate : {entry.line - 1, entry.line + 1}) {
            if (candidate >= lines.size()) continue;  // also the wrapped "before" of line 0
            SchematicLine& valueLine = lines[candidate];
            if (!valueLine.StartsWith(SchematicKeywords::valueLine)) continue;
            valueLine.text = SchematicKeywords::valueLine +
                             WidenToUtf16(FormatCompactValue(value)) + SchematicKeywords::lineFeed;
            return;
        }
        return;
    }
}

}  // namespace vorna
