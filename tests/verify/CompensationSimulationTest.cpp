// Op-amp pre-compensation checked by simulation for every basic circuit: at gain-bandwidth
// products where the plain circuit misses the designed pass band by more than 0.5 dB, the
// circuit pre-distorted for them misses it by at most a fifth of that, simulated with ngspice
// and the verification's op-amp model. The notch circuits take elliptic designs (BE1, BE2 a
// Chebyshev one), compared over their lower pass band.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "design/DesignFixture.h"
#include "support/RealisedDesign.h"
#include "verify/CircuitSimulation.h"
#include "verify/SectionRequirements.h"

namespace vorna {
namespace {

struct Row {
    int circuit;  // row of kBasicCircuits
    testing::DesignCase design;
    double passLowHz, passHighHz;  // the pass band compared
    double gbwHz[2];
};

testing::DesignCase Case(int kind, int order, int approximation = kChebyshev) {
    testing::DesignCase design;
    design.kind = kind;
    design.approximation = approximation;
    design.order = order;
    design.attp = 0.5;
    design.fp = 10e3;
    design.fp1 = 10e3;
    design.fp2 = 14e3;
    return design;
}

// The largest |simulated - designed| gain over the pass band (dB).
double PassBandMiss(int circuit, const testing::DesignCase& c, double lowHz, double highHz,
                    double gbwHz, double compensationGbwHz) {
    testing::Design made = testing::MakeDesign(c);
    DesignView view(made.doc);
    static_cast<DesignResults&>(view) = made.results;
    verify::RealisedCircuit realised;
    std::string error;
    EXPECT_TRUE(testing::RealiseFirstCandidates(made.doc, view, circuit, realised, error,
                                                compensationGbwHz))
        << error;
    const verify::CircuitSimulation simulation = verify::SimulateCircuit(realised, gbwHz, 50);
    EXPECT_TRUE(simulation.Succeeded()) << simulation.error;
    double miss = 0;
    for (const verify::SimulatedPoint& point : simulation.points) {
        if (point.frequencyHz < lowHz || point.frequencyHz > highHz) continue;
        const double d = std::abs(point.simulatedDb - testing::GainDb(made, point.frequencyHz));
        miss = std::max(miss, d);
    }
    return miss;
}

TEST(CompensationSimulation, PreDistortedCircuitsMissTheirPassBandByAFifth) {
    const Row rows[] = {
        {0, Case(kLowPass, 4), 100, 10e3, {5e5, 1e6}},
        {1, Case(kLowPass, 4), 100, 10e3, {5e5, 1e6}},
        {4, Case(kHighPass, 8), 10e3, 40e3, {3e6, 1e7}},
        {5, Case(kHighPass, 8), 10e3, 40e3, {3e6, 1e7}},
        {8, Case(kBandPass, 4), 10e3, 14e3, {1e6, 3e6}},
        {9, Case(kBandPass, 4), 10e3, 14e3, {3e6, 1e7}},
        {2, Case(kLowPass, 6, kElliptic), 100, 10e3, {1e6, 3e6}},
        {3, Case(kLowPass, 6, kElliptic), 100, 10e3, {1e6, 3e6}},
        {6, Case(kHighPass, 6, kElliptic), 10e3, 40e3, {3e6, 1e7}},
        {7, Case(kHighPass, 6, kElliptic), 10e3, 40e3, {3e6, 1e7}},
        {10, Case(kBandPass, 6, kElliptic), 10e3, 14e3, {3e6, 1e7}},
        {11, Case(kBandPass, 6, kElliptic), 10e3, 14e3, {3e6, 1e7}},
        {12, Case(kBandEliminate, 6), 100, 10e3, {3e6, 1e7}},
        {13, Case(kBandEliminate, 6), 100, 10e3, {3e6, 1e7}},
    };
    for (const Row& row : rows) {
        for (const double gbw : row.gbwHz) {
            SCOPED_TRACE(std::to_string(row.circuit) + " at " + std::to_string(gbw));
            const double plain =
                PassBandMiss(row.circuit, row.design, row.passLowHz, row.passHighHz, gbw, 0);
            const double compensated =
                PassBandMiss(row.circuit, row.design, row.passLowHz, row.passHighHz, gbw, gbw);
            std::printf("circuit %d gbw %g plain %.3f compensated %.3f\n", row.circuit, gbw, plain,
                        compensated);
            EXPECT_GT(plain, 0.5);
            EXPECT_LE(compensated, plain / 5);
        }
    }
}

TEST(CompensationSimulation, CompensatedSectionsNeedTheGbwTheyWereMadeFor) {
    const double gbw = 3e6;
    const testing::Design made = testing::MakeDesign(Case(kHighPass, 8));
    for (const double compensation : {0.0, gbw}) {
        SCOPED_TRACE(compensation);
        DesignDocument doc = made.doc;
        DesignView view(doc);
        static_cast<DesignResults&>(view) = made.results;
        verify::RealisedCircuit realised;
        std::string error;
        ASSERT_TRUE(testing::RealiseFirstCandidates(doc, view, 4, realised, error, compensation));
        // Measured against the design, not the pre-distorted sections.
        const double deviation = verify::SimulateCircuit(realised, gbw, 20).maxPassbandDeviationDb;
        EXPECT_EQ(deviation<0.2, compensation> 0) << deviation;
        const verify::SectionRequirements requirements =
            verify::FindSectionRequirements(realised, gbw, 20);
        ASSERT_TRUE(requirements.Succeeded()) << requirements.error;
        const verify::SectionRequirement& first = requirements.sections.front();
        ASSERT_TRUE(first.requiredGbwHz);
        if (compensation > 0) {
            EXPECT_LE(*first.requiredGbwHz, gbw);
            EXPECT_GT(*first.requiredGbwHz, gbw / 2);
        } else {
            EXPECT_GT(*first.requiredGbwHz, 10 * gbw);
        }
        EXPECT_EQ(first.opAmpFallsShort, compensation == 0);
    }
}

}  // namespace
}  // namespace vorna
