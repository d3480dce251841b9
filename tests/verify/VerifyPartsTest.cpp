// The parts of the verification in process: the op-amp table, the random numbers, the
// engine's failures and the tolerance analysis's bookkeeping.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "analysis/Response.h"
#include "design/DesignFixture.h"
#include "support/RealisedDesign.h"
#include "tools/AcSimulation.h"
#include "verify/CircuitModel.h"
#include "verify/OpAmpTable.h"
#include "verify/SpiceEngine.h"
#include "verify/ToleranceAnalysis.h"
#include "verify/ToleranceRandom.h"

namespace vorna::verify {
namespace {

TEST(OpAmpTable, ReadsTheInstalledTableAndRefusesMalformedLines) {
    const OpAmpTable installed = ReadOpAmpTable(testing::SysFolder() + kOpAmpTableFile);
    EXPECT_EQ(installed.error, "");
    for (const char* offered : {"LT1115", "ADA4807-4"}) EXPECT_NE(installed.Find(offered), nullptr);
    ASSERT_NE(installed.Find("lt1115"), nullptr);
    EXPECT_EQ(installed.Find("lt1115")->gbwHz, 70e6);

    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"X 1e6 1 3", "line 2: 5 fields expected"},
        {"X 1e6 1 3 30 40", "line 2: 5 fields expected"},
        {"X 1e6 1 3 30V", "line 2: \"30V\" is not a positive number"},
        {"X 0 1 3 30", "line 2: \"0\" is not a positive number"},
        {"X 5e-324 1 3 30", "line 2: the gain-bandwidth 5e-324 cannot be simulated"},
        {"X nan 1 3 30", "line 2: \"nan\" is not a positive number"},
        {"X 1e6 1 30 3", "line 2: the lowest supply voltage is above the highest"},
        {"\xC4\xB0\xE9 1e6 1 3 30", "line 2: the name \"\xC4\xB0?\" is not UTF-8 text"},
    };
    for (const auto& c : cases) {
        std::istringstream text(std::string("# comment\n") + c.line + "\nY 1e6 1 3 30\n");
        const OpAmpTable table = ParseOpAmpTable(text);
        EXPECT_EQ(table.error.rfind(c.error, 0), 0u) << c.line << ": " << table.error;
    }
    // An editor's byte order mark before the first line is no part of it.
    std::istringstream marked("\xEF\xBB\xBFX 1e6 1 3 30\r\n");
    EXPECT_NE(ParseOpAmpTable(marked).Find("X"), nullptr);
}

TEST(ToleranceRandom, FollowsTheStandardEngineWithItsOwnTransforms) {
    // The standard fixes the first output of std::mt19937_64 for the default seed 5489.
    ToleranceRandom random(5489);
    EXPECT_EQ(random.Uniform(), static_cast<double>(14514284786278117030ull >> 11) * 0x1.0p-53);
    double sum = 0, squares = 0;
    constexpr int kDraws = 200000;
    for (int i = 0; i < kDraws; ++i) {
        const double x = random.Normal();
        sum += x;
        squares += x * x;
    }
    EXPECT_NEAR(sum / kDraws, 0, 0.01);
    EXPECT_NEAR(squares / kDraws, 1, 0.01);
}

TEST(SpiceEngine, ReportsFailuresAndGoesOnWorking) {
    const struct {
        const char* deck;
        const char* probe;
        const char* error;
    } cases[] = {
        {"* loop\nV1 in 0 AC 1\nV2 in 0 AC 2\nR1 in out 1k\nR2 out 0 1k\n", "out", "singular"},
        {"* model\nV1 in 0 AC 1\nX1 in out nosuch\nR1 out 0 1k\n", "out", "unknown subckt"},
        {"* probe\nV1 in 0 AC 1\nR1 in out 1k\nR2 out 0 1k\n", "nowhere", "nowhere"},
        // What failed and the engine's reason, with the line it refers to.
        {"* value\nV1 in 0 AC 1\nR1 in out 1k\nC1 out 0 inf\n", "out",
         "Error on line 4 or its substitute: c1 out 0 inf; unknown parameter (inf)"},
    };
    SpiceEngine& engine = SpiceEngine::Instance();
    for (const auto& c : cases) {
        const AcRun run = engine.RunAc(c.deck, {10, 1e4, 10}, c.probe);
        EXPECT_NE(run.error.find(c.error), std::string::npos) << run.error;
        EXPECT_TRUE(run.points.empty());
    }
    const AcRun divider = engine.RunAc(std::string(cases[2].deck), {10, 1e4, 10});
    ASSERT_EQ(divider.error, "");
    ASSERT_EQ(divider.points.size(), 31u);
    for (const AcPoint& point : divider.points) EXPECT_NEAR(std::abs(point.v), 0.5, 1e-12);
    EXPECT_NE(engine.TakeLog().find("unknown subckt"), std::string::npos);
}

// An elliptic band-pass of order 4 realised with BP4: its notch sections can lose their
// stability when the elements spread widely.
RealisedCircuit EllipticBandPass() {
    testing::DesignCase design;
    design.kind = kBandPass;
    design.approximation = kElliptic;
    design.order = 4;
    testing::Design made = testing::MakeDesign(design);
    DesignView view(made.doc);
    static_cast<DesignResults&>(view) = made.results;
    RealisedCircuit circuit;
    std::string error;
    EXPECT_TRUE(testing::RealiseFirstCandidates(made.doc, view, 11, circuit, error)) << error;
    return circuit;
}

