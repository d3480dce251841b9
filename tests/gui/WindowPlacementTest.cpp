// Where the main frame and the icons of minimised design windows are placed.

#include <gtest/gtest.h>

#include "WindowPlacement.h"

namespace vorna {
namespace {

TEST(WindowPlacement, FrameIsMovedAndShrunkIntoTheAvailableArea) {
    const QRect small(0, 0, 1024, 740);       // 1024 x 768 less a panel
    const QRect second(1920, 30, 1280, 994);  // a second screen with a panel above
    const struct {
        QRect wanted;
        QMargins frame;
        QRect available;
        QRect expected;
    } cases[] = {
        {{400, 200, 1000, 900}, {}, {0, 0, 1920, 1160}, {400, 200, 1000, 900}},
        {{400, 200, 1000, 900}, {}, small, {24, 0, 1000, 740}},
        {{400, 200, 1000, 900}, {4, 30, 4, 4}, small, {20, 30, 1000, 706}},
        {{-50, -20, 300, 200}, {}, small, {0, 0, 300, 200}},
        {{3000, 900, 800, 600}, {}, second, {2400, 424, 800, 600}},
        {{100, 100, 2000, 2000}, {}, second, {1920, 30, 1280, 994}},
    };
    for (const auto& c : cases) {
        const QRect fitted = FitIntoArea(c.wanted, c.frame, c.available);
        EXPECT_EQ(fitted, c.expected) << c.wanted.x() << "," << c.wanted.y();
        EXPECT_TRUE(c.available.contains(fitted.marginsAdded(c.frame)));
    }
}

TEST(WindowPlacement, IconsFillRowsFromTheBottomLeft) {
    const std::vector<QPoint> three = IconPositions(3, QSize(160, 30), QSize(400, 300));
    EXPECT_EQ(three, (std::vector<QPoint>{{0, 270}, {160, 270}, {0, 240}}));
    EXPECT_EQ(IconPositions(2, QSize(500, 30), QSize(400, 300)),
              (std::vector<QPoint>{{0, 270}, {0, 240}}));
}

}  // namespace
}  // namespace vorna
