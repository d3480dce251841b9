// The design of a filter from its entries: the entry checks in the order the parameter
// dialogs apply them, the order (entered, or the lowest that meets the entered limits), the
// figures of the approximation and the sections, which must all be finite.

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "design/DesignWork.h"
#include "design/FrequencyRange.h"
#include "design/SectionPipeline.h"

namespace vorna {

namespace {

DesignRefusal Refusal(DesignRule rule, DesignField field, double minimum = 0, double maximum = 0) {
    return {rule, field, minimum, maximum, EntriesKept::None, {}};
}

struct EnteredFrequency {
    DesignField field;
    double hz;
};

std::vector<EnteredFrequency> EnteredFrequencies(const DesignSpec& spec) {
    if (IsBand(spec.kind)) return {{DesignField::Fp1, spec.fp1}, {DesignField::Fp2, spec.fp2}};
    return {{DesignField::Fp, spec.fp}};
}

// A frequency of 0 or below leaves nothing to design, and one outside the range the
// arithmetic can hold gives a design of zeros and infinities.
std::optional<DesignRefusal> FrequencyRefusal(const DesignSpec& spec) {
    const std::vector<EnteredFrequency> entered = EnteredFrequencies(spec);
    for (const EnteredFrequency& e : entered) {
        if (!(e.hz > 0 && std::isfinite(e.hz)))
            return Refusal(DesignRule::FrequencyNotPositive, e.field);
    }
    for (const EnteredFrequency& e : entered) {
        if (!DesignFrequencyRepresentable(e.hz)) {
            return Refusal(DesignRule::FrequencyOutOfRange, e.field, kLowestDesignFrequency,
                           kHighestDesignFrequency);
        }
    }
    return std::nullopt;
}

// The checks of the entries before any is taken over.
std::optional<DesignRefusal> FirstEntryRefusal(const DesignSpec& spec,
                                               const ApproximationRow& row) {
    if (!spec.ByOrder() && spec.atts < spec.attp)
        return Refusal(DesignRule::AttsBelowAttp, DesignField::Atts, spec.attp, kMaxAtts);
    // A ripple of 0 dB leaves the ripple approximations without a pass-band epsilon.
    if (row.passband == PassbandEntry::Ripple && !(spec.attp > 0))
        return Refusal(DesignRule::RippleNotPositive, DesignField::Attp, 0, kMaxAttp);
    if (!(spec.xs > 1)) return Refusal(DesignRule::XsNotAboveOne, DesignField::Xs, 1, spec.xs);
    return FrequencyRefusal(spec);
}

// The checks once the edges are taken over.
std::optional<DesignRefusal> EdgeRefusal(const DesignSpec& spec) {
    // Equal edges leave no band: its width of 0 makes every section infinite.
    if (IsBand(spec.kind) && spec.fp2 <= spec.fp1)
        return Refusal(DesignRule::BandEdgesReversed, DesignField::Fp2, spec.fp1, spec.fp1);
    if (XsBoundedByBand(spec) && !(spec.xs < std::sqrt(spec.fp2 / spec.fp1))) {
        return Refusal(DesignRule::XsNotBelowBandLimit, DesignField::Xs,
                       std::sqrt(spec.fp2 / spec.fp1), spec.xs);
    }
    return std::nullopt;
}

// A band too narrow for its order gives figures or sections that are not finite.
bool Computable(const DesignFigures& f, const DesignResults& results) {
    return AllFinite(results) && AllFinite({f.fs, f.fs1, f.fs2, f.fc, f.bandwidth, f.attsAchieved,
                                            f.orderExact, f.xsAlt, f.epsP2, f.epsS2});
}

DesignOutcome Refused(DesignWork& w, DesignRefusal refusal, EntriesKept kept) {
    refusal.kept = kept;
    refusal.figures = w.f;
    return {std::move(w.notices), std::move(refusal)};
}

}  // namespace

bool XsBoundedByBand(const DesignSpec& spec) {
    return spec.kind == FilterKind::BandEliminate &&
           (!spec.ByOrder() || ApproximationRowOf(spec.approximation).finiteZeros);
}

SectionRequest SectionRequestOf(const DesignSpec& spec, const DesignFigures& f, int order) {
    return {spec.kind,
            spec.approximation,
            order,
            spec.attp,
            f.epsP2,
            f.epsS2,
            IsBand(spec.kind) ? f.xsAlt : spec.xs,
            spec.ByOrder() ? spec.besselNorm : BesselNorm::Magnitude};
}

void ComputeDesignResults(const DesignSpec& spec, DesignFigures& f, DesignResults& results) {
    results.p0 = 0;
    results.p1 = 0;
    results.p2 = 0;
    results.resultOddOrder = f.order % 2 != 0 ? 1 : 0;
    results.resultOrder = f.order;
    results.sectionLast = static_cast<int>(std::ceil((f.order - 1) / 2.0)) - 1;
    results.sections.assign(static_cast<std::size_t>(std::max(results.sectionLast + 1, 0)),
                            Section{});
    results.bandwidth = f.bandwidth;
    results.fc = f.fc;
    results.halfOrder = results.resultOrder / 2;
    results.evenOrder = 2 * results.halfOrder;
    results.omegaC = kTwoPi * results.fc;
    results.invTwoPi = 1 / kTwoPi;
    results.convertedToDigital = false;
    results.approximatedByCircuit = false;
    results.noDesignYet = false;
    const SectionOutcome outcome = ComputeSections(SectionRequestOf(spec, f, f.order), results);
    if (outcome.modulus) {
        const EllipticModulus& m = *outcome.modulus;
        f.elliptic = {m.k, m.kc, m.K, m.Kc, outcome.reached.selectivity};
        f.attsAchieved = outcome.reached.atts;
    }
    switch (spec.kind) {
        case FilterKind::LowPass:
            results.ComputeGraphRanges(f.attsAchieved, spec.fp, f.fs);
            break;
        case FilterKind::HighPass:
            results.ComputeGraphRanges(f.attsAchieved, f.fs, spec.fp);
            break;
        case FilterKind::BandPass:
            results.ComputeGraphRanges(f.attsAchieved, f.fs1, f.fs2);
            break;
        case FilterKind::BandEliminate:
            results.ComputeGraphRanges(f.attsAchieved, spec.fp1, spec.fp2);
            break;
    }
}

DesignOutcome DesignFilter(const DesignSpec& spec, const DesignFigures& from) {
    const ApproximationRow& row = ApproximationRowOf(spec.approximation);
    DesignWork w{spec, row, from, {}, std::nullopt};
    if (spec.ByOrder()) {
        if (spec.order > row.maxOrder || spec.order < row.minOrder) {
            return Refused(w,
                           Refusal(DesignRule::EntryOutOfRange, DesignField::Order, row.minOrder,
                                   row.maxOrder),
                           EntriesKept::None);
        }
    }
    if (auto refusal = FirstEntryRefusal(spec, row)) return Refused(w, *refusal, EntriesKept::None);
    if (spec.ByOrder()) {
        w.f.order = spec.order;
        w.f.orderExact = spec.order;
    }
    if (auto refusal = EdgeRefusal(spec)) return Refused(w, *refusal, EntriesKept::Edges);
    if (!spec.ByOrder()) {
        w.ComputeEpsilons();
        if (!row.specifiedOrder(w) || !w.CheckOrder())
            return Refused(w, *w.refusal, EntriesKept::All);
    }
    // Refused like the entries: what they set stays, the figures of the finish do not.
    const DesignFigures entered = w.f;
    w.f.orderExact = w.f.order;
    (spec.ByOrder() ? row.finishOrdered : row.finishSpecified)(w);
    Design design{spec, w.f, {}};
    ComputeDesignResults(spec, design.figures, design.results);
    if (!Computable(design.figures, design.results)) {
        w.f = entered;
        return Refused(w, Refusal(DesignRule::NotComputable, DesignField::None), EntriesKept::All);
    }
    return {std::move(w.notices), std::move(design)};
}

std::optional<FirstOrderSection> Design::FirstOrder() const {
    if (!HasFirstOrderTerm(results, static_cast<int>(spec.kind))) return std::nullopt;
    return FirstOrderSection{results.p0, results.p1, results.p2};
}

std::vector<Section> Design::Sections() const {
    const auto count = static_cast<long>(std::max(LastSectionIndex(results) + 1, 0));
    return {results.sections.begin(), results.sections.begin() + count};
}

}  // namespace vorna