TEST(ToleranceAnalysis, CountsFailedRunsInterpolatesQuantilesAndStopsWhenCancelled) {
    const RealisedCircuit circuit = EllipticBandPass();
    ToleranceOptions wide{0.5, 0.5, Distribution::Uniform, 3, 400};
    const ToleranceResult spread = RunToleranceAnalysis(circuit, wide, 20);
    ASSERT_EQ(spread.error, "");
    EXPECT_EQ(spread.runs, 400);
    EXPECT_GT(spread.failedRuns, 0);
    EXPECT_LE(spread.passedRuns + spread.failedRuns, spread.runs);

    // Two runs: every quantile lies between them in proportion.
    ToleranceOptions two{0.01, 0.05, Distribution::Gaussian, 5, 2};
    const ToleranceEnvelope e = RunToleranceAnalysis(circuit, two, 20).envelope;
    ASSERT_FALSE(e.frequencyHz.empty());
    for (std::size_t i = 0; i < e.frequencyHz.size(); ++i) {
        const double width = e.maxDb[i] - e.minDb[i], slack = 1e-5 + 1e-6 * std::abs(e.minDb[i]);
        EXPECT_NEAR(e.p5Db[i], e.minDb[i] + 0.05 * width, slack);
        EXPECT_NEAR(e.p50Db[i], e.minDb[i] + 0.5 * width, slack);
        EXPECT_NEAR(e.p95Db[i], e.minDb[i] + 0.95 * width, slack);
    }

    std::atomic<bool> cancel = false;
    int lastDone = 0;
    const ToleranceResult stopped = RunToleranceAnalysis(
        circuit, wide, 20,
        [&](int done, int total) {
            EXPECT_EQ(total, 400);
            EXPECT_GT(done, lastDone);
            lastDone = done;
            if (done >= 100) cancel = true;
        },
        &cancel);
    EXPECT_TRUE(stopped.cancelled);
    // The threads stop after the runs they were making.
    EXPECT_GE(stopped.runs, 100);
    EXPECT_LT(stopped.runs, 400);
    EXPECT_EQ(lastDone, stopped.runs);
}

TEST(ToleranceAnalysis, GivesTheSameResultOnAnyNumberOfThreadsAndSaysWhyRunsFailed) {
    const RealisedCircuit circuit = EllipticBandPass();
    // Below and above the runs the envelope keeps; uniform and Gaussian draws.
    const ToleranceOptions cases[] = {
        {0.5, 0.5, Distribution::Uniform, 3, 400},
        {0.02, 0.1, Distribution::Gaussian, 9, 5000},
    };
    for (const ToleranceOptions& options : cases) {
        SCOPED_TRACE(options.runs);
        ToleranceOptions one = options;
        one.threads = 1;
        const ToleranceResult reference = RunToleranceAnalysis(circuit, one, 20);
        ASSERT_EQ(reference.error, "");
        EXPECT_EQ(reference.runs, options.runs);
        const ToleranceResult::FailureCauses& f = reference.failures;
        EXPECT_EQ(f.valueNotPositive + f.notFinite + f.unstableRealPole + f.unstablePolePair,
                  reference.failedRuns);
        for (int threads : {2, 4}) {
            ToleranceOptions many = options;
            many.threads = threads;
            const ToleranceResult r = RunToleranceAnalysis(circuit, many, 20);
            EXPECT_EQ(r.passedRuns, reference.passedRuns) << threads;
            EXPECT_EQ(r.failedRuns, reference.failedRuns) << threads;
            EXPECT_EQ(r.failures.unstablePolePair, f.unstablePolePair) << threads;
            const ToleranceEnvelope &e = r.envelope, &expected = reference.envelope;
            EXPECT_EQ(e.frequencyHz, expected.frequencyHz) << threads;
            EXPECT_EQ(e.minDb, expected.minDb) << threads;
            EXPECT_EQ(e.p5Db, expected.p5Db) << threads;
            EXPECT_EQ(e.p50Db, expected.p50Db) << threads;
            EXPECT_EQ(e.p95Db, expected.p95Db) << threads;
            EXPECT_EQ(e.maxDb, expected.maxDb) << threads;
        }
    }
    // The twin-T notches of this band-pass oscillate when the elements spread by half.
    const ToleranceResult wide = RunToleranceAnalysis(circuit, cases[0], 20);
    EXPECT_GT(wide.failures.unstablePolePair + wide.failures.unstableRealPole, 0);
}

TEST(ToleranceAnalysis, ZeroTolerancesGiveTheNominalCurveExactly) {
    const RealisedCircuit circuit = EllipticBandPass();
    std::string error;
    const std::optional<CircuitModel> model = CircuitModel::Of(circuit, error);
    ASSERT_TRUE(model) << error;
    analysis::Cascade cascade;
    ASSERT_EQ(model->Realise(model->NominalValues(), cascade), Realisation::Usable);
    const std::vector<double> graph = GraphFrequencies(circuit.results, 20);
    std::vector<double> omegas, nominal(graph.size());
    for (double hz : graph) omegas.push_back(kTwoPi * hz);
    analysis::GainOver(cascade, omegas, nominal);
    for (int runs : {3, 3000}) {
        const ToleranceResult r =
            RunToleranceAnalysis(circuit, {0, 0, Distribution::Gaussian, 1, runs}, 20);
        EXPECT_EQ(r.runs, runs);
        EXPECT_EQ(r.envelope.frequencyHz, graph);
        for (const auto* curve : {&r.envelope.minDb, &r.envelope.p5Db, &r.envelope.p50Db,
                                  &r.envelope.p95Db, &r.envelope.maxDb})
            EXPECT_EQ(*curve, nominal) << runs;
    }
}

}  // namespace
}  // namespace vorna::verify
