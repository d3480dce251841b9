// The tolerance envelope's quantiles against those of the sorted full set of gains: exact
// while the runs are kept, within a bin of the kept range once they are counted.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "verify/EnvelopeQuantiles.h"

namespace vorna::verify {
namespace {

// The quantile q of ascending `sorted`, interpolated between neighbouring ranks.
double Quantile(const std::vector<double>& sorted, double q) {
    const double position = q * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    if (below + 1 >= sorted.size()) return sorted[below];
    return sorted[below] +
           (position - static_cast<double>(below)) * (sorted[below + 1] - sorted[below]);
}

TEST(EnvelopeQuantiles, MatchTheSortedGainsExactlyWhileKeptAndWithinABinWhenCounted) {
    constexpr std::size_t kKept = 2048;
    enum class Spread { Normal, Skewed, FewValues, Equal };
    const struct {
        Spread spread;
        std::size_t runs;
        bool exact;
    } cases[] = {
        {Spread::Normal, 2, true},        {Spread::Normal, 199, true},
        {Spread::Skewed, kKept, true},    {Spread::FewValues, 100, true},
        {Spread::Normal, 20000, false},   {Spread::Skewed, 20000, false},
        {Spread::FewValues, 5000, false}, {Spread::Equal, 3000, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.spread) << " " << c.runs);
        std::mt19937_64 random(c.runs);
        std::normal_distribution<double> normal(-3, 0.4);
        auto gain = [&](std::size_t point) {
            const double g = normal(random);
            switch (c.spread) {
                case Spread::Normal:
                    return g + static_cast<double>(point);
                case Spread::Skewed:
                    return std::exp(g + 3) - 60;
                case Spread::FewValues:
                    return std::round(4 * g) / 4;
                case Spread::Equal:
                    return -0.1;
            }
            return 0.0;
        };
        const std::size_t points = 3;
        EnvelopeQuantiles envelope(points, kKept);
        std::vector<std::vector<double>> all(points);
        std::vector<double> gains(points);
        // Kept runs in any order, a few of them missing (runs that gave no sections).
        const std::size_t kept = std::min(c.runs, kKept);
        std::vector<std::size_t> order(kept);
        for (std::size_t run = 0; run < kept; ++run) order[run] = (run * 97 + 13) % kept;
        for (std::size_t run : order) {
            if (run % 50 == 7) continue;
            for (std::size_t p = 0; p < points; ++p) all[p].push_back(gains[p] = gain(p));
            envelope.Keep(run, {gains, 1, points});
        }
        if (c.runs > kept) {
            envelope.StartHistograms();
            // Counted by two threads, one beside the histograms and one in memory of its own.
            EnvelopeCounts first(envelope, 0), second(envelope, 7);
            for (std::size_t run = kept; run < c.runs; ++run) {
                for (std::size_t p = 0; p < points; ++p) all[p].push_back(gains[p] = gain(p));
                (run % 3 == 0 ? first : second).Count({gains, 1, points});
            }
            envelope.Add(first);
            envelope.Add(second);
        }
        const ToleranceEnvelope e = envelope.Finish(std::vector<double>{10, 20, 30});
        ASSERT_EQ(e.frequencyHz.size(), points);
        for (std::size_t p = 0; p < points; ++p) {
            std::ranges::sort(all[p]);
            const double range = all[p].back() - all[p].front();
            // Exact: 1e-9 of the range; counted: a bin of the kept runs' range.
            const double slack = c.exact ? 1e-9 * range : range / (envelope.Bins() - 2);
            EXPECT_EQ(e.minDb[p], all[p].front());
            EXPECT_EQ(e.maxDb[p], all[p].back());
            EXPECT_NEAR(e.p5Db[p], Quantile(all[p], 0.05), slack);
            EXPECT_NEAR(e.p50Db[p], Quantile(all[p], 0.5), slack);
            EXPECT_NEAR(e.p95Db[p], Quantile(all[p], 0.95), slack);
        }
    }
    EXPECT_TRUE(EnvelopeQuantiles(3, kKept).Finish(std::vector<double>{1, 2, 3}).minDb.empty());
}

}  // namespace
}  // namespace vorna::verify
