#include <gtest/gtest.h>

#include <variant>

#include "design/Approximations.h"
#include "design/DesignFilter.h"
#include "design/DigitalDesign.h"

namespace vorna {
namespace {

constexpr FilterKind kKinds[] = {FilterKind::LowPass, FilterKind::HighPass, FilterKind::BandPass,
                                 FilterKind::BandEliminate};

DesignSpec Spec(FilterKind kind, Approximation approximation, EntryMode entry) {
    DesignSpec spec;
    spec.kind = kind;
    spec.approximation = approximation;
    spec.entry = entry;
    spec.attp =
        ApproximationRowOf(approximation).passband == PassbandEntry::Ripple ? 0.5 : kThreeDecibels;
    spec.order = 5;
    // The Bessel roll-off tends to a Gaussian's: 1.5 Fp stays within 6.8 dB at any order.
    if (approximation == Approximation::Bessel) spec.atts = 6;
    return spec;
}

// Every kind, approximation and entry mode designs a filter whose sections follow from its
// order, and converts to a digital filter from twice its highest frequency on.
TEST(DesignApi, EveryKindAndApproximationDesignsAndConverts) {
    for (const FilterKind kind : kKinds) {
        for (const ApproximationRow& row : Approximations()) {
            for (const EntryMode entry : {EntryMode::BySpecification, EntryMode::ByOrder}) {
                const DesignSpec spec = Spec(kind, row.id, entry);
                SCOPED_TRACE(testing::Message() << static_cast<int>(kind) << " " << row.name << " "
                                                << (spec.ByOrder() ? "by order" : "by spec"));
                const DesignOutcome outcome = DesignFilter(spec);
                ASSERT_FALSE(outcome.Refused());
                const Design& design = outcome.Designed();
                const int order = design.figures.order;
                if (spec.ByOrder()) {
                    EXPECT_EQ(order, 5);
                }
                const bool band = IsBand(kind);
                EXPECT_EQ(design.FirstOrder().has_value(), !band && order % 2 != 0);
                EXPECT_EQ(design.Sections().size(),
                          static_cast<std::size_t>(band ? order : order / 2));

                const double limit = SamplingFrequencyLowerLimit(spec, design.figures);
                EXPECT_TRUE(std::holds_alternative<DesignResults>(DigitalDesign(design, limit)));
                const DigitalOutcome below = DigitalDesign(design, limit * 0.99);
                ASSERT_TRUE(std::holds_alternative<DigitalRefusal>(below));
                EXPECT_EQ(std::get<DigitalRefusal>(below).rule, DigitalRule::BelowLowerLimit);
            }
        }
    }
}

// Each rule refuses with its field and keeps what the design had taken over by then.
TEST(DesignApi, RefusalsNameRuleFieldAndWhatWasKept) {
    const struct {
        const char* what;
        FilterKind kind;
        Approximation approximation;
        EntryMode entry;
        void (*change)(DesignSpec&);
        DesignRule rule;
        DesignField field;
        EntriesKept kept;
    } cases[] = {
        {"atts below attp", FilterKind::LowPass, Approximation::Chebyshev,
         EntryMode::BySpecification, [](DesignSpec& s) { s.atts = 0.1; }, DesignRule::AttsBelowAttp,
         DesignField::Atts, EntriesKept::None},
        {"no ripple", FilterKind::LowPass, Approximation::Elliptic, EntryMode::ByOrder,
         [](DesignSpec& s) { s.attp = 0; }, DesignRule::RippleNotPositive, DesignField::Attp,
         EntriesKept::None},
        {"Xs of 1", FilterKind::HighPass, Approximation::Butterworth, EntryMode::BySpecification,
         [](DesignSpec& s) { s.xs = 1; }, DesignRule::XsNotAboveOne, DesignField::Xs,
         EntriesKept::None},
        {"no frequency", FilterKind::BandPass, Approximation::Butterworth, EntryMode::ByOrder,
         [](DesignSpec& s) { s.fp2 = 0; }, DesignRule::FrequencyNotPositive, DesignField::Fp2,
         EntriesKept::None},
        {"beyond doubles", FilterKind::LowPass, Approximation::Butterworth, EntryMode::ByOrder,
         [](DesignSpec& s) { s.fp = 1e75; }, DesignRule::FrequencyOutOfRange, DesignField::Fp,
         EntriesKept::None},
        {"reversed edges", FilterKind::BandPass, Approximation::Chebyshev, EntryMode::ByOrder,
         [](DesignSpec& s) { s.fp2 = s.fp1; }, DesignRule::BandEdgesReversed, DesignField::Fp2,
         EntriesKept::Edges},
        {"no stop band", FilterKind::BandEliminate, Approximation::Elliptic, EntryMode::ByOrder,
         [](DesignSpec& s) { s.xs = 2; }, DesignRule::XsNotBelowBandLimit, DesignField::Xs,
         EntriesKept::Edges},
        {"order above 58", FilterKind::LowPass, Approximation::Butterworth,
         EntryMode::BySpecification, [](DesignSpec& s) { s.xs = 1.01; },
         DesignRule::OrderAboveLimit, DesignField::None, EntriesKept::All},
        {"band too narrow", FilterKind::BandPass, Approximation::Butterworth, EntryMode::ByOrder,
         [](DesignSpec& s) {
             s.order = 58;
             s.fp2 = s.fp1 * (1 + 1e-10);
         },
         DesignRule::NotComputable, DesignField::None, EntriesKept::All},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DesignSpec spec = Spec(c.kind, c.approximation, c.entry);
        c.change(spec);
        const DesignOutcome outcome = DesignFilter(spec);
        ASSERT_TRUE(outcome.Refused());
        EXPECT_EQ(outcome.Refusal().rule, c.rule);
        EXPECT_EQ(outcome.Refusal().field, c.field);
        EXPECT_EQ(outcome.Refusal().kept, c.kept);
    }
}

}  // namespace
}  // namespace vorna
