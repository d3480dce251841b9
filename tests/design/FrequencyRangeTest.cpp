#include <gtest/gtest.h>

#include <limits>

#include "design/FrequencyRange.h"

namespace vorna {
namespace {

TEST(FrequencyRange, BandEdgesOutsideWhatDoublesCanDesignAreRefused) {
    const double huge = 1e308;
    const struct {
        double hz;
        bool representable;
    } cases[] = {
        {1e-320, false},
        {1e-80, false},
        {1e-71, false},
        {1e-70, true},
        {1000, true},
        {1e14, true},
        {1e70, true},
        {1e71, false},
        {1e300, false},
        {huge * 1e9, false},
        {0, false},
        {-1000, false},
        {std::numeric_limits<double>::quiet_NaN(), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DesignFrequencyRepresentable(c.hz), c.representable) << c.hz;
}

}  // namespace
}  // namespace vorna
