#include <gtest/gtest.h>

#include <cmath>

#include "analysis/AnalysisDesigns.h"
#include "analysis/TimeResponse.h"

namespace vorna::testing {
namespace {

using analysis::Excitation;

TEST(TimeResponse, OrderFiftyEightResponsesStayFiniteAndSettle) {
    // A stop-band ratio of 1.05 keeps the elliptic attenuations within what doubles can
    // hold (at 1.5 an order-58 band-eliminate design claims 1367 dB).
    for (const CascadeCase& c : CascadeCases({58}, true, 1.05)) {
        SCOPED_TRACE(c.name);
        const auto settling = analysis::SettlingTime(c.cascade);
        ASSERT_TRUE(settling);
        // Two settling times leave a millionth of the slowest mode's envelope.
        const auto step = analysis::TimeResponse(c.cascade, Excitation::Step, 2 * *settling, 1000);
        const auto impulse =
            analysis::TimeResponse(c.cascade, Excitation::Impulse, 2 * *settling, 1000);
        ASSERT_TRUE(step && impulse);
        auto largest = [](const std::vector<analysis::TimeSample>& samples) {
            double m = 0;
            for (const auto& sample : samples) m = std::max(m, std::fabs(sample.value));
            return m;
        };
        EXPECT_NEAR(step->back().value, analysis::DcGain(c.cascade), 1e-4 * largest(*step));
        EXPECT_NEAR(impulse->back().value, 0, 1e-4 * largest(*impulse));
    }
}

TEST(TimeResponse, RefusesWhatCannotBeComputed) {
    const analysis::Cascade lowPass = CascadeCases({4}, false).front().cascade;
    struct Case {
        double end;
        int points;
    };
    for (const Case& bad :
         {Case{0, 100}, Case{-1, 100}, Case{NAN, 100}, Case{INFINITY, 100}, Case{1, 1}}) {
        EXPECT_FALSE(analysis::TimeResponse(lowPass, Excitation::Step, bad.end, bad.points));
    }
    // A pole in the right half plane never settles.
    analysis::Cascade unstable = lowPass;
    unstable.sections[0].den1 = -1;
    EXPECT_FALSE(analysis::SettlingTime(unstable));
}

}  // namespace
}  // namespace vorna::testing
