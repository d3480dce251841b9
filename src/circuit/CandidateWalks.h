#pragma once
// The ways a synthesis step walks through candidate values of its stepped element. A walk
// is positioned from a value (the restart), yields the stepped element's current value and
// advances to the next candidate. Restart and Advance return false when the walk can show
// no candidate at all.

#include <functional>

#include "circuit/ESeries.h"

namespace vorna {

class CandidateWalk {
public:
    virtual ~CandidateWalk() = default;
    virtual bool Restart(const ESeriesState& series, double value) = 0;
    virtual double Current(const ESeriesState& series) const = 0;
    virtual bool Advance(const ESeriesState& series) = 0;
};

// From the series value nearest to the restart value upward through one pass of N values
// (N + 1 with `extraCandidate`), then the same pass again.
class SeriesWalk : public CandidateWalk {
public:
    explicit SeriesWalk(bool extraCandidate = false) : extra_(extraCandidate ? 1 : 0) {}
    bool Restart(const ESeriesState& series, double value) override;
    double Current(const ESeriesState& series) const override;
    bool Advance(const ESeriesState& series) override;

private:
    int extra_;
    SeriesPosition start_;
    int j_ = 0;
};

// Multiple-feedback and Sallen-Key low-pass: restarted from C1, walks C2 downward from the
// largest series value with C1'/C2 >= m (C1' the series value nearest to C1), without end.
class DescendingRatioWalk : public CandidateWalk {
public:
    explicit DescendingRatioWalk(double m) : m_(m) {}
    bool Restart(const ESeriesState& series, double value) override;
    double Current(const ESeriesState& series) const override;
    bool Advance(const ESeriesState& series) override;

private:
    void StepDown(const ESeriesState& series);
    double m_;
    double decade_ = 1;
    int index_ = 0;  // kept in the upper decade of the table: N .. 2N - 1
};

// Multiple-feedback and Sallen-Key high-pass: R1 walks like SeriesWalk, and each R1 is
// shown again while a bound R2' climbs from the series ceiling of m * R1 up to 100 * m * R1.
class BoundedRepeatWalk : public CandidateWalk {
public:
    explicit BoundedRepeatWalk(double m) : m_(m) {}
    bool Restart(const ESeriesState& series, double value) override;
    double Current(const ESeriesState& series) const override { return r1_.Current(series); }
    bool Advance(const ESeriesState& series) override;

private:
    void ResetBound(const ESeriesState& series);
    double m_;
    SeriesWalk r1_;
    SeriesPosition bound_;
};

// A walk over whole decades that shows only the candidates `acceptable` lets through. Up:
// from the series value nearest to the restart value up to 1000 times its decade. Down:
// from the restart value down to a hundredth of its decade. Then it starts over. When one
// whole round has no acceptable candidate the walk reports that it has none.
class FilteredDecadeWalk : public CandidateWalk {
public:
    enum class Direction { Up, Down };
    FilteredDecadeWalk(Direction direction, std::function<bool(double)> acceptable)
        : direction_(direction), acceptable_(std::move(acceptable)) {}
    bool Restart(const ESeriesState& series, double value) override;
    double Current(const ESeriesState& series) const override;
    bool Advance(const ESeriesState& series) override;

private:
    void Step(const ESeriesState& series);
    bool SeekAcceptable(const ESeriesState& series, bool includeCurrent);
    Direction direction_;
    std::function<bool(double)> acceptable_;
    double startDecade_ = 1;
    int startIndex_ = 0;
    double decade_ = 1;
    int index_ = 0;
};

}  // namespace vorna
