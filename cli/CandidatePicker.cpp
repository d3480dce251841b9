#include "CandidatePicker.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "circuit/ESeries.h"
#include "circuit/EngValue.h"
#include "dialogs/ComponentValueDialog.h"
#include "topology/BasicCircuits.h"

namespace vorna::cli {

namespace {

bool SameCandidate(const ComponentDialogRequest& a, const ComponentDialogRequest& b) {
    return a.dialogId == b.dialogId && a.section == b.section && a.deviation == b.deviation &&
           a.series == b.series && a.valueA == b.valueA && a.valueB == b.valueB &&
           a.derived == b.derived && a.bound == b.bound;
}

bool Near(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b));
}

bool Positive(double value) {
    return value > 0 && std::isfinite(value);
}

// The candidates of a pass: the N values of the series the candidate names.
std::size_t DistinctPerPass(int series) {
    return static_cast<std::size_t>(SeriesSize(std::clamp(series, 1, 5)));
}

// The most candidates one pass may take. A step can offer the same candidate many times in a
// row (the high-pass steps show each resistor once for every bound over two decades, at
// most 2N + 1 times, before the next of the N resistors), and a walk filtered to a few
// values can keep showing one candidate; the limit covers the longest such pass and ends
// the others.
int PassLimit(int series) {
    const int n = static_cast<int>(DistinctPerPass(series));
    return (2 * n + 2) * (n + 1);
}

