#include "verify/ToleranceRuns.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>

#include "analysis/Response.h"

namespace vorna::verify {
namespace {

// Rounding in the last places does not make a design leave its mask.
constexpr double kMaskSlackDb = 1e-6;
// The most runs a thread takes at a time, and the blocks each thread should get at least
// (so that the threads end close together).
constexpr std::size_t kLargestBlock = 64;
constexpr std::size_t kBlocksPerThread = 16;

bool Inside(const analysis::MaskBand& band, double hz) {
    return hz >= band.lowHz && (!band.HasUpperEnd() || hz <= band.highHz);
}

}  // namespace

int ToleranceThreads(int threads) {
    if (threads > 0) return threads;
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

ToleranceRuns::ToleranceRuns(const CircuitModel& model, const ToleranceOptions& options,
                             std::span<const double> frequencies,
                             const std::vector<analysis::MaskBand>& mask,
                             EnvelopeQuantiles& envelope)
    : model_(model),
      nominal_(model.NominalValues()),
      distribution_(options.distribution),
      envelope_(envelope),
      random_(options.seed) {
    for (const ModelElement& element : model.Elements())
        tolerance_.push_back(element.kind == ElementKind::Resistor ? options.resistorTolerance
                                                                   : options.capacitorTolerance);
    for (double hz : frequencies) omegas_.push_back(kTwoPi * hz);
    for (std::size_t i = 0; i < frequencies.size(); ++i)
        for (const analysis::MaskBand& band : mask)
            if (Inside(band, frequencies[i])) mask_.push_back({i, band.kind, band.limitDb});
}

ToleranceRuns::Block ToleranceRuns::Deal(std::vector<double>& spreads) {
    const std::lock_guard lock(dealing_);
    const Block block{next_, std::min(blockSize_, end_ - next_)};
    next_ += block.count;
    spreads.resize(block.count * nominal_.size());
    for (double& spread : spreads)
        spread =
            distribution_ == Distribution::Uniform ? random_.Symmetric() : random_.Normal() / 3;
    return block;
}

bool ToleranceRuns::KeepsToMask(std::span<const double> gains) const {
    return std::all_of(mask_.begin(), mask_.end(), [&](const MaskPoint& p) {
        const double gain = gains[p.index];
        return p.kind == analysis::BandKind::Pass ? gain >= p.limitDb - kMaskSlackDb
                                                  : gain <= p.limitDb + kMaskSlackDb;
    });
}

void ToleranceRuns::Work(bool keep, std::size_t slot, const std::atomic<bool>* cancel) {
    const std::size_t elements = nominal_.size(), points = omegas_.size();
    Buffers buffers;
    buffers.spreads.reserve(blockSize_ * elements);
    buffers.values.resize(elements);
    buffers.gains.resize(blockSize_ * points);
    buffers.outcomes.resize(blockSize_);
    if (!keep) buffers.counts.emplace(envelope_, slot);
    for (;;) {
        const Block block = Deal(buffers.spreads);
        if (block.count == 0) break;
        std::size_t made = 0;
        int passed = 0;
        for (; made < block.count && !Cancelled(cancel); ++made) {
            const double* spreads = &buffers.spreads[made * elements];
            for (std::size_t i = 0; i < elements; ++i)
                buffers.values[i] = nominal_[i] * (1 + tolerance_[i] * spreads[i]);
            buffers.outcomes[made] = model_.Realise(buffers.values, buffers.cascade);
            const std::span<double> gains(&buffers.gains[made * points], points);
            if (buffers.outcomes[made] != Realisation::Usable) {
                std::fill(gains.begin(), gains.end(), std::numeric_limits<double>::quiet_NaN());
                continue;
            }
            analysis::GainOver(buffers.cascade, omegas_, gains);
            if (KeepsToMask(gains)) ++passed;
        }
        Commit(block, made, passed, buffers, keep);
        if (made < block.count) break;
    }
    if (buffers.counts) {
        const std::lock_guard lock(tallying_);
        envelope_.Add(*buffers.counts);
    }
}

void ToleranceRuns::Commit(const Block& block, std::size_t made, int passed, Buffers& buffers,
                           bool keep) {
    const RunGains gains{buffers.gains, made, omegas_.size()};
    // The kept runs' places are their own; the counts the thread's.
    if (keep)
        envelope_.Keep(block.first, gains);
    else
        buffers.counts->Count(gains);
    const std::lock_guard lock(tallying_);
    passed_ += passed;
    for (std::size_t k = 0; k < made; ++k) {
        switch (buffers.outcomes[k]) {
            case Realisation::Usable:
                break;
            case Realisation::ValueNotPositive:
                ++failures_.valueNotPositive;
                break;
            case Realisation::NotFinite:
                ++failures_.notFinite;
                break;
            case Realisation::UnstableRealPole:
                ++failures_.unstableRealPole;
                break;
            case Realisation::UnstablePolePair:
                ++failures_.unstablePolePair;
                break;
        }
    }
    made_ += made;
    // Progress every hundredth of the runs.
    const std::size_t step = std::max<std::size_t>(1, total_ / 100);
    if (progress_ && made_ / step != told_ / step) {
        progress_(static_cast<int>(made_), static_cast<int>(total_));
        told_ = made_;
    }
}

bool ToleranceRuns::Make(std::size_t first, std::size_t end, bool keep, int threads,
                         std::size_t total, const Progress& progress,
                         const std::atomic<bool>* cancel) {
    if (first >= end) return true;
    const std::size_t runs = end - first;
    const std::size_t workers = std::clamp<std::size_t>(runs, 1, static_cast<std::size_t>(threads));
    next_ = first;
    end_ = end;
    blockSize_ = std::clamp<std::size_t>(runs / (workers * kBlocksPerThread), 1, kLargestBlock);
    progress_ = progress;
    total_ = total;
    const std::size_t madeBefore = made_;
    std::vector<std::thread> pool;
    for (std::size_t t = 0; t < workers; ++t)
        pool.emplace_back([=, this] { Work(keep, t, cancel); });
    for (std::thread& thread : pool) thread.join();
    // The last runs, when they did not end a step.
    if (progress_ && made_ != told_) {
        progress_(static_cast<int>(made_), static_cast<int>(total_));
        told_ = made_;
    }
    return made_ - madeBefore == runs;
}

}  // namespace vorna::verify
