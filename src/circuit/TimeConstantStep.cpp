#include "circuit/TimeConstantStep.h"

#include "circuit/models/FirstOrderModel.h"

namespace vorna {

StepResult RunTimeConstantStep(SynthesisContext& ctx, int dialogId, int section, double omega,
                               double startC) {
    CandidateStep step;
    step.dialogId = dialogId;
    step.section = section;
    step.slotA = 1;
    step.slotB = 0;
    step.deviationSlots = {1};
    step.roundedSlots = {1};
    step.evaluate = [omega](double c, StepValues& v) {
        v[0] = c;
        v[1] = TimeConstantPartner(c, omega);
    };
    step.restartFromA = [omega](double r) { return TimeConstantPartner(r, omega); };
    step.restartFromB = [](double c) { return c; };
    SeriesWalk walk;
    return RunCandidateStep(ctx, step, walk, startC);
}

}  // namespace vorna
