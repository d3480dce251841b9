#pragma once
// A design realised in process as the circuit output realises it, for the tests and
// benchmarks of the verification: the first candidate of every step accepted, the values
// written into the reference schematic of the circuit and order, no journal.

#include <string>

#include "app/SynthesisInputs.h"
#include "circuit/Synthesis.h"
#include "output/CircuitOutput.h"
#include "schematic/AscFile.h"
#include "support/AcceptingUi.h"
#include "topology/Circuits.h"
#include "verify/RealisedCircuit.h"
#include "view/DesignView.h"

namespace vorna::testing {

// `circuit` is a row of kBasicCircuits; false with a message when the synthesis fails.
// Above 0, `compensationGbwHz` pre-distorts the sections for op-amps of that GBW.
inline bool RealiseFirstCandidates(DesignDocument& doc, DesignView& view, int circuit,
                                   verify::RealisedCircuit& realised, std::string& error,
                                   double compensationGbwHz = 0) {
    CircuitOutput out;
    out.outputMode = OutputMode::SchematicAndJournal;
    out.lines = SplitSchematicLines(
        installation::Utf16LeWithBom(installation::AscText(installation::ReferenceSchematic(
            kBasicCircuits[static_cast<std::size_t>(circuit)], view.resultOrder))));
    out.replaceOpAmp = false;
    out.ClassifySchematicLines();
    AcceptingUi ui;
    SynthesisInput input = SynthesisInputOf(doc);
    input.compensationGbwHz = compensationGbwHz;
    out.compensationGbwHz = compensationGbwHz;
    if (compensationGbwHz > 0) out.designed = static_cast<const DesignResults&>(view);
    SynthesizeBasicCircuit(kBasicCircuits[static_cast<std::size_t>(circuit)], input, view, out,
                           out.Chooser(ui), ui);
    if (out.synthesisFailed) {
        error = "the synthesis failed";
        return false;
    }
    return verify::RealisedCircuitOf(
        doc, view, out, BasicCircuitId(static_cast<std::size_t>(circuit)), realised, error);
}

}  // namespace vorna::testing