// The position of `suffix` in the component units; the no-suffix class, which the split
// form gives as a single blank, is the empty entry.
int UnitIndex(const std::string& suffix) {
    const std::string wanted = suffix == " " ? std::string() : suffix;
    for (std::size_t i = 0; i < kComponentUnits.size(); ++i) {
        if (wanted == kComponentUnits[i].suffix) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

SecondOrderWalk SecondOrderWalkOf(int circuitId) {
    const SectionCircuit sections =
        kBasicCircuits[*BasicCircuitRowOf(circuitId)].secondOrderSection;
    const bool lowPass = sections == SectionCircuit::MultipleFeedbackLowPass ||
                         sections == SectionCircuit::SallenKeyLowPass;
    return lowPass ? SecondOrderWalk::DownFromC1 : SecondOrderWalk::FromR1;
}

bool NoLargerDeviation(double deviation, double best) {
    return deviation <= best * (1 + 1e-9) + 1e-12;
}

bool ShowsCandidate(const ComponentDialogRequest& shown, const ComponentDialogRequest& candidate) {
    if (shown.dialogId != candidate.dialogId || shown.section != candidate.section ||
        shown.series != candidate.series) {
        return false;
    }
    for (std::size_t k = 0; k < shown.derived.size(); ++k) {
        if (!Near(shown.derived[k], candidate.derived[k])) return false;
    }
    return Near(shown.valueA, candidate.valueA) && Near(shown.valueB, candidate.valueB) &&
           Near(shown.bound, candidate.bound) &&
           std::fabs(shown.deviation - candidate.deviation) <= 1e-9 * candidate.deviation + 1e-12;
}

bool CandidatePicker::StartsStep(const ComponentDialogRequest& request) const {
    return !stepOpen_ || request.dialogId != steps_.back().dialogId ||
           request.section != steps_.back().section;
}

void CandidatePicker::StartPhase(Phase phase) {
    phase_ = phase;
    passLength_ = 0;
    distinct_.clear();
}

// A pass ends after N different candidates, when its first candidate comes round again, or
// at the limit; the candidate that ends it belongs to it.
bool CandidatePicker::PassEnds(const ComponentDialogRequest& request) {
    const bool cameRound = distinct_.size() > 1 && SameCandidate(request, distinct_.front());
    // A walk that offers a candidate several times in a row offers the last one met.
    const bool repeated = !distinct_.empty() && SameCandidate(request, distinct_.back());
    if (!cameRound && !repeated &&
        std::none_of(distinct_.begin(), distinct_.end(),
                     [&](const auto& seen) { return SameCandidate(seen, request); })) {
        distinct_.push_back(request);
    }
    return cameRound || distinct_.size() >= DistinctPerPass(request.series) ||
           passLength_ >= PassLimit(request.series);
}

CandidateAnswer CandidatePicker::TypeBest() const {
    CandidateAnswer answer;
    CandidateAction element = CandidateAction::TypedA;
    double value = 0;
    if (best_.dialogId == 720 && walk720_ == SecondOrderWalk::DownFromC1) {
        // Element B is C1 = m C2, no series value. The series value C1' just above it starts
        // the walk at the best C2 or at most a few series values above it (C1'/m lies below
        // the next series value above C1, divided by m), and the walk steps down to it. The
        // margin keeps C1'/m above the best C2 through rounding.
        ESeriesState series;
        series.SetSeries(best_.series, 0);
        SeriesPosition position;
        element = CandidateAction::TypedB;
        value = series.SeriesCeiling(best_.valueB * (1 + 1e-9), position);
    } else if (Positive(best_.valueA)) {
        // Every other step turns a typed element A back into the walked element by the
        // inverse of its own equation, so the walk restarts at the best candidate itself.
        value = best_.valueA;
    } else {
        // Element A can be 0 or negative (dialogs 735 and 736 derive it with a factor
        // d1 - 1 or (d2 + 1) Pn_2 / d1); their element B is the walked resistor.
        element = CandidateAction::TypedB;
        value = best_.valueB;
    }
    if (!Positive(value) ||
        (element == CandidateAction::TypedB && !ComponentDialogHasElementB(best_.dialogId))) {
        return answer;
    }
    // Typed as its mantissa to the last place and its unit, so that the value the synthesis
    // reads is the candidate's.
    std::string unit;
    double mantissa = value;
    SplitEngValue(unit, mantissa);
    const int unitIndex = UnitIndex(unit);
    if (unitIndex < 0) return answer;
    answer.action = element;
    answer.typed = mantissa * kComponentUnits[static_cast<std::size_t>(unitIndex)].factor;
    return answer;
}

bool CandidatePicker::Accepts(const ComponentDialogRequest& request, CandidateAnswer& typed) {
    if (rule_ == PickRule::First) return true;
    PickedStep& step = steps_.back();
    switch (phase_) {
        case Phase::FirstPass:
            if (request.deviation < best_.deviation) best_ = request;
            step.bestDeviation = best_.deviation;
            if (!PassEnds(request)) return false;
            if (ShowsCandidate(request, best_)) return true;
            typed = TypeBest();
            if (typed.action != CandidateAction::None) {
                StartPhase(Phase::Recall);
                return false;
            }
            StartPhase(Phase::Search);
            return NoLargerDeviation(request.deviation, best_.deviation);
        case Phase::Recall:
            // The typed value restarts the walk at the best candidate, or (low-pass walk) a
            // few candidates before it; a pass without it means that typing did not work.
            if (ShowsCandidate(request, best_)) {
                step.typedBack = true;
                return true;
            }
            if (!PassEnds(request)) return false;
            StartPhase(Phase::Search);
            return NoLargerDeviation(request.deviation, best_.deviation);
        case Phase::Search:
            return NoLargerDeviation(request.deviation, best_.deviation) ||
                   passLength_ >= PassLimit(request.series);
    }
    return true;
}

CandidateAnswer CandidatePicker::Choose(const ComponentDialogRequest& request) {
    if (StartsStep(request)) {
        steps_.push_back(
            {request.dialogId, request.section, 0, request.deviation, request.deviation, 0});
        stepOpen_ = true;
        best_ = request;
        StartPhase(Phase::FirstPass);
    }
    PickedStep& step = steps_.back();
    ++step.candidates;
    ++passLength_;

    CandidateAnswer typed;
    const bool accept = Accepts(request, typed);
    if (typed.action != CandidateAction::None) return typed;
    if (accept) {
        step.deviation = request.deviation;
        step.missedBest = rule_ == PickRule::Best && !ShowsCandidate(request, best_);
        stepOpen_ = false;
    }
    CandidateAnswer answer;
    answer.action = accept ? CandidateAction::Accept : CandidateAction::Next;
    return answer;
}

}  // namespace vorna::cli
