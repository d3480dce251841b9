#pragma once
// Per frequency, the smallest, 5 %, 50 %, 95 % and largest of the gains of many runs, in
// memory fixed by the number of frequencies and not by the number of runs.
//
// The first `exactRuns` runs are kept as they are: up to that many runs, every quantile is
// the one of the sorted gains, interpolated between neighbours. With more, each frequency's
// kept gains set the range of a histogram in the same memory, Bins() - 2 even bins between
// their smallest and largest and one bin either side for gains beyond, into which they and
// every later gain are counted. A quantile then lies in the bin that holds its rank and is
// interpolated by rank within that bin: it is off by less than one bin, 1/(Bins() - 2) of
// the kept gains' range, and far less where the gains spread smoothly. The smallest and
// largest gains stay exact. (The bins are few enough that a run's counts at every
// frequency stay in the processor's cache.)
//
// Counts are added, the extremes compared: the result does not depend on the order in which
// runs come, once the kept runs are those of a fixed set of run numbers.

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "verify/ToleranceAnalysis.h"

namespace vorna::verify {

// The gains of `runs` runs side by side: run k's gain at point p is values[k * stride + p],
// NaN when the run gave none.
struct RunGains {
    std::span<const double> values;
    std::size_t runs = 1;
    std::size_t stride = 0;
    double At(std::size_t run, std::size_t point) const { return values[run * stride + point]; }
};

class EnvelopeQuantiles;

// One thread's counts of gains past the kept runs, in the bins of an envelope whose
// histograms have started, for the envelope to add up when the thread is done (threads
// that shared the envelope's bins would pass their lines back and forth). Thread `slot`
// counts in the envelope's own memory, beside its histograms, while there is room there (for
// three threads with 2048 kept runs), so that memory does not grow with the runs.
class EnvelopeCounts {
public:
    EnvelopeCounts(EnvelopeQuantiles& envelope, std::size_t slot);
    EnvelopeCounts(const EnvelopeCounts&) = delete;
    EnvelopeCounts& operator=(const EnvelopeCounts&) = delete;
    void Count(const RunGains& gains);

private:
    friend class EnvelopeQuantiles;
    std::uint32_t BinCount(std::size_t point, std::size_t bin) const;

    const EnvelopeQuantiles& envelope_;
    std::vector<std::uint64_t> own_;  // when the envelope has no room
    std::uint64_t* words_;            // the first point's bins, two a word
    std::size_t stride_;              // words from one point's bins to the next
    std::vector<double> smallest_, largest_;
};

class EnvelopeQuantiles {
public:
    EnvelopeQuantiles(std::size_t points, std::size_t exactRuns);

    std::size_t ExactRuns() const { return exactRuns_; }
    // The bins of a point's histogram: two for each kept run, 1024 at most.
    std::size_t Bins() const { return std::min<std::size_t>(2 * exactRuns_, 1024); }
    // The gains of runs `firstRun` on (below ExactRuns()); runs may come in any order and
    // from different threads (each writes its own places), before StartHistograms.
    void Keep(std::size_t firstRun, const RunGains& gains);
    // Turns the kept gains into histograms; from then on runs are counted (EnvelopeCounts).
    void StartHistograms();
    // Adds the counts of a thread (one thread at a time).
    void Add(const EnvelopeCounts& counts);
    // The envelope at `frequencies` (one per point); empty when no run gave gains.
    ToleranceEnvelope Finish(std::span<const double> frequencies) const;

private:
    friend class EnvelopeCounts;
    std::size_t HistogramWords() const { return Bins() / 2; }
    std::size_t BinOf(std::size_t point, double gain) const;
    void AddToBin(std::size_t point, std::size_t bin, std::uint64_t count);
    std::uint32_t BinCount(std::size_t point, std::size_t bin) const;
    // The gain of rank `rank` (from 0) at `point`, from its histogram.
    double GainAtRank(std::size_t point, std::uint64_t rank) const;

    std::size_t points_;
    std::size_t exactRuns_;
    bool counting_ = false;
    // exactRuns_ words a point: a kept gain each (NaN for none), or two 32-bit bin counts.
    std::vector<std::uint64_t> words_;
    // Per point: the even bins' range and width, and the smallest and largest gain.
    std::vector<double> low_, high_, binWidth_, binsPerDb_, smallest_, largest_;
};

}  // namespace vorna::verify
