#include "verify/KeptCircuit.h"

#include "app/DesignDocument.h"
#include "output/CircuitOutput.h"
#include "platform/MessageText.h"
#include "platform/Ui.h"
#include "text/Texts.h"
#include "view/DesignView.h"

namespace vorna::verify {
namespace {

// What the user entered for the design: a change in any is another design.
std::vector<double> DesignEntries(const DesignDocument& doc) {
    return {static_cast<double>(doc.kind),
            static_cast<double>(doc.approximation),
            static_cast<double>(doc.byOrder),
            static_cast<double>(doc.figures.order),
            static_cast<double>(doc.referenceMode),
            static_cast<double>(doc.besselNorm),
            doc.fp,
            doc.figures.fs,
            doc.fp1,
            doc.fp2,
            doc.figures.fs1,
            doc.figures.fs2,
            doc.figures.bandwidth,
            doc.figures.fc,
            doc.attp,
            doc.atts};
}

}  // namespace

void KeptCircuit::Keep(RealisedCircuit circuit, const DesignDocument& doc) {
    circuit_ = std::move(circuit);
    design_ = DesignEntries(doc);
}

const RealisedCircuit* KeptCircuit::Circuit() const {
    return circuit_ ? &*circuit_ : nullptr;
}

bool KeptCircuit::IsStale(const DesignDocument& doc) const {
    return circuit_ && design_ != DesignEntries(doc);
}

std::optional<RealisedCircuit> CircuitOfOutput(const CircuitOutput& out, DesignView& view, Ui& ui) {
    if (!out.completed || out.realisedSections.empty()) return std::nullopt;
    if (out.lines.empty()) {
        // Without a reference schematic the run wrote the journal only.
        ui.MessageBox(TextId::CircuitWithoutSchematic, MessageButtons::Ok);
        return std::nullopt;
    }
    RealisedCircuit circuit;
    std::string error;
    if (!RealisedCircuitOf(view.GetDocument(), view, out, view.selectedCircuit, circuit, error)) {
        ui.MessageBox({TextId::CircuitNotVerifiable, {error}}, MessageButtons::Ok);
        return std::nullopt;
    }
    return circuit;
}

}  // namespace vorna::verify
