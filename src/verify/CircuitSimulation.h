#pragma once
// The realised circuit simulated with ngspice: the written schematic's netlist with every
// op-amp a single-pole amplifier (DC gain 1e5, pole at GBW / 1e5), an AC analysis over the
// graph's frequencies, and the comparison with the ideal response of the realised sections.

#include <string>
#include <vector>

#include "compensation/SinglePoleSection.h"
#include "schematic/Netlist.h"
#include "verify/RealisedCircuit.h"
#include "verify/SpiceEngine.h"

namespace vorna::verify {

// The gain-bandwidth products simulated: from below the slowest micropower op-amp's to far
// above the fastest one's. Beyond them the op-amp's pole capacitor is no number ngspice
// reads (a denormal GBW makes it infinite).
inline constexpr double kLowestSimulatedGbwHz = 1;
inline constexpr double kHighestSimulatedGbwHz = 1e15;

// Empty when `gbwHz` can be an op-amp's gain-bandwidth product (a number from kLowestSimulatedGbwHz
// to kHighestSimulatedGbwHz), else the message that refuses it.
std::string CheckGbw(double gbwHz);

// The single-pole op-amp subcircuit for a gain-bandwidth product `gbwHz` (positive).
installation::OpAmpSubcircuit SinglePoleOpAmp(double gbwHz);

// The netlist of a schematic with single-pole op-amps, ready for SpiceEngine::RunAc (its
// output net is "out"); empty with a message in `error` when the drawing has faults.
std::string CircuitDeck(const installation::Schematic& schematic, double gbwHz, std::string& error);

// The graph's sweep: from graphFreqMin to graphFreqMax at `pointsPerDecade` a decade.
AcSweep GraphSweep(const DesignResults& results, int pointsPerDecade);

struct SimulatedPoint {
    double frequencyHz = 0;
    double idealDb = 0;      // the realised sections' gain
    double simulatedDb = 0;  // the simulated circuit's gain
};

struct CircuitSimulation {
    std::vector<SimulatedPoint> points;
    // The largest |simulated - ideal| over the points in the pass band (0 when none is).
    double maxPassbandDeviationDb = 0;
    std::string error;  // the engine's or the netlist's failure; empty on success
    bool Succeeded() const { return error.empty(); }
};

CircuitSimulation SimulateCircuit(const RealisedCircuit& circuit, double gbwHz,
                                  int pointsPerDecade);

}  // namespace vorna::verify
