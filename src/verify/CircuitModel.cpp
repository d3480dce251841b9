#include "verify/CircuitModel.h"

#include <algorithm>
#include <cmath>

#include "circuit/EngValue.h"
#include "circuit/models/FirstOrderModel.h"

namespace vorna::verify {
namespace {

Realisation Usable(const FirstOrderSection& f) {
    if (!std::isfinite(f.p1) || !std::isfinite(f.p2) || !std::isfinite(f.p0))
        return Realisation::NotFinite;
    return f.p0 > 0 ? Realisation::Usable : Realisation::UnstableRealPole;
}

Realisation Usable(const CircuitResponse& r) {
    const Section& p = r.section;
    if (!std::ranges::all_of(InFileOrder(p), [](double c) { return std::isfinite(c); }) ||
        !std::isfinite(r.zero) || !std::isfinite(r.pole))
        return Realisation::NotFinite;
    // s^2 + den1 s + den0 with den0 <= 0 has a real root at or above zero.
    if (!(r.pole > 0) || !(p.den0 > 0)) return Realisation::UnstableRealPole;
    return p.den1 > 0 ? Realisation::Usable : Realisation::UnstablePolePair;
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
        const std::span<const std::string_view> reads = EquationElements(section.circuit);
        part.readCount = reads.size();
        for (std::size_t k = 0; k < reads.size(); ++k) {
            const auto& elements = part.circuit.elements;
            const auto found = std::find_if(elements.begin(), elements.end(),
                                            [&](const auto& e) { return e.name == reads[k]; });
            part.reads[k] = found == elements.end()
                                ? kMissing
                                : static_cast<std::size_t>(found - elements.begin());
        }
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

Realisation CircuitModel::RealisePart(const SectionPart& part, std::span<const double> values,
                                      PartResponse& response) {
    const std::span<const double> own =
        values.subspan(part.firstElement, part.circuit.elements.size());
    if (!std::ranges::all_of(own, [](double v) { return v > 0 && std::isfinite(v); }))
        return Realisation::ValueNotPositive;
    std::array<double, kMostEquationElements> read{};
    for (std::size_t k = 0; k < part.readCount; ++k)
        read[k] = part.reads[k] == kMissing ? std::numeric_limits<double>::quiet_NaN()
                                            : own[part.reads[k]];
    const SectionCircuit circuit = part.circuit.circuit;
    if (const auto* first = std::get_if<FirstOrderSection>(&part.designed)) {
        const bool firstOrder = circuit == SectionCircuit::FirstOrderLowPass ||
                                circuit == SectionCircuit::FirstOrderHighPass;
        response = firstOrder ? RealiseFirstOrder(circuit == SectionCircuit::FirstOrderLowPass,
                                                  read[0], read[1], *first)
                              : *first;
    } else {
        response = RealiseCircuit(circuit, std::span(read).first(part.readCount),
                                  std::get<Section>(part.designed));
    }
    return std::visit([](const auto& r) { return Usable(r); }, response);
}

bool CircuitModel::RealiseSection(int number, std::span<const double> values,
                                  PartResponse& section) const {
    const auto part =
        std::find_if(sections_.begin(), sections_.end(),
                     [number](const SectionPart& p) { return p.circuit.number == number; });
    return part != sections_.end() && RealisePart(*part, values, section) == Realisation::Usable;
}

Realisation CircuitModel::Realise(std::span<const double> values,
                                  analysis::Cascade& cascade) const {
    cascade.domain = analysis::Domain::Analog;
    cascade.first.reset();
    cascade.sections.assign(secondOrderCount_, Section{});
    for (const SectionPart& part : sections_) {
        PartResponse response;
        const Realisation realisation = RealisePart(part, values, response);
        if (realisation != Realisation::Usable) return realisation;
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
    return Realisation::Usable;
}

}  // namespace vorna::verify
