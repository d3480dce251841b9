#include "circuit/CandidateStep.h"

#include <cmath>

#include "circuit/CandidateChooser.h"
#include "platform/Ui.h"

namespace vorna {

namespace {

double ValueAt(const StepValues& values, int slot) {
    return slot < 0 ? 0.0 : values[static_cast<std::size_t>(slot)];
}

}  // namespace

Candidate EvaluateCandidate(const CandidateStep& step, double walked, const ESeriesState& series) {
    Candidate candidate;
    step.evaluate(walked, candidate.values);
    double sum = 0;
    for (std::size_t k = 0; k < step.deviationSlots.size(); ++k) {
        const SeriesPosition p =
            series.NearestSeriesValue(ValueAt(candidate.values, step.deviationSlots[k]));
        if (k == 0) candidate.seriesIndex = p.index;
        sum += p.deviation * p.deviation;
    }
    candidate.deviation = std::sqrt(sum);
    return candidate;
}

ComponentDialogRequest ShownCandidate(const CandidateStep& step, const Candidate& candidate,
                                      int series) {
    ComponentDialogRequest request;
    request.dialogId = step.dialogId;
    request.section = step.section;
    request.deviation = candidate.deviation;
    request.series = series;
    request.valueA = ValueAt(candidate.values, step.slotA);
    request.valueB = ValueAt(candidate.values, step.slotB);
    for (std::size_t k = 0; k < 3; ++k)
        request.derived[k] = ValueAt(candidate.values, step.derivedSlots[k]);
    request.bound = step.bound;
    return request;
}

StepResult RunCandidateStep(SynthesisContext& ctx, const CandidateStep& step, CandidateWalk& walk,
                            double start) {
    ESeriesState& series = ctx.run;
    StepResult result;

    // Positions the walk from `value`; when that gives no candidate, tells the user and
    // starts over from the step's initial value.
    auto position = [&](double value) {
        if (walk.Restart(series, value)) return true;
        if (value == start) return false;
        ctx.ui.MessageBox(TextId::NoCandidateRestarting, MessageButtons::Ok);
        return walk.Restart(series, start);
    };

    double restartValue = start;
    for (;;) {
        if (!position(restartValue)) return result;
        Candidate candidate;
        // A walk may offer the same element again (the high-pass walk does, many times):
        // its candidate is the one already evaluated, unless rounding changed it.
        bool evaluated = false;
        double evaluatedFor = 0;
        bool rounded = false;  // show the rounded candidate as it is
        for (;;) {
            const double walked = walk.Current(series);
            if (!rounded && (!evaluated || walked != evaluatedFor)) {
                candidate = EvaluateCandidate(step, walked, series);
                evaluated = true;
                evaluatedFor = walked;
            }
            rounded = false;
            const CandidateAnswer answer =
                ctx.chooser.Choose(ShownCandidate(step, candidate, series.eSeries));
            result.values = candidate.values;
            result.deviation = candidate.deviation;

            if (answer.action == CandidateAction::Next) {
                if (!walk.Advance(series) && !position(start)) return result;
                continue;
            }
            if (answer.action == CandidateAction::Accept) {
                result.accepted = true;
                return result;
            }
            if (answer.action == CandidateAction::Round) {
                for (int slot : step.roundedSlots) {
                    const SeriesPosition p =
                        series.NearestSeriesValue(ValueAt(candidate.values, slot));
                    candidate.values[static_cast<std::size_t>(slot)] =
                        series.eTable[p.index] * p.decade;
                }
                // Shown again as rounded, with the deviation of the candidate; the next
                // candidate is evaluated anew even when the walk offers the same element.
                rounded = true;
                evaluated = false;
                continue;
            }
            restartValue = ValueAt(candidate.values, step.restartSlot);
            if (answer.action == CandidateAction::TypedA ||
                answer.action == CandidateAction::TypedB) {
                if (answer.typed > 0 && std::isfinite(answer.typed)) {
                    const auto& convert = answer.action == CandidateAction::TypedA
                                              ? step.restartFromA
                                              : step.restartFromB;
                    restartValue = convert(answer.typed);
                } else {
                    ctx.ui.MessageBox(TextId::EnterPositiveComponentValue, MessageButtons::Ok);
                }
            } else if (answer.action == CandidateAction::ChangeSeries) {
                series.SetSeries(answer.seriesCode, candidate.seriesIndex);
            }
            break;  // restart
        }
    }
}

}  // namespace vorna
