#include "circuit/CandidateStep.h"

#include <cmath>

#include "circuit/EngValue.h"
#include "dialogs/ComponentValueDialog.h"
#include "platform/Ui.h"

namespace vorna {

const char* const kNoCandidateMessage =
    "この値からは条件を満たす候補が見つかりません\n\n最初の候補から探しなおします";
const char* const kPositiveValueMessage = "素子の値には 0 より大きい数を入力して下さい";

namespace {

double ValueAt(const std::vector<double>& values, int slot) {
    return slot < 0 ? 0.0 : values[static_cast<std::size_t>(slot)];
}

}  // namespace

StepResult RunCandidateStep(SynthesisContext& ctx, const CandidateStep& step, CandidateWalk& walk,
                            double start) {
    ESeriesState& series = ctx.out;
    StepResult result;
    std::vector<double>& values = result.values;
    values.assign(8, 0.0);

    // Positions the walk from `value`; when that gives no candidate, tells the user and
    // starts over from the step's initial value.
    auto position = [&](double value) {
        if (walk.Restart(series, value)) return true;
        if (value == start) return false;
        ctx.ui.MessageBox(kNoCandidateMessage, MessageButtons::Ok);
        return walk.Restart(series, start);
    };

    double restartValue = start;
    for (;;) {
        if (!position(restartValue)) return result;
        int seriesIndex = 0;  // series index of the first deviating element
        bool evaluate = true;
        for (;;) {
            if (evaluate) {
                step.evaluate(walk.Current(series), values);
                double sum = 0;
                for (std::size_t k = 0; k < step.deviationSlots.size(); ++k) {
                    const SeriesPosition p =
                        series.NearestSeriesValue(ValueAt(values, step.deviationSlots[k]));
                    if (k == 0) seriesIndex = p.index;
                    sum += p.deviation * p.deviation;
                }
                result.deviation = std::sqrt(sum);
            }
            evaluate = true;

            ComponentDialogRequest request;
            request.dialogId = step.dialogId;
            request.section = step.section;
            request.deviation = result.deviation;
            request.series = series.eSeries;
            request.valueA = ValueAt(values, step.slotA);
            request.valueB = ValueAt(values, step.slotB);
            for (std::size_t k = 0; k < 3; ++k)
                request.derived[k] = ValueAt(values, step.derivedSlots[k]);
            if (step.bound) request.bound = step.bound();
            ComponentValueDialog dialog(request);
            ctx.ui.RunModal(dialog);

            const int action = dialog.action;
            if (action == 3) {
                if (!walk.Advance(series) && !position(start)) return result;
                continue;
            }
            if (action == 4) {
                result.accepted = true;
                return result;
            }
            if (action == 5) {
                for (int slot : step.roundedSlots) {
                    const SeriesPosition p = series.NearestSeriesValue(ValueAt(values, slot));
                    values[static_cast<std::size_t>(slot)] = series.eTable[p.index] * p.decade;
                }
                evaluate = false;
                continue;
            }
            restartValue = ValueAt(values, step.restartSlot);
            if (action == 1 || action == 2) {
                double typed = 0;
                ApplyEngUnit(ctx.ui, typed, dialog.TypedMantissa(), dialog.TypedUnit());
                if (typed > 0 && std::isfinite(typed)) {
                    const auto& convert = action == 1 ? step.restartFromA : step.restartFromB;
                    restartValue = convert(typed);
                } else {
                    ctx.ui.MessageBox(kPositiveValueMessage, MessageButtons::Ok);
                }
            } else if (action == 6) {
                series.SetSeries(dialog.seriesCode, seriesIndex);
            }
            break;  // restart
        }
    }
}

}  // namespace vorna
