#pragma once
// One synthesis step: candidates for the step's elements are offered to the chooser (the
// user in a component value dialog) until one is accepted. The step's element values are a
// small array whose entry 0 is the walked element; `evaluate` fills the others from it by
// the circuit's equations.

#include <array>
#include <functional>
#include <vector>

#include "circuit/CandidateChooser.h"
#include "circuit/CandidateWalks.h"
#include "circuit/SynthesisContext.h"

namespace vorna {

using StepValues = std::array<double, 4>;

struct CandidateStep {
    int dialogId = 0;
    int section = 1;
    // Which value each part of the dialog shows (-1: none).
    int slotA = -1;
    int slotB = -1;
    std::array<int, 3> derivedSlots{-1, -1, -1};
    // Values whose deviations from the series make the candidate's deviation figure, and
    // the values that rounding replaces by their nearest series values.
    std::vector<int> deviationSlots;
    std::vector<int> roundedSlots;
    // The value a restart positions the walk from (the walked element unless the walk says
    // otherwise).
    int restartSlot = 0;
    std::function<void(double walked, StepValues& values)> evaluate;
    // The restart value for a value typed into element A or B. A typed derived element
    // sets the walked element through the circuit's equation, so that the next candidate
    // realises the typed value instead of discarding it.
    std::function<double(double typed)> restartFromA;
    std::function<double(double typed)> restartFromB;
    // Dialogs 733 and 734: the limit the stepped element keeps.
    double bound = 0;
};

// One candidate of a step: its element values, the root-sum-square of the deviations of
// its deviation slots from the series (a fraction) and the series index of the first of
// them.
struct Candidate {
    StepValues values{};
    double deviation = 0;
    int seriesIndex = 0;
};

// The candidate of the walked value `walked` in the current series.
Candidate EvaluateCandidate(const CandidateStep& step, double walked, const ESeriesState& series);
// What the chooser is shown of a candidate.
ComponentDialogRequest ShownCandidate(const CandidateStep& step, const Candidate& candidate,
                                      int series);

struct StepResult {
    bool accepted = false;
    StepValues values{};
    double deviation = 0;  // root-sum-square of the deviations, a fraction
};

// Runs the step from `start` (a restart value) until the chooser accepts a candidate. Fails
// only when the walk can offer no candidate even from `start`.
StepResult RunCandidateStep(SynthesisContext& ctx, const CandidateStep& step, CandidateWalk& walk,
                            double start);

}  // namespace vorna
