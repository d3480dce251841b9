#include "verify/CircuitModel.h"

#include <algorithm>
#include <cmath>

#include "circuit/EngValue.h"

namespace vorna::verify {
namespace {

bool Usable(const FirstOrderSection& f) {
    return std::isfinite(f.p1) && std::isfinite(f.p2) && std::isfinite(f.p0) && f.p0 > 0;
}

bool Usable(const CircuitResponse& r) {
    const Section& p = r.section;
    if (!std::ranges::all_of(InFileOrder(p), [](double c) { return std::isfinite(c); }))
        return false;
    if (!(r.pole > 0) || !std::isfinite(r.zero)) return false;
    return p.den1 > 0 && p.den0 > 0;
}

// Appends to `section` the resistors and capacitors of the written schematic that belong to
// it and that the synthesis leaves as drawn (the gain-of-two pair Rx1, Rx2 of the
// dual-amplifier band-pass), with their written values.
bool AddFixedParts(const installation::Schematic& written, SectionElements& section,
                   std::string& error) {
    const std::string suffix = "_" + std::to_string(section.number);
    for (const installation::Symbol& symbol : written.symbols) {
        if (symbol.kind != installation::SymbolKind::Resistor &&
            symbol.kind != installation::SymbolKind::Capacitor)
            continue;
        if (!symbol.instName.ends_with(suffix)) continue;
        const std::string name = symbol.instName.substr(0, symbol.instName.size() - suffix.size());
        if (std::isfinite(section.Value(name))) continue;  // settled
        const std::optional<double> value = ParseCompactValue(symbol.value);
        if (!value) {
            error = "the written schematic gives " + symbol.instName + " no readable value";
            return false;
        }
        section.elements.push_back({name, *value});
    }
    return true;
}

}  // namespace

std::optional<CircuitModel> CircuitModel::Of(const RealisedCircuit& circuit, std::string& error) {
    if (circuit.sections.empty()) {
        error = "the circuit has no realised sections";
        return std::nullopt;
    }
    CircuitModel model;
    const DesignResults& r = circuit.results;
    for (const SectionElements& section : circuit.sections) {
        SectionPart part{section, {}, model.elements_.size()};
        if (section.index < 0) {
            part.designed = FirstOrderSection{r.p0, r.p1, r.p2};
        } else if (static_cast<std::size_t>(section.index) < r.sections.size()) {
            part.designed = r.sections[static_cast<std::size_t>(section.index)];
            model.secondOrderCount_ =
                std::max(model.secondOrderCount_, static_cast<std::size_t>(section.index) + 1);
        } else {
            error = "a realised section lies outside the design";
            return std::nullopt;
        }
        if (!AddFixedParts(circuit.schematic, part.circuit, error)) return std::nullopt;
        for (const CircuitElement& element : part.circuit.elements) {
            const ElementKind kind =
                element.name.starts_with("C") ? ElementKind::Capacitor : ElementKind::Resistor;
            model.elements_.push_back({element.name + "_" + std::to_string(section.number), kind,
                                       element.value, section.number});
        }
        model.sections_.push_back(std::move(part));
    }
    return model;
}

std::vector<double> CircuitModel::NominalValues() const {
    std::vector<double> values;
    for (const ModelElement& element : elements_) values.push_back(element.value);
    return values;
}

bool CircuitModel::RealisePart(const SectionPart& part, std::span<const double> values,
                               PartResponse& response) {
    SectionElements drawn = part.circuit;
    for (std::size_t i = 0; i < drawn.elements.size(); ++i) {
        const double value = values[part.firstElement + i];
        if (!(value > 0) || !std::isfinite(value)) return false;
        drawn.elements[i].value = value;
    }
    if (const auto* first = std::get_if<FirstOrderSection>(&part.designed)) {
        response = vorna::Realise(drawn, *first);
    } else {
        response = RealiseCircuit(drawn, std::get<Section>(part.designed));
    }
    return std::visit([](const auto& r) { return Usable(r); }, response);
}

bool CircuitModel::RealiseSection(int number, std::span<const double> values,
                                  PartResponse& section) const {
    const auto part =
        std::find_if(sections_.begin(), sections_.end(),
                     [number](const SectionPart& p) { return p.circuit.number == number; });
    return part != sections_.end() && RealisePart(*part, values, section);
}

bool CircuitModel::Realise(std::span<const double> values, analysis::Cascade& cascade) const {
    cascade.domain = analysis::Domain::Analog;
    cascade.first.reset();
    cascade.sections.assign(secondOrderCount_, Section{});
    for (const SectionPart& part : sections_) {
        PartResponse response;
        if (!RealisePart(part, values, response)) return false;
        if (const auto* first = std::get_if<FirstOrderSection>(&response)) {
            cascade.first = *first;
            continue;
        }
        const CircuitResponse& r = std::get<CircuitResponse>(response);
        cascade.sections[static_cast<std::size_t>(part.circuit.index)] = r.section;
        if (r.zero != r.pole)
            cascade.sections.push_back(
                {2 * r.pole, r.pole * r.pole, 1, r.zero + r.pole, r.zero * r.pole});
    }
    return true;
}

}  // namespace vorna::verify
