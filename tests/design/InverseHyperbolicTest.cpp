#include <gtest/gtest.h>

#include <cmath>

#include "design/LowPassPrototype.h"
#include "design/OrderSelection.h"

namespace vorna {
namespace {

TEST(InverseHyperbolic, AsinhAndAcoshWithTheirNotice) {
    EXPECT_NEAR(InvSinh(std::sinh(1.3)), 1.3, 1e-12);
    EXPECT_NEAR(InvSinh(-2.0), std::asinh(-2.0), 1e-12);
    const struct {
        double x;
        double expected;
        DesignNotices notices;
    } cases[] = {
        {std::cosh(2.1), 2.1, {}},
        {1.0, 0.0, {}},
        {0.5, 0.0, {DesignNotice::AcoshArgument}},
    };
    for (const auto& c : cases) {
        DesignNotices notices;
        EXPECT_NEAR(AreaCosh(c.x, notices), c.expected, 1e-12) << c.x;
        EXPECT_EQ(notices, c.notices) << c.x;
    }
}

}  // namespace
}  // namespace vorna
