#pragma once
// Chooses among the candidates of each step of a circuit synthesis for vorna-cli, in place
// of the component value dialogs (710 .. 742). PickRule::First accepts the first candidate
// of every step. PickRule::Best looks at one pass over the step's candidates (asking for the
// next one each time) and remembers the candidate of smallest deviation. When the pass ends
// on another candidate, it answers with that candidate's value typed, as a user would, and
// accepts it when the synthesis offers it again. Only when typing does not bring it back does it
// step on and accept the first candidate whose deviation is no larger than the smallest one seen.
// Every phase is bounded, so a step whose candidates repeat, or never change, ends as well.

#include <vector>

#include "circuit/CandidateChooser.h"

namespace vorna::cli {

enum class PickRule { First, Best };

// How the synthesis walks the step of dialog 720 from a typed value. The high-pass circuits
// walk R1 upward from the typed R1 (or the R1 of a typed C1). The low-pass circuits walk C2
// downward from the largest series value C2 with C1'/C2 >= m (m = C1/C2 of every candidate),
// C1' the series value nearest to C1 (a typed R1 is turned into C1 first); as C1 itself is
// no series value, typing a candidate's own values may start the walk below it.
enum class SecondOrderWalk { FromR1, DownFromC1 };
// The walk of dialog 720 for a basic circuit (its id): DownFromC1 for the low-pass circuits.
SecondOrderWalk SecondOrderWalkOf(int circuitId);

// One synthesis step as it was answered. Deviations are fractions.
struct PickedStep {
    int dialogId = 0;
    int section = 0;
    int candidates = 0;         // candidates offered for the step
    double firstDeviation = 0;  // of the first candidate
    double bestDeviation = 0;   // the smallest of the first pass
    double deviation = 0;       // of the accepted candidate
    bool typedBack = false;     // the best candidate was brought back by typing its value
    bool missedBest = false;    // PickRule::Best accepted another than the best candidate
};

class CandidatePicker : public CandidateChooser {
public:
    explicit CandidatePicker(PickRule rule, SecondOrderWalk walk720 = SecondOrderWalk::FromR1)
        : rule_(rule), walk720_(walk720) {}

    // Accepts the candidate, asks for the next one, or answers with a value of the best
    // candidate typed.
    CandidateAnswer Choose(const ComponentDialogRequest& candidate) override;

    // Every step answered so far, in order.
    const std::vector<PickedStep>& Steps() const { return steps_; }

private:
    enum class Phase {
        FirstPass,  // looking at one pass and remembering its best candidate
        Recall,     // the best candidate's value was typed: waiting for it to be shown
        Search,     // typing did not bring it back: waiting for a deviation as small
    };
    bool StartsStep(const ComponentDialogRequest& request) const;
    bool PassEnds(const ComponentDialogRequest& request);
    void StartPhase(Phase phase);
    // The typed value that makes the synthesis offer best_ again (or a candidate from which
    // the walk reaches it), as a user would type it; action None when the candidate's
    // elements offer no such value.
    CandidateAnswer TypeBest() const;
    // Whether to accept `request` (true) or step on (false); may answer with a typed value
    // in `typed` instead.
    bool Accepts(const ComponentDialogRequest& request, CandidateAnswer& typed);

    PickRule rule_;
    SecondOrderWalk walk720_;
    std::vector<PickedStep> steps_;
    bool stepOpen_ = false;
    Phase phase_ = Phase::FirstPass;
    int passLength_ = 0;                            // candidates shown in the current phase
    std::vector<ComponentDialogRequest> distinct_;  // the different candidates of the phase
    ComponentDialogRequest best_;                   // the best candidate of the first pass
};

// Whether `deviation` is no larger than `best`. The same candidate met a decade away
// computes its deviation with rounding differences in the last places; they count as equal.
bool NoLargerDeviation(double deviation, double best);

// Whether `shown` shows the element values and deviation of `candidate` (up to rounding in
// the last places, as a candidate recomputed after a restart has them).
bool ShowsCandidate(const ComponentDialogRequest& shown, const ComponentDialogRequest& candidate);

}  // namespace vorna::cli
