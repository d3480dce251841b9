// The candidate picker of vorna-cli circuit, driven by made-up candidate sequences in place
// of a synthesis step: it must accept the smallest deviation of one pass when the step
// offers it again, and end every step, whatever the sequence.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "cli/CandidatePicker.h"
#include "support/ScriptedUi.h"

namespace vorna::cli {
namespace {

// The candidate shown k-th: a value and its deviation.
struct Candidate {
    double value;
    double deviation;
};
using Sequence = std::function<Candidate(int k)>;

struct Outcome {
    int accepted = -1;  // index of the accepted candidate; -1 when none was within `limit`
    PickedStep step;
};

// Shows candidates of one step (dialog 720, section 1, `series`) as the synthesis does until
// the picker accepts one.
Outcome PlayStep(CandidatePicker& picker, const Sequence& sequence, int series, int limit = 100000) {
    testing::ScriptedUi ui;
    for (int k = 0; k < limit; ++k) {
        ComponentDialogRequest request;
        request.series = series;
        request.valueA = sequence(k).value;
        request.deviation = sequence(k).deviation;
        ComponentValueDialog dialog(request);
        dialog.Open(ui);
        picker.Answer(dialog);
        if (dialog.action == 4) return {k, picker.Steps().back()};
        if (dialog.action != 3) {
            ADD_FAILURE() << "action " << dialog.action;
            break;
        }
    }
    return {-1, {}};
}

// A cycle over the deviations given, one value per entry.
Sequence Cycle(std::vector<double> deviations, int repeats = 1) {
    return [deviations, repeats](int k) {
        const int i = (k / repeats) % static_cast<int>(deviations.size());
        return Candidate{1.0 + i, deviations[static_cast<std::size_t>(i)]};
    };
}

std::vector<double> E6Deviations() {
    return {0.04, 0.03, 0.05, 0.01, 0.02, 0.06};
}

TEST(CandidatePicker, EndsEveryStepAndAcceptsTheBestItCanReach) {
    const struct {
        const char* name;
        PickRule rule;
        Sequence sequence;
        int accepted;  // index of the accepted candidate
        double deviation;
    } cases[] = {
        {"first accepts the first", PickRule::First, Cycle(E6Deviations()), 0, 0.04},
        {"a pass of N, best met again", PickRule::Best, Cycle(E6Deviations()), 6 + 3, 0.01},
        {"the last of the pass is the best", PickRule::Best, Cycle({0.04, 0.03, 0.05, 0.02, 0.02, 0.01}), 5, 0.01},
        {"the first is the best", PickRule::Best, Cycle({0.01, 0.03, 0.05, 0.02, 0.04, 0.06}), 6, 0.01},
        {"fewer candidates than N come round", PickRule::Best, Cycle({0.03, 0.01, 0.02}), 3 + 1, 0.01},
        {"each candidate shown 13 times", PickRule::Best, Cycle(E6Deviations(), 13), 6 * 13 + 3 * 13, 0.01},
        {"the dialog never changes", PickRule::Best,
         [](int) {
             return Candidate{1, 0.02};
         },
         14 * 7 - 1, 0.02},
        {"the same deviation a decade away, rounded differently", PickRule::Best,
         [](int k) {
             return Candidate{1.0 + k, k % 6 == 2 ? 0.01 * (1 + 1e-14 * (k / 6)) : 0.05};
         },
         6 + 2, 0.01 * (1 + 1e-14)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CandidatePicker picker(c.rule);
        const Outcome outcome = PlayStep(picker, c.sequence, 1);
        EXPECT_EQ(outcome.accepted, c.accepted);
        EXPECT_EQ(outcome.step.candidates, c.accepted + 1);
        EXPECT_DOUBLE_EQ(outcome.step.deviation, c.deviation);
        EXPECT_EQ(outcome.step.firstDeviation, c.sequence(0).deviation);
    }
}

TEST(CandidatePicker, ABestThatNeverComesAgainEndsAtTheLimitAndSaysSo) {
    CandidatePicker picker(PickRule::Best);
    // The first candidate is the best and every later one is worse and different.
    const Outcome outcome = PlayStep(
        picker,
        [](int k) {
            return Candidate{1.0 + k, 0.01 + 0.001 * k};
        },
        1);
    ASSERT_GE(outcome.accepted, 0);
    EXPECT_LE(outcome.accepted, 6 + 14 * 7);
    EXPECT_EQ(outcome.step.bestDeviation, 0.01);
    EXPECT_FALSE(NoLargerDeviation(outcome.step.deviation, outcome.step.bestDeviation));
}

TEST(CandidatePicker, ThePassIsAsLongAsTheSeries) {
    for (const int series : {1, 2, 3, 4, 5}) {
        SCOPED_TRACE(series);
        const int n = 6 << (series - 1);
        std::vector<double> deviations(static_cast<std::size_t>(n), 0.03);
        deviations[static_cast<std::size_t>(n - 2)] = 0.001;
        CandidatePicker picker(PickRule::Best);
        const Outcome outcome = PlayStep(picker, Cycle(deviations), series);
        EXPECT_EQ(outcome.accepted, 2 * n - 2);
        EXPECT_EQ(outcome.step.deviation, 0.001);
    }
}

TEST(CandidatePicker, EveryAcceptStartsANewStep) {
    CandidatePicker picker(PickRule::Best);
    PlayStep(picker, Cycle(E6Deviations()), 1);
    PlayStep(picker, Cycle({0.02, 0.01}), 1);
    ASSERT_EQ(picker.Steps().size(), 2u);
    EXPECT_EQ(picker.Steps()[1].candidates, 2 + 2);
    EXPECT_EQ(picker.Steps()[1].firstDeviation, 0.02);
    EXPECT_EQ(picker.Steps()[1].deviation, 0.01);
}

}  // namespace
}  // namespace vorna::cli
