#pragma once
// The design API, DesignFilter, and its values: what a design is asked for (DesignSpec), the
// figures a design derives from it (DesignFigures), the design itself (Design) and the
// refusal of a filter's entries (DesignRefusal), which names its rule, its field and the
// limits it broke. Frequencies are in Hz, attenuations in dB. No text: callers name the rules
// and notices.

#include <optional>
#include <variant>
#include <vector>

#include "design/DesignResults.h"
#include "design/EllipticFunctions.h"
#include "design/FilterKinds.h"
#include "design/OrderSelection.h"
#include "design/SectionPipeline.h"

namespace vorna {

inline constexpr double kThreeDecibels = 3.0102999566398116;  // 10·log10 2

// The largest entries: attp and atts in dB, and Xs (a band-eliminate design with a stop band
// also needs Xs below √(Fp2/Fp1)).
inline constexpr double kMaxAttp = 100;
inline constexpr double kMaxAtts = 2000;
inline constexpr double kMaxXs = 100;

enum class EntryMode { BySpecification, ByOrder };

// The entries of one design. Fp is the cut-off Fc of a low-pass or high-pass design by
// order; Fp1 and Fp2 are the band edges of band-pass and band-eliminate designs.
struct DesignSpec {
    FilterKind kind = FilterKind::LowPass;
    Approximation approximation = Approximation::Butterworth;
    EntryMode entry = EntryMode::BySpecification;
    double fp = 1000;
    double fp1 = 1000;
    double fp2 = 3000;
    double attp = kThreeDecibels;
    double atts = 60;
    double xs = 1.5;
    int order = 18;
    // The Bessel approximation's normalisation of a design by order (a specification fixes
    // the response by its own edges).
    BesselNorm besselNorm = BesselNorm::Magnitude;

    bool ByOrder() const { return entry == EntryMode::ByOrder; }
};

// What the elliptic steps computed for their stop-band ratio.
struct EllipticFigures {
    double modulus = 0;
    double complement = 0;
    double K = 0;
    double Kc = 0;
    double selectivity = 0;

    bool operator==(const EllipticFigures&) const = default;
};

// The figures of a design. A design sets those its approximation and kind define; the
// others keep the values of the figures it started from (a new document's by default).
struct DesignFigures {
    int order = 18;
    double orderExact = 18;
    double fs = 1500;
    double fs1 = 2000;
    double fs2 = 4500;
    double fc = 1000;
    double bandwidth = 2000;
    double attsAchieved = 60;
    double xsAlt = 0;
    double omegaS = 0;
    double epsP2 = 0;
    double epsS2 = 0;
    EllipticFigures elliptic;

    bool operator==(const DesignFigures&) const = default;
};

// The entry fields of a design; None for a refusal of the design as a whole.
enum class DesignField { None, Fp, Fp1, Fp2, Attp, Atts, Xs, Order };

enum class DesignRule {
    EntryOutOfRange,       // a number outside the range the entry accepts (the limits)
    AttsBelowAttp,         // atts must be above attp
    RippleNotPositive,     // a ripple approximation needs attp above 0
    XsNotAboveOne,         // Xs must be above 1 (the limits: 1 and the value)
    FrequencyNotPositive,  // a frequency of 0, below, or not a number
    FrequencyOutOfRange,   // outside kLowestDesignFrequency .. kHighestDesignFrequency
    BandEdgesReversed,     // Fp2 must be above Fp1
    XsNotBelowBandLimit,   // band-eliminate: Xs below √(Fp2/Fp1) (the limits: it and the value)
    OrderAboveLimit,       // the order (entered or computed) above the highest
    NotComputable,         // the figures or sections are not finite
};

// How far the entries were taken over when a design was refused: a caller that keeps the
// entries of a refused design (the document, whose dialog shows them again) keeps these.
enum class EntriesKept {
    None,
    Edges,  // the band edges or Fp (by order also the order and Xs)
    All,    // every entry, and the figures as far as the design came
};

struct DesignRefusal {
    DesignRule rule = DesignRule::NotComputable;
    DesignField field = DesignField::None;
    double minimum = 0;
    double maximum = 0;
    EntriesKept kept = EntriesKept::None;
    DesignFigures figures;  // as far as the design came (the starting figures before it)
};

// A design: its entries, figures and results (sections, graph ranges), and the notices that
// arose on the way, in order.
struct Design {
    DesignSpec spec;
    DesignFigures figures;
    DesignResults results;

    // The first-order section of an odd low-pass or high-pass order (a band design carries
    // its transformed real pole in a second-order section), and the second-order sections.
    std::optional<FirstOrderSection> FirstOrder() const;
    std::vector<Section> Sections() const;
};

struct DesignOutcome {
    DesignNotices notices;
    std::variant<Design, DesignRefusal> result;

    bool Refused() const { return std::holds_alternative<DesignRefusal>(result); }
    const Design& Designed() const { return std::get<Design>(result); }
    const DesignRefusal& Refusal() const { return std::get<DesignRefusal>(result); }
};

// Designs the filter of `spec`, starting from the figures `from`.
DesignOutcome DesignFilter(const DesignSpec& spec, const DesignFigures& from = {});

// Whether the band-eliminate design of `spec` needs Xs below √(Fp2/Fp1).
bool XsBoundedByBand(const DesignSpec& spec);

// The prototype request of the design of `spec` with `figures` at `order`.
SectionRequest SectionRequestOf(const DesignSpec& spec, const DesignFigures& figures, int order);

// Resets `results` for the design of `spec` with `figures` and computes its sections and
// graph ranges. An elliptic design writes what its order reaches into `figures`. The section
// gain of a prototype that makes no filter stays as `results` held it.
void ComputeDesignResults(const DesignSpec& spec, DesignFigures& figures, DesignResults& results);

}  // namespace vorna
