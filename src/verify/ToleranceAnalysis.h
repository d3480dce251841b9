#pragma once
// Monte Carlo tolerance analysis on the circuit models, without a simulator: every resistor
// and capacitor of the realised circuit drawn within its tolerance, the sections each draw
// realises, their response over the graph's frequencies, the envelope of all runs and the
// yield against the design's attenuation mask. Runs are reproducible: the same seed gives
// the same draws on every platform (std::mt19937_64 with the transforms of ToleranceRandom)
// and the same result with any number of threads.

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "verify/Progress.h"
#include "verify/RealisedCircuit.h"

namespace vorna::verify {

enum class Distribution {
    Uniform,   // evenly within +-tolerance
    Gaussian,  // normal with the tolerance as three standard deviations
};

inline constexpr int kMaxToleranceRuns = 1000000;
inline constexpr double kMaxTolerance = 0.5;
inline constexpr int kMaxToleranceThreads = 256;

struct ToleranceOptions {
    double resistorTolerance = 0.01;  // fractions: 0.01 is 1 %
    double capacitorTolerance = 0.05;
    Distribution distribution = Distribution::Uniform;
    std::uint64_t seed = 1;
    int runs = 1000;
    int threads = 0;  // 0: one for each of the machine's cores
};

// Empty when the options can be used, else the message that refuses them.
std::string CheckToleranceOptions(const ToleranceOptions& options);

// Per frequency of the graph: the smallest, 5 %, 50 %, 95 % and largest gain (dB) of the
// runs that realised usable sections. The quantiles are exact up to a few thousand runs and
// within a small share of the spread beyond (see EnvelopeQuantiles); the extremes are exact.
struct ToleranceEnvelope {
    std::vector<double> frequencyHz;
    std::vector<double> minDb, p5Db, p50Db, p95Db, maxDb;
};

struct ToleranceResult {
    int runs = 0;        // runs made (fewer than asked when cancelled)
    int passedRuns = 0;  // runs whose response keeps to the mask
    // Runs whose drawn elements gave no usable sections; they count as not passing.
    int failedRuns = 0;
    // The failed runs by why (a value drawn at or below zero, a coefficient that is not
    // finite, a section whose real pole or pole pair left the left half-plane).
    struct FailureCauses {
        int valueNotPositive = 0;
        int notFinite = 0;
        int unstableRealPole = 0;
        int unstablePolePair = 0;
    } failures;
    double yield = 0;  // passedRuns / runs
    bool cancelled = false;
    ToleranceEnvelope envelope;
    std::string error;  // the circuit has no model; empty on success
    bool Succeeded() const { return error.empty(); }
};

// The frequencies each run evaluates: the graph's, then the mask's finite band edges (where
// a response leaves its mask first).
std::vector<double> ToleranceFrequencies(const RealisedCircuit& circuit, int pointsPerDecade);

// Runs the analysis on `options.threads` threads; `progress` hears of the runs done, one call
// at a time but from those threads; `cancel`, when given and set, stops each thread after
// its current run (the result then covers the runs made).
ToleranceResult RunToleranceAnalysis(const RealisedCircuit& circuit,
                                     const ToleranceOptions& options, int pointsPerDecade,
                                     const Progress& progress = {},
                                     const std::atomic<bool>* cancel = nullptr);

}  // namespace vorna::verify
