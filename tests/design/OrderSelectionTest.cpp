#include <gtest/gtest.h>

#include <cmath>

#include "design/OrderSelection.h"

namespace vorna {
namespace {

TEST(OrderSelection, OrderLimitsRaiseOrRefuseWithANotice) {
    const struct {
        int order;
        bool accepted;
        int after;
        DesignNotices notices;
    } cases[] = {
        {-1, true, 2, {DesignNotice::OrderRaisedToMinimum}},
        {1, true, 2, {DesignNotice::OrderRaisedToMinimum}},
        {2, true, 2, {}},
        {58, true, 58, {}},
        {59, false, 59, {DesignNotice::OrderAboveLimit}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.order);
        int order = c.order;
        DesignNotices notices;
        EXPECT_EQ(ApplyOrderLimits(order, notices), c.accepted);
        EXPECT_EQ(order, c.after);
        EXPECT_EQ(notices, c.notices);
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
