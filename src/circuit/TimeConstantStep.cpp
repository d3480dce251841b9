#include "circuit/TimeConstantStep.h"

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
    step.evaluate = [omega](double c, std::vector<double>& v) {
        v[0] = c;
        v[1] = 1 / (c * omega);
    };
    step.restartFromA = [omega](double r) { return 1 / (r * omega); };
    step.restartFromB = [](double c) { return c; };
    SeriesWalk walk;
    return RunCandidateStep(ctx, step, walk, startC);
}

}  // namespace vorna
