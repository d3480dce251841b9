#pragma once
// The runs of the tolerance analysis, spread over threads. One random stream deals the
// runs out in blocks, in the order of their numbers, with their draws: a run's draws do
// not depend on the thread that makes it or on how many there are, and every tally and
// the envelope add up the same in any order. Each thread keeps its buffers for all its
// runs; a run draws, realises and evaluates without allocating.

#include <atomic>
#include <cstddef>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "analysis/AttenuationMask.h"
#include "verify/CircuitModel.h"
#include "verify/EnvelopeQuantiles.h"
#include "verify/Progress.h"
#include "verify/ToleranceAnalysis.h"
#include "verify/ToleranceRandom.h"

namespace vorna::verify {

// The threads to use for `threads` (0: one for each of the machine's cores).
int ToleranceThreads(int threads);

class ToleranceRuns {
public:
    // `frequencies` begin with the envelope's points.
    ToleranceRuns(const CircuitModel& model, const ToleranceOptions& options,
                  std::span<const double> frequencies, const std::vector<analysis::MaskBand>& mask,
                  EnvelopeQuantiles& envelope);

    // Makes runs `first` to `end` - 1 on `threads` threads, keeping their gains in the
    // envelope (`keep`) or counting them; `progress` hears of the runs made of `total`, one
    // call at a time, from the threads. False when `cancel` stopped it.
    bool Make(std::size_t first, std::size_t end, bool keep, int threads, std::size_t total,
              const Progress& progress, const std::atomic<bool>* cancel);

    // The runs made, passed and failed so far.
    int Made() const { return static_cast<int>(made_); }
    int Passed() const { return passed_; }
    const ToleranceResult::FailureCauses& Failures() const { return failures_; }

private:
    struct MaskPoint {
        std::size_t index;  // into the evaluated frequencies
        analysis::BandKind kind;
        double limitDb;
    };
    // One thread's buffers, for a block of runs.
    struct Buffers {
        std::vector<double> spreads, values, gains;
        std::vector<Realisation> outcomes;
        analysis::Cascade cascade;
        std::optional<EnvelopeCounts> counts;  // past the kept runs
    };
    struct Block {
        std::size_t first = 0, count = 0;
    };

    // The next block of runs and their draws, one per element and run.
    Block Deal(std::vector<double>& spreads);
    // The runs of thread number `slot`.
    void Work(bool keep, std::size_t slot, const std::atomic<bool>* cancel);
    bool KeepsToMask(std::span<const double> gains) const;
    // Adds the first `made` runs of `block`, `passed` of which kept to the mask.
    void Commit(const Block& block, std::size_t made, int passed, Buffers& buffers, bool keep);

    const CircuitModel& model_;
    std::vector<double> nominal_, tolerance_, omegas_;
    std::vector<MaskPoint> mask_;
    Distribution distribution_;
    EnvelopeQuantiles& envelope_;

    std::mutex dealing_;  // guards the random stream and the next run
    ToleranceRandom random_;
    std::size_t next_ = 0, end_ = 0, blockSize_ = 1;

    std::mutex tallying_;  // guards what follows, the envelope's counts and the progress
    std::size_t made_ = 0;
    int passed_ = 0;
    ToleranceResult::FailureCauses failures_;
    Progress progress_;
    std::size_t total_ = 0, told_ = 0;
};

}  // namespace vorna::verify
