#pragma once
// Cascades of designs of every kind and approximation, analog and mapped to digital, for the
// analysis tests.

#include <string>
#include <vector>

#include "analysis/Cascade.h"
#include "design/DesignFixture.h"

namespace vorna::testing {

struct CascadeCase {
    std::string name;
    Design design;
    analysis::Cascade cascade;
};

inline constexpr double kTestSamplingPeriod = 1.0 / 96000;

// Every kind and approximation at each of `orders` with a ripple of 0.5 dB and the stop-band
// ratio `xs`, analog, and digital when `digital` is set (the analog sections of the same
// design through the bilinear transform).
std::vector<CascadeCase> CascadeCases(const std::vector<int>& orders, bool digital,
                                      double xs = 1.5);

// `points` angular frequencies over the graph's range of a case: the design's, ending at
// half the sampling frequency for a digital one.
std::vector<double> GraphOmegas(const CascadeCase& c, int points);

}  // namespace vorna::testing
