#pragma once
// The realised circuit as element values and the sections they realise: the resistors and
// capacitors of every section, each a part of its own, and the circuit models that turn
// their values into the section coefficients. Pure: nothing is simulated. Every element
// counts with its own value, matched copies too (R3 of a multiple-feedback low-pass, ...), as
// the circuit equations of RealiseCircuit have them; so do the parts the synthesis leaves at
// their drawn values (the gain-of-two pair of the dual-amplifier band-pass), as written.

#include <array>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "analysis/Cascade.h"
#include "circuit/models/CircuitEquations.h"
#include "verify/RealisedCircuit.h"

namespace vorna::verify {

enum class ElementKind { Resistor, Capacitor };

// What one section circuit realises: the first-order section, or a second-order section
// with its circuit's first-order factor.
using PartResponse = std::variant<FirstOrderSection, CircuitResponse>;

// Whether drawn values realise usable sections, or why not (the first section that fails
// decides).
enum class Realisation {
    Usable,
    ValueNotPositive,  // an element value at or below zero, or not a finite number
    NotFinite,         // a coefficient that is not a finite number
    UnstableRealPole,  // a real pole at or right of the axis: the section latches up
    UnstablePolePair,  // a pole pair with negative damping: the section oscillates
};

struct ModelElement {
    std::string name;  // "R1_2"
    ElementKind kind = ElementKind::Resistor;
    double value = 0;  // the settled value
    int section = 0;   // the section number of its name
};

class CircuitModel {
public:
    // The model of a realised circuit; none, with a message in `error`, when its basic
    // circuit or one of its elements has no model.
    static std::optional<CircuitModel> Of(const RealisedCircuit& circuit, std::string& error);

    const std::vector<ModelElement>& Elements() const { return elements_; }
    // The settled values, in the order of Elements().
    std::vector<double> NominalValues() const;

    // The cascade that `values` (one per element, in the order of Elements()) realise, and
    // whether its sections are usable (every value above zero, every coefficient finite,
    // every pole in the left half-plane). The first-order factor of a third-order twin-T
    // follows the design's sections as a section (s + z)(s + p)/(s + p)^2. Once `cascade`
    // has held a realisation of this model, nothing is allocated.
    Realisation Realise(std::span<const double> values, analysis::Cascade& cascade) const;

    // What section `number` realises with `values`; false when there is no such section or
    // it is not usable.
    bool RealiseSection(int number, std::span<const double> values, PartResponse& section) const;

private:
    // A section's circuit, the coefficients it was designed with, where its elements begin
    // in elements_, and where the values its equations read lie among them (kMissing: the
    // section has no such element).
    struct SectionPart {
        SectionElements circuit;
        std::variant<FirstOrderSection, Section> designed;
        std::size_t firstElement = 0;
        std::array<std::size_t, kMostEquationElements> reads{};
        std::size_t readCount = 0;
    };
    static constexpr std::size_t kMissing = std::numeric_limits<std::size_t>::max();
    static Realisation RealisePart(const SectionPart& part, std::span<const double> values,
                                   PartResponse& response);

    std::vector<ModelElement> elements_;
    std::vector<SectionPart> sections_;
    std::size_t secondOrderCount_ = 0;
};

}  // namespace vorna::verify
