#include <gtest/gtest.h>

#include <cmath>

#include "design/DesignFilter.h"
#include "design/OrderSelection.h"

namespace vorna {
namespace {

// The order limits as the design API applies them: a specified order below the lowest is
// raised with a notice, one above the highest refused with the figures it reached; an entered
// order outside the limits is refused as an entry.
TEST(OrderSelection, OrderLimitsRaiseOrRefuseWithANotice) {
    const struct {
        EntryMode entry;
        double atts;
        double xs;
        int order;
        std::optional<DesignRule> refusal;
        int after;
        DesignNotices notices;
    } cases[] = {
        {EntryMode::BySpecification,
         4,
         50,
         18,
         std::nullopt,
         2,
         {DesignNotice::OrderRaisedToMinimum}},
        {EntryMode::BySpecification, 60, 2, 18, std::nullopt, 10, {}},
        {EntryMode::BySpecification, 60, 1.1, 18, DesignRule::OrderAboveLimit, 59, {}},
        {EntryMode::ByOrder, 60, 1.5, 2, std::nullopt, 2, {}},
        {EntryMode::ByOrder, 60, 1.5, 58, std::nullopt, 58, {}},
        {EntryMode::ByOrder, 60, 1.5, 1, DesignRule::EntryOutOfRange, 18, {}},
        {EntryMode::ByOrder, 60, 1.5, 59, DesignRule::EntryOutOfRange, 18, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.xs << " " << c.order);
        DesignSpec spec;
        spec.entry = c.entry;
        spec.atts = c.atts;
        spec.xs = c.xs;
        spec.order = c.order;
        const DesignOutcome outcome = DesignFilter(spec);
        ASSERT_EQ(outcome.Refused(), c.refusal.has_value());
        if (c.refusal) {
            EXPECT_EQ(outcome.Refusal().rule, *c.refusal);
            EXPECT_EQ(outcome.Refusal().figures.order, c.after);
        } else {
            EXPECT_EQ(outcome.Designed().figures.order, c.after);
        }
        EXPECT_EQ(outcome.notices, c.notices);
    }
}

TEST(OrderSelection, ChebyshevOrderNotesEveryAcoshArgumentBelowOne) {
    DesignNotices notices;
    EXPECT_NEAR(ChebyshevOrder(1, 99, 1.5, notices), 3.104840818640894, 1e-12);
    EXPECT_TRUE(notices.empty());
    // Both arguments below 1: two notices, and 0 / 0.
    EXPECT_TRUE(std::isnan(ChebyshevOrder(4, 1, 0.5, notices)));
    EXPECT_EQ(notices, DesignNotices(2, DesignNotice::AcoshArgument));
}

}  // namespace
}  // namespace vorna
