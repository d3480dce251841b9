#include "verify/EnvelopeQuantiles.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>

namespace vorna::verify {
namespace {

constexpr std::array<double, 3> kQuantiles = {0.05, 0.5, 0.95};
const std::uint64_t kNoGain =
    std::bit_cast<std::uint64_t>(std::numeric_limits<double>::quiet_NaN());

// The quantile q of values that `at(rank)` gives in ascending order, interpolated between
// the neighbouring ranks.
template <typename At>
double Interpolated(double q, std::uint64_t count, At at) {
    const double position = q * static_cast<double>(count - 1);
    const auto below = static_cast<std::uint64_t>(position);
    const double low = at(below);
    if (below + 1 >= count) return low;
    return low + (position - static_cast<double>(below)) * (at(below + 1) - low);
}

}  // namespace

EnvelopeQuantiles::EnvelopeQuantiles(std::size_t points, std::size_t exactRuns)
    : points_(points),
      exactRuns_(std::max<std::size_t>(exactRuns, 2)),
      words_(points * exactRuns_, kNoGain),
      low_(points),
      high_(points),
      binWidth_(points),
      binsPerDb_(points),
      smallest_(points, std::numeric_limits<double>::infinity()),
      largest_(points, -std::numeric_limits<double>::infinity()) {}

void EnvelopeQuantiles::Keep(std::size_t firstRun, const RunGains& gains) {
    // Point by point, so that each point's places are written in a row.
    for (std::size_t p = 0; p < points_; ++p)
        for (std::size_t k = 0; k < gains.runs; ++k)
            words_[p * exactRuns_ + firstRun + k] = std::bit_cast<std::uint64_t>(gains.At(k, p));
}

void EnvelopeQuantiles::StartHistograms() {
    std::vector<double> kept;
    kept.reserve(exactRuns_);
    for (std::size_t p = 0; p < points_; ++p) {
        const std::span<std::uint64_t> words(&words_[p * exactRuns_], exactRuns_);
        kept.clear();
        for (std::uint64_t word : words)
            if (!std::isnan(std::bit_cast<double>(word)))
                kept.push_back(std::bit_cast<double>(word));
        std::ranges::fill(words, 0);
        if (kept.empty()) continue;
        const auto [lowest, highest] = std::ranges::minmax_element(kept);
        low_[p] = smallest_[p] = *lowest;
        high_[p] = largest_[p] = *highest;
        binWidth_[p] = (high_[p] - low_[p]) / static_cast<double>(Bins() - 2);
        binsPerDb_[p] = binWidth_[p] > 0 ? 1 / binWidth_[p] : 0;
        for (double gain : kept) AddToBin(p, BinOf(p, gain), 1);
    }
    counting_ = true;
}

void EnvelopeQuantiles::Add(const EnvelopeCounts& counts) {
    const std::size_t bins = Bins();
    for (std::size_t p = 0; p < points_; ++p) {
        smallest_[p] = std::min(smallest_[p], counts.smallest_[p]);
        largest_[p] = std::max(largest_[p], counts.largest_[p]);
        for (std::size_t bin = 0; bin < bins; ++bin) AddToBin(p, bin, counts.BinCount(p, bin));
    }
}

void EnvelopeQuantiles::AddToBin(std::size_t point, std::size_t bin, std::uint64_t count) {
    words_[point * exactRuns_ + bin / 2] += count << (32 * (bin % 2));
}

EnvelopeCounts::EnvelopeCounts(EnvelopeQuantiles& envelope, std::size_t slot)
    : envelope_(envelope),
      smallest_(envelope.points_, std::numeric_limits<double>::infinity()),
      largest_(envelope.points_, -std::numeric_limits<double>::infinity()) {
    const std::size_t histogram = envelope.HistogramWords();
    if ((slot + 2) * histogram <= envelope.exactRuns_) {
        words_ = &envelope.words_[(slot + 1) * histogram];
        stride_ = envelope.exactRuns_;
    } else {
        own_.assign(envelope.points_ * histogram, 0);
        words_ = own_.data();
        stride_ = histogram;
    }
}

std::uint32_t EnvelopeCounts::BinCount(std::size_t point, std::size_t bin) const {
    return static_cast<std::uint32_t>(words_[point * stride_ + bin / 2] >> (32 * (bin % 2)));
}

void EnvelopeCounts::Count(const RunGains& gains) {
    // Point by point, so that each point's bins are at hand for all the runs.
    for (std::size_t p = 0; p < envelope_.points_; ++p) {
        for (std::size_t k = 0; k < gains.runs; ++k) {
            const double gain = gains.At(k, p);
            if (std::isnan(gain)) continue;
            smallest_[p] = std::min(smallest_[p], gain);
            largest_[p] = std::max(largest_[p], gain);
            const std::size_t bin = envelope_.BinOf(p, gain);
            words_[p * stride_ + bin / 2] += std::uint64_t{1} << (32 * (bin % 2));
        }
    }
}

std::size_t EnvelopeQuantiles::BinOf(std::size_t point, double gain) const {
    if (gain < low_[point]) return 0;
    if (gain > high_[point]) return Bins() - 1;
    // The bins' edges are low_ + k binWidth_; a gain within a rounding of an edge may fall
    // either side, which the quantiles' bound of one bin covers.
    const double offset = (gain - low_[point]) * binsPerDb_[point];
    return 1 + std::min(static_cast<std::size_t>(offset), Bins() - 3);
}

std::uint32_t EnvelopeQuantiles::BinCount(std::size_t point, std::size_t bin) const {
    return static_cast<std::uint32_t>(words_[point * exactRuns_ + bin / 2] >> (32 * (bin % 2)));
}

double EnvelopeQuantiles::GainAtRank(std::size_t point, std::uint64_t rank) const {
    std::uint64_t before = 0;
    for (std::size_t bin = 0; bin < Bins(); ++bin) {
        const std::uint32_t count = BinCount(point, bin);
        if (rank < before + count) {
            double from = high_[point], to = largest_[point];  // the bin beyond
            if (bin == 0) {
                from = smallest_[point];
                to = low_[point];
            } else if (bin + 1 < Bins()) {
                from = low_[point] + static_cast<double>(bin - 1) * binWidth_[point];
                to = from + binWidth_[point];
            }
            const double share = (static_cast<double>(rank - before) + 0.5) / count;
            return std::clamp(from + share * (to - from), smallest_[point], largest_[point]);
        }
        before += count;
    }
    return largest_[point];
}

ToleranceEnvelope EnvelopeQuantiles::Finish(std::span<const double> frequencies) const {
    ToleranceEnvelope envelope;
    std::vector<double> kept;
    for (std::size_t p = 0; p < points_; ++p) {
        std::uint64_t count = 0;
        double smallest = smallest_[p], largest = largest_[p];
        if (counting_) {
            for (std::size_t bin = 0; bin < Bins(); ++bin) count += BinCount(p, bin);
        } else {
            kept.clear();
            for (std::size_t run = 0; run < exactRuns_; ++run) {
                const std::uint64_t word = words_[p * exactRuns_ + run];
                if (!std::isnan(std::bit_cast<double>(word)))
                    kept.push_back(std::bit_cast<double>(word));
            }
            std::ranges::sort(kept);
            count = kept.size();
            if (count > 0) {
                smallest = kept.front();
                largest = kept.back();
            }
        }
        if (count == 0) return {};
        envelope.minDb.push_back(smallest);
        envelope.maxDb.push_back(largest);
        std::array<double, 3> q{};
        for (std::size_t k = 0; k < kQuantiles.size(); ++k) {
            // The quantiles of equal gains are that gain exactly.
            q[k] = smallest == largest ? smallest
                   : counting_
                       ? Interpolated(kQuantiles[k], count,
                                      [&](std::uint64_t rank) { return GainAtRank(p, rank); })
                       : Interpolated(kQuantiles[k], count,
                                      [&](std::uint64_t rank) { return kept[rank]; });
        }
        envelope.p5Db.push_back(q[0]);
        envelope.p50Db.push_back(q[1]);
        envelope.p95Db.push_back(q[2]);
    }
    envelope.frequencyHz.assign(frequencies.begin(), frequencies.end());
    return envelope;
}

}  // namespace vorna::verify
