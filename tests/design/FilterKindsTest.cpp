#include <gtest/gtest.h>

#include "design/FilterKinds.h"

namespace vorna {
namespace {

// Stored ids outside the four kinds or approximations name none: the pipeline's tables are
// indexed by them.
TEST(FilterKinds, OnlyTheFourIdsOfEachNameAValue) {
    const struct {
        int id;
        bool kind, approximation;
    } cases[] = {{100, false, false}, {101, true, false}, {104, true, false},  {105, false, false},
                 {110, false, false}, {111, false, true}, {114, false, true},  {115, false, false},
                 {116, false, true},  {117, false, true}, {118, false, false}, {0, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(FilterKindOf(c.id).has_value(), c.kind);
        EXPECT_EQ(ApproximationOf(c.id).has_value(), c.approximation);
    }
    EXPECT_EQ(FilterKindOf(103), FilterKind::BandPass);
    EXPECT_EQ(ApproximationOf(113), Approximation::InverseChebyshev);
}

}  // namespace
}  // namespace vorna
