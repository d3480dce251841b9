#pragma once
// What each section of a realised circuit asks of its parts: its f0, Q and gain, the
// sensitivities of its omega0 and Q to every element, and the smallest op-amp
// gain-bandwidth product for which the simulated section stays within 0.1 dB of its ideal
// gain over the graph's frequencies. A section pre-distorted for op-amps of a GBW counts
// what it does with those op-amps as its ideal gain, and needs no more than that GBW.

#include <optional>
#include <string>
#include <vector>

#include "verify/Progress.h"
#include "verify/RealisedCircuit.h"

namespace vorna::verify {

inline constexpr double kRequiredGbwToleranceDb = 0.1;
// The search for the required gain-bandwidth product spans these (Hz).
inline constexpr double kLowestGbwHz = 1e3;
inline constexpr double kHighestGbwHz = 1e12;

// Relative sensitivities S = (d omega0 / omega0) / (d x / x) and the same for Q.
struct ElementSensitivity {
    std::string element;  // "R1_2"
    double omega0 = 0;
    double q = 0;  // 0 for a first-order section
};

struct SectionRequirement {
    int section = 0;  // the section number of the element names (1 first)
    double f0Hz = 0;
    std::optional<double> q;  // none for a first-order section
    double gain = 0;          // |H(j omega0)|, as a ratio
    std::vector<ElementSensitivity> sensitivities;
    // None when even kHighestGbwHz does not keep the section within the tolerance.
    std::optional<double> requiredGbwHz;
    // The op-amp the requirement was compared with falls short of it.
    bool opAmpFallsShort = false;
};

struct SectionRequirements {
    std::vector<SectionRequirement> sections;
    std::string error;       // a simulation failed; the sections found before it are kept
    bool cancelled = false;  // stopped by `cancel`; the sections found before are kept
    bool Succeeded() const { return error.empty(); }
};

// `opAmpGbwHz` is the gain-bandwidth product of the chosen op-amp, for the flags.
// `progress` hears of every section done; `cancel`, when given and set, stops the search
// after the current simulation.
SectionRequirements FindSectionRequirements(const RealisedCircuit& circuit, double opAmpGbwHz,
                                            int pointsPerDecade, const Progress& progress = {},
                                            const std::atomic<bool>* cancel = nullptr);

}  // namespace vorna::verify
