#include "verify/CircuitModel.h"

#include <algorithm>
#include <cmath>

namespace vorna::verify {
namespace {

bool Usable(const Section& p, bool firstOrder) {
    if (!std::all_of(p.begin(), p.end(), [](double c) { return std::isfinite(c); })) return false;
    return firstOrder ? p[0] > 0 : p[0] > 0 && p[1] > 0;
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
            part.designed = {r.p0, r.p1, r.p2, 0, 0};
        } else if (static_cast<std::size_t>(section.index) < r.sections.size()) {
            part.designed = r.sections[static_cast<std::size_t>(section.index)];
            model.secondOrderCount_ =
                std::max(model.secondOrderCount_, static_cast<std::size_t>(section.index) + 1);
        } else {
            error = "a realised section lies outside the design";
            return std::nullopt;
        }
        for (const CircuitElement& element : section.elements) {
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
                               Section& section) {
    SectionElements drawn = part.circuit;
    for (std::size_t i = 0; i < drawn.elements.size(); ++i) {
        const double value = values[part.firstElement + i];
        if (!(value > 0) || !std::isfinite(value)) return false;
        drawn.elements[i].value = value;
    }
    section = vorna::Realise(drawn, part.designed);
    return Usable(section, part.circuit.index < 0);
}

bool CircuitModel::RealiseSection(int number, std::span<const double> values,
                                  Section& section) const {
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
        Section section;
        if (!RealisePart(part, values, section)) return false;
        if (part.circuit.index < 0)
            cascade.first = analysis::FirstOrderSection{section[0], section[1], section[2]};
        else
            cascade.sections[static_cast<std::size_t>(part.circuit.index)] = section;
    }
    return true;
}

}  // namespace vorna::verify
