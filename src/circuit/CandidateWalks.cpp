#include "circuit/CandidateWalks.h"

namespace vorna {

bool SeriesWalk::Restart(const ESeriesState& series, double value) {
    start_ = series.NearestSeriesValue(value);
    j_ = 0;
    return start_.decade > 0;
}

double SeriesWalk::Current(const ESeriesState& series) const {
    return series.eTable[start_.index + j_] * start_.decade;
}

bool SeriesWalk::Advance(const ESeriesState& series) {
    if (++j_ >= series.eSize + extra_) j_ = 0;
    return true;
}

bool DescendingRatioWalk::Restart(const ESeriesState& series, double value) {
    const SeriesPosition c1 = series.NearestSeriesValue(value);
    if (c1.decade <= 0 || !(m_ > 0)) return false;
    const double c1Series = series.eTable[c1.index] * c1.decade;
    const SeriesPosition c2 = series.NearestSeriesValue(c1Series / m_);
    if (c2.decade <= 0) return false;
    // The same value placed in the upper decade, so that the walk can step down from it.
    index_ = c2.index + series.eSize;
    decade_ = c2.decade / 10;
    while (c1Series / Current(series) < m_) StepDown(series);
    return true;
}

double DescendingRatioWalk::Current(const ESeriesState& series) const {
    return series.eTable[index_] * decade_;
}

void DescendingRatioWalk::StepDown(const ESeriesState& series) {
    if (--index_ < series.eSize) {
        index_ += series.eSize;
        decade_ /= 10;
    }
}

bool DescendingRatioWalk::Advance(const ESeriesState& series) {
    StepDown(series);
    return true;
}

void BoundedRepeatWalk::ResetBound(const ESeriesState& series) {
    series.SeriesCeiling(m_ * r1_.Current(series), bound_);
}

bool BoundedRepeatWalk::Restart(const ESeriesState& series, double value) {
    if (!r1_.Restart(series, value) || !(m_ > 0)) return false;
    ResetBound(series);
    return true;
}

bool BoundedRepeatWalk::Advance(const ESeriesState& series) {
    if (++bound_.index >= series.eSize) {
        bound_.index -= series.eSize;
        bound_.decade *= 10;
    }
    const double r1 = r1_.Current(series);
    if (series.eTable[bound_.index] * bound_.decade / r1 > 100 * m_) {
        r1_.Advance(series);
        ResetBound(series);
    }
    return true;
}

bool FilteredDecadeWalk::Restart(const ESeriesState& series, double value) {
    const int n = series.eSize;
    if (direction_ == Direction::Up) {
        const SeriesPosition start = series.NearestSeriesValue(value);
        startDecade_ = start.decade;
        startIndex_ = start.index;
    } else {
        // Placed in the upper decade of the table, so that it can step down from it.
        const SeriesPosition start = series.NearestSeriesValue(value / 10);
        startDecade_ = start.decade;
        startIndex_ = start.index + n;
    }
    if (startDecade_ <= 0) return false;
    decade_ = startDecade_;
    index_ = startIndex_;
    return SeekAcceptable(series, true);
}

double FilteredDecadeWalk::Current(const ESeriesState& series) const {
    return series.eTable[index_] * decade_;
}

bool FilteredDecadeWalk::Advance(const ESeriesState& series) {
    return SeekAcceptable(series, false);
}

void FilteredDecadeWalk::Step(const ESeriesState& series) {
    const int n = series.eSize;
    if (direction_ == Direction::Up) {
        if (++index_ >= n) {
            index_ = 0;
            decade_ *= 10;
        }
        if (decade_ > startDecade_ * 1000 * 1.5) {
            decade_ = startDecade_;
            index_ = startIndex_;
        }
    } else {
        if (--index_ < 1) {
            index_ = n;
            decade_ /= 10;
        }
        if (decade_ < startDecade_ / 100 / 1.5) {
            decade_ = startDecade_;
            index_ = startIndex_;
        }
    }
}

bool FilteredDecadeWalk::SeekAcceptable(const ESeriesState& series, bool includeCurrent) {
    if (includeCurrent && acceptable_(Current(series))) return true;
    // One round covers at most four decades of N values; a round without an acceptable
    // value means that none will ever come.
    const int round = 4 * series.eSize + 2;
    for (int step = 0; step < round; ++step) {
        Step(series);
        if (acceptable_(Current(series))) return true;
    }
    return false;
}

}  // namespace vorna
