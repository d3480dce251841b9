#pragma once
// Answers the component value dialogs (710 .. 742) of a circuit synthesis for vorna-cli.
// PickRule::First accepts the first candidate of every step. PickRule::Best looks at one
// pass over the step's candidates with "次の候補の値を見る" (button 903), remembering the
// deviation each dialog shows, then steps on and accepts the first candidate whose deviation
// is no larger than the smallest one seen. Both passes are bounded, so a step whose
// candidates repeat, or whose dialog never changes, ends as well.

#include <vector>

#include "dialogs/ComponentValueDialog.h"

namespace vorna::cli {

enum class PickRule { First, Best };

// One synthesis step as it was answered. Deviations are fractions, as the dialogs get them.
struct PickedStep {
    int dialogId = 0;
    int section = 0;
    int candidates = 0;         // dialogs shown for the step
    double firstDeviation = 0;  // of the first candidate
    double bestDeviation = 0;   // the smallest of the first pass
    double deviation = 0;       // of the accepted candidate
};

class CandidatePicker {
public:
    explicit CandidatePicker(PickRule rule) : rule_(rule) {}

    static bool IsComponentValueDialog(int dialogId) { return dialogId >= 710 && dialogId <= 742; }

    // Presses OK (accept) or 903 (next candidate) in the open dialog.
    void Answer(ComponentValueDialog& dialog);

    // Every step answered so far, in order.
    const std::vector<PickedStep>& Steps() const { return steps_; }

private:
    bool StartsStep(const ComponentDialogRequest& request) const;
    bool ChoosesCurrent(const ComponentDialogRequest& request);

    PickRule rule_;
    std::vector<PickedStep> steps_;
    bool stepOpen_ = false;
    bool searching_ = false;                        // the first pass is over: looking for the best deviation again
    int passLength_ = 0;                            // candidates shown in the current pass
    std::vector<ComponentDialogRequest> distinct_;  // the different candidates of the first pass
};

// Whether `deviation` is no larger than `best`. The same candidate met a decade away
// computes its deviation with rounding differences in the last places; they count as equal.
bool NoLargerDeviation(double deviation, double best);

}  // namespace vorna::cli
