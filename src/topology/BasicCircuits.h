#pragma once
// The basic circuits, one row each. A basic circuit realises every section of a design of
// its filter kind with the section circuits its row names; the row is all that the circuit
// selection, the synthesis, the reference schematics, the diagrams and the verification need
// to know of it. A new basic circuit made of existing section circuits is one more row.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "circuit/models/SectionCircuit.h"
#include "design/FilterKinds.h"

namespace vorna {

struct BasicCircuit {
    // Its name in reference schematic names, the journal and on the command line ("LP1"); the
    // selection dialog shows it in full-width letters.
    std::string_view code;
    // The designs it realises; the notch sections take their variant from it.
    FilterKind kind;
    // The section circuit of the first-order section of an odd-order design; none: the
    // circuit takes no first-order section (band designs have none).
    std::optional<SectionCircuit> firstOrderSection;
    // The section circuit of second-order section 0 of an odd-order design; none: as the
    // other second-order sections.
    std::optional<SectionCircuit> oddSectionZero;
    // The section circuit of every other second-order section.
    SectionCircuit secondOrderSection;
    // The diagram the selection dialog shows, in the installation's "sys" folder.
    std::string_view diagramFile;
};

// Code, kind, first-order section, section 0 of odd orders, other sections, diagram.
namespace basic_circuit_rows {
using enum SectionCircuit;
inline constexpr std::optional<SectionCircuit> kNone;
inline constexpr BasicCircuit kRows[] = {
    {"LP1", FilterKind::LowPass, FirstOrderLowPass, kNone, MultipleFeedbackLowPass, "khn_lp1.bmp"},
    {"LP2", FilterKind::LowPass, FirstOrderLowPass, kNone, SallenKeyLowPass, "khn_lp2.bmp"},
    {"LP3", FilterKind::LowPass, FirstOrderLowPass, kNone, StateVariableNotch, "khn_be1.bmp"},
    {"LP4", FilterKind::LowPass, FirstOrderLowPass, kNone, IntegratorNotch, "khn_be2.bmp"},
    {"HP1", FilterKind::HighPass, FirstOrderHighPass, kNone, MultipleFeedbackHighPass,
     "khn_hp1.bmp"},
    {"HP2", FilterKind::HighPass, FirstOrderHighPass, kNone, SallenKeyHighPass, "khn_hp2.bmp"},
    {"HP3", FilterKind::HighPass, FirstOrderHighPass, kNone, StateVariableNotch, "khn_be1.bmp"},
    {"HP4", FilterKind::HighPass, FirstOrderHighPass, kNone, IntegratorNotch, "khn_be2.bmp"},
    {"BP1", FilterKind::BandPass, kNone, kNone, MultipleFeedbackBandPass, "khn_bp1.bmp"},
    {"BP2", FilterKind::BandPass, kNone, kNone, DualAmplifierBandPass, "khn_bp2.bmp"},
    {"BP3", FilterKind::BandPass, kNone, DualAmplifierBandPass, StateVariableNotch, "khn_be1.bmp"},
    {"BP4", FilterKind::BandPass, kNone, DualAmplifierBandPass, IntegratorNotch, "khn_be2.bmp"},
    {"BE1", FilterKind::BandEliminate, kNone, kNone, StateVariableNotch, "khn_be1.bmp"},
    {"BE2", FilterKind::BandEliminate, kNone, kNone, IntegratorNotch, "khn_be2.bmp"},
};
}  // namespace basic_circuit_rows

inline constexpr std::span<const BasicCircuit> kBasicCircuits = basic_circuit_rows::kRows;

// The selection dialogs offer the basic circuits in pairs of consecutive rows: choice c
// (LP1 or LP2, LP3 or LP4, ...) offers rows 2c and 2c + 1.
static_assert(std::size(basic_circuit_rows::kRows) % 2 == 0);
inline constexpr std::size_t kBasicCircuitChoiceCount = std::size(basic_circuit_rows::kRows) / 2;

// The id of a basic circuit that users and design files see, 480 (LP1) .. 493 (BE2); the
// selection dialogs' radio buttons carry it as their control id.
constexpr int BasicCircuitId(std::size_t row) {
    return 480 + static_cast<int>(row);
}
// The ids of the first circuit of every choice: what a new design window has chosen.
std::array<int, kBasicCircuitChoiceCount> FirstCircuitIdOfEveryChoice();
// The row of an id; none for an id of no basic circuit.
std::optional<std::size_t> BasicCircuitRowOf(int id);
// The row of a code ("LP1"); none for a code of no basic circuit.
std::optional<std::size_t> BasicCircuitRowOf(std::string_view code);

}  // namespace vorna
