#pragma once
// A design's transfer function as plain values: the first-order section (when it takes
// part) and the second-order sections in use, analog in s (rad/s) or digital in
// zm = z^-1 with its sampling period. Everything in this folder works on these values only.
//   analog:  H0 = (p1 s + p2)/(s + p0),  Hn = (n[2] s^2 + n[3] s + n[4])/(s^2 + n[0] s + n[1])
//   digital: H0 = (p1 + p2 zm)/(1 + p0 zm),
//            Hn = (n[2] + n[3] zm + n[4] zm^2)/(1 + n[0] zm + n[1] zm^2)

#include <optional>
#include <vector>

#include "design/DesignResults.h"

namespace vorna::analysis {

enum class Domain { Analog, Digital };

struct FirstOrderSection {
    double p0 = 0;
    double p1 = 0;
    double p2 = 0;
};

struct Cascade {
    Domain domain = Domain::Analog;
    double samplingPeriod = 0;  // seconds; digital only
    std::optional<FirstOrderSection> first;
    std::vector<Section> sections;  // the fields Pn_0 .. Pn_4 of each section

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
