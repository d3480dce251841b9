#include "verify/CircuitSimulation.h"

#include <algorithm>
#include <cmath>

#include "analysis/Response.h"
#include "platform/CLocale.h"
#include "text/Texts.h"

namespace vorna::verify {
namespace {

double Db(std::complex<double> v) {
    return 20 * std::log10(std::max(std::abs(v), 1e-30));
}

bool InPassBand(const std::vector<analysis::MaskBand>& mask, double hz) {
    return std::any_of(mask.begin(), mask.end(), [hz](const analysis::MaskBand& band) {
        return band.kind == analysis::BandKind::Pass && hz >= band.lowHz &&
               (!band.HasUpperEnd() || hz <= band.highHz);
    });
}

}  // namespace

std::string CheckGbw(double gbwHz) {
    if (!std::isfinite(gbwHz) || !(gbwHz > 0)) return Text(TextId::GbwNotPositive);
    if (gbwHz < kLowestSimulatedGbwHz || gbwHz > kHighestSimulatedGbwHz)
        return Format(Text(TextId::GbwOutOfRange), kLowestSimulatedGbwHz, kHighestSimulatedGbwHz);
    return {};
}

installation::OpAmpSubcircuit SinglePoleOpAmp(double gbwHz) {
    // A transconductance of 1 S into 1 ohm and the pole's capacitor, then the DC gain.
    const double poleHz = gbwHz / kOpAmpDcGain;
    const double capacitance = 1 / (kTwoPi * poleHz);
    return {"opamp_single_pole", Format(".subckt opamp_single_pole inp inn vp vn out\n"
                                        "Gin 0 pole inp inn 1\nRpole pole 0 1\nCpole pole 0 %.17g\n"
                                        "Eout out 0 pole 0 %.17g\n.ends opamp_single_pole\n",
                                        capacitance, kOpAmpDcGain)};
}

std::string CircuitDeck(const installation::Schematic& schematic, double gbwHz,
                        std::string& error) {
    const installation::Connectivity connectivity = installation::Connect(schematic);
    if (!connectivity.problems.empty()) {
        error = "the schematic has faults: " + connectivity.problems.front();
        return {};
    }
    return installation::SpiceDeck(schematic, connectivity, "vorna verification", false,
                                   SinglePoleOpAmp(gbwHz));
}

AcSweep GraphSweep(const DesignResults& results, int pointsPerDecade) {
    return {results.graphFreqMin, results.graphFreqMax, pointsPerDecade};
}

CircuitSimulation SimulateCircuit(const RealisedCircuit& circuit, double gbwHz,
                                  int pointsPerDecade) {
    CircuitSimulation simulation;
    const std::string deck = CircuitDeck(circuit.schematic, gbwHz, simulation.error);
    if (deck.empty()) return simulation;
    const AcRun run =
        SpiceEngine::Instance().RunAc(deck, GraphSweep(circuit.results, pointsPerDecade));
    if (!run.Succeeded()) {
        simulation.error = run.error;
        return simulation;
    }
    const analysis::Cascade cascade =
        analysis::CascadeIn(circuit.target.value_or(circuit.results), circuit.maskEdges.kind,
                            analysis::Domain::Analog, 0);
    const std::vector<analysis::MaskBand> mask = analysis::AttenuationMask(circuit.maskEdges);
    for (const AcPoint& point : run.points) {
        const double ideal = analysis::GainPhaseAt(cascade, kTwoPi * point.hz).gainDb;
        simulation.points.push_back({point.hz, ideal, Db(point.v)});
        if (InPassBand(mask, point.hz))
            simulation.maxPassbandDeviationDb =
                std::max(simulation.maxPassbandDeviationDb, std::abs(Db(point.v) - ideal));
    }
    return simulation;
}

}  // namespace vorna::verify
