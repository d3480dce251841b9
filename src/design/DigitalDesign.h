#pragma once
// The digital filter of a design for a sampling frequency: the edges pre-warped, the
// sections computed again for them and mapped by the bilinear transform.

#include <variant>

#include "design/DesignFilter.h"

namespace vorna {

// Twice the highest frequency of the design (Hz).
double SamplingFrequencyLowerLimit(const DesignSpec& spec, const DesignFigures& figures);

enum class DigitalRule {
    BelowLowerLimit,  // below twice the highest frequency, or not above 0
    NotComputable,    // the coefficients are not finite (a sampling period too short)
};

struct DigitalRefusal {
    DigitalRule rule = DigitalRule::NotComputable;
    double lowerLimit = 0;
};

using DigitalOutcome = std::variant<DesignResults, DigitalRefusal>;

// The digital results of `results` (the design's analog results, or what a window shows of
// them) for `samplingFrequency` in Hz.
DigitalOutcome ConvertResults(const DesignSpec& spec, const DesignFigures& figures,
                              const DesignResults& results, double samplingFrequency);

// The digital filter of a design.
DigitalOutcome DigitalDesign(const Design& design, double samplingFrequency);

}  // namespace vorna
