#pragma once
// The circuit of a design window's last circuit output, kept with the design it realises:
// the values as written, the schematic model and the realised sections, which the circuit
// view draws and lists and the verification simulates without a new synthesis. The design
// is known by its entries (kind, approximation, order and edges): when they change, the
// circuit belongs to the previous design and says so, but stays shown until a new circuit
// output replaces it.

#include <optional>
#include <vector>

#include "verify/RealisedCircuit.h"

namespace vorna {
class CircuitOutput;
class DesignView;
class Ui;
}  // namespace vorna

namespace vorna::verify {

class KeptCircuit {
public:
    // Keeps `circuit`, made from the design the document holds now, in place of any before.
    void Keep(RealisedCircuit circuit, const DesignDocument& doc);
    // The circuit kept, or none before the first circuit output.
    const RealisedCircuit* Circuit() const;
    // Whether a circuit is kept and the document's design is no longer the one it realises.
    bool IsStale(const DesignDocument& doc) const;

private:
    std::optional<RealisedCircuit> circuit_;
    std::vector<double> design_;
};

// The circuit of a finished run `out` of the view's circuit output; none when the run did not
// finish or made no schematic (the user is told why in the latter case). A run meant for
// it sets `schematicAlwaysMade`, so that a schematic is made even when no file is named.
std::optional<RealisedCircuit> CircuitOfOutput(const CircuitOutput& out, DesignView& view, Ui& ui);

}  // namespace vorna::verify
