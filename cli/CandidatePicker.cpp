#include "CandidatePicker.h"

#include <algorithm>
#include <string>

#include "CliUi.h"
#include "circuit/ESeries.h"

namespace vorna::cli {

namespace {

constexpr int kNextCandidateButton = 903;

bool SameCandidate(const ComponentDialogRequest& a, const ComponentDialogRequest& b) {
    return a.dialogId == b.dialogId && a.section == b.section && a.deviation == b.deviation && a.series == b.series &&
           a.valueA == b.valueA && a.valueB == b.valueB && a.derived == b.derived && a.bound == b.bound;
}

// The candidates of a pass: the N values of the series the dialog names.
std::size_t DistinctPerPass(int series) {
    return static_cast<std::size_t>(SeriesSize(std::clamp(series, 1, 5)));
}

// The most dialogs one pass may take. A step can show the same candidate many times in a
// row (the high-pass steps show each resistor once for every bound over two decades, at
// most 2N + 1 times, before the next of the N resistors), and a walk filtered to a few
// values can keep showing one candidate; the limit covers the longest such pass and ends
// the others.
int PassLimit(int series) {
    const int n = static_cast<int>(DistinctPerPass(series));
    return (2 * n + 2) * (n + 1);
}

}  // namespace

bool NoLargerDeviation(double deviation, double best) {
    return deviation <= best * (1 + 1e-9) + 1e-12;
}

bool CandidatePicker::StartsStep(const ComponentDialogRequest& request) const {
    return !stepOpen_ || request.dialogId != steps_.back().dialogId || request.section != steps_.back().section;
}

bool CandidatePicker::ChoosesCurrent(const ComponentDialogRequest& request) {
    if (rule_ == PickRule::First) return true;
    PickedStep& step = steps_.back();
    const bool overLimit = passLength_ >= PassLimit(request.series);
    if (searching_) return NoLargerDeviation(request.deviation, step.bestDeviation) || overLimit;

    // The first pass ends after N different candidates, when the first candidate comes
    // round again, or at the limit; the candidate that ends it may already be the best.
    const bool cameRound = distinct_.size() > 1 && SameCandidate(request, distinct_.front());
    if (!cameRound && std::none_of(distinct_.begin(), distinct_.end(),
                                   [&](const auto& seen) { return SameCandidate(seen, request); })) {
        distinct_.push_back(request);
    }
    if (!cameRound && distinct_.size() < DistinctPerPass(request.series) && !overLimit) return false;
    searching_ = true;
    passLength_ = 0;
    return NoLargerDeviation(request.deviation, step.bestDeviation);
}

void CandidatePicker::Answer(ComponentValueDialog& dialog) {
    const ComponentDialogRequest& request = dialog.Request();
    if (StartsStep(request)) {
        steps_.push_back({request.dialogId, request.section, 0, request.deviation, request.deviation, 0});
        stepOpen_ = true;
        searching_ = false;
        passLength_ = 0;
        distinct_.clear();
    }
    PickedStep& step = steps_.back();
    ++step.candidates;
    ++passLength_;
    if (!searching_) step.bestDeviation = std::min(step.bestDeviation, request.deviation);

    const bool accept = ChoosesCurrent(request);
    if (accept) {
        step.deviation = request.deviation;
        stepOpen_ = false;
    }
    dialog.UserClick(accept ? IDOK : kNextCandidateButton);
    if (!dialog.Ended()) {
        throw CliError("component value dialog " + std::to_string(dialog.Id()) + " did not close");
    }
}

}  // namespace vorna::cli
