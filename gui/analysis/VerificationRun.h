#pragma once
// The verification of a realised circuit off the UI thread: the simulation, the search for
// what every section needs of its op-amp and the tolerance analysis run on a thread of their
// own, behind a progress dialog whose cancel button stops them, while the window stays alive.

#include <QWidget>
#include <optional>

#include "VerificationDialog.h"
#include "verify/CircuitSimulation.h"
#include "verify/SectionRequirements.h"
#include "verify/ToleranceAnalysis.h"

namespace vorna {

struct VerificationResults {
    verify::CircuitSimulation simulation;
    verify::SectionRequirements requirements;
    verify::ToleranceResult tolerance;  // no runs when none were asked for
};

// Runs the verification and returns when it has finished; none when the user stopped it.
std::optional<VerificationResults> RunVerification(QWidget* parent,
                                                   const verify::RealisedCircuit& circuit,
                                                   const VerificationOptions& options,
                                                   int pointsPerDecade);

}  // namespace vorna
