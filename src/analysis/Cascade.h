#pragma once
// A design's transfer function as plain values: the first-order section (when it takes
// part) and the second-order sections in use, analog in s (rad/s) or digital in
// zm = z^-1 with its sampling period. Everything in this folder works on these values only.
//   analog:  H0 = (p1 s + p2)/(s + p0),  Hn = (num2 s^2 + num1 s + num0)/(s^2 + den1 s + den0)
//   digital: H0 = (p1 + p2 zm)/(1 + p0 zm),
//            Hn = (num2 + num1 zm + num0 zm^2)/(1 + den1 zm + den0 zm^2)

#include <optional>
#include <vector>

#include "design/DesignResults.h"

namespace vorna::analysis {

enum class Domain { Analog, Digital };

struct Cascade {
    Domain domain = Domain::Analog;
    double samplingPeriod = 0;  // seconds; digital only
    std::optional<FirstOrderSection> first;
    std::vector<Section> sections;

    bool IsDigital() const { return domain == Domain::Digital; }
    // Number of first- and second-order sections.
    int SectionCount() const;
};

// Whether every coefficient (and the sampling period) is a finite number.
bool AllFinite(const Cascade& cascade);

// The cascade of a design's results for filter kind `kind` in `domain` (`samplingPeriod`
// is kept for a digital one).
Cascade CascadeIn(const DesignResults& results, int kind, Domain domain, double samplingPeriod);
// The same in the domain the results are in: digital once they were converted.
Cascade CascadeOf(const DesignResults& results, int kind, double samplingPeriod);

}  // namespace vorna::analysis
