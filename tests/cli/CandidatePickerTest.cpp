// The candidate picker of vorna-cli circuit, driven by made-up candidate sequences in place
// of a synthesis step: it must accept the candidate of smallest deviation of one pass,
// bringing it back by typing its value where the step restarts from a typed value, and end
// every step, whatever the sequence.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "cli/CandidatePicker.h"

namespace vorna::cli {
namespace {

// The candidate shown k-th: element A's value, its deviation and element B's value.
struct Candidate {
    double value;
    double deviation;
    double valueB = 0;
};
using Sequence = std::function<Candidate(int k)>;

// What a made-up step does with a typed element value.
enum class Typing {
    Restarts,  // shows the first candidate with that value next and walks on from it
    Ignored,   // walks on as if the next candidate had been asked for
};

struct Outcome {
    int accepted = -1;  // sequence index of the accepted candidate; -1 when none was within `limit`
    int dialogs = 0;    // dialogs shown for the step
    PickedStep step;
};

// Offers candidates of one step (dialog `dialogId`, section 1, `series`) as the synthesis
// does until the picker accepts one.
Outcome PlayStep(CandidatePicker& picker, const Sequence& sequence, int series,
                 Typing typing = Typing::Restarts, int dialogId = 720, int limit = 100000) {
    int k = 0;
    for (int shown = 1; shown <= limit; ++shown) {
        const Candidate candidate = sequence(k);
        ComponentDialogRequest request;
        request.dialogId = dialogId;
        request.series = series;
        request.valueA = candidate.value;
        request.valueB = candidate.valueB;
        request.deviation = candidate.deviation;
        const CandidateAnswer answer = picker.Choose(request);
        if (answer.action == CandidateAction::Accept) return {k, shown, picker.Steps().back()};
        ++k;
        const bool typedA = answer.action == CandidateAction::TypedA;
        if (typedA || answer.action == CandidateAction::TypedB) {
            if (typing == Typing::Ignored) continue;
            for (int j = 0; j < 1000; ++j) {
                const double value = typedA ? sequence(j).value : sequence(j).valueB;
                if (std::fabs(value - answer.typed) <= 1e-12 * value) {
                    k = j;
                    break;
                }
            }
            continue;
        }
        if (answer.action != CandidateAction::Next) {
            ADD_FAILURE() << "action " << static_cast<int>(answer.action);
            break;
        }
    }
    return {-1, limit, {}};
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
    // A step that restarts from a typed value shows the best candidate right after the
    // pass; one that ignores typing goes on until the best candidate comes round again.
    const struct {
        const char* name;
        PickRule rule;
        Sequence sequence;
        int accepted;         // index of the accepted candidate when typing restarts the step
        int dialogs;          // dialogs shown then
        int acceptedIgnored;  // the same when the step ignores typed values
        int dialogsIgnored;
        double deviation;
        double deviationIgnored;
        bool missedIgnored = false;  // the step ignoring typed values never shows the best again
    } cases[] = {
        {"first accepts the first", PickRule::First, Cycle(E6Deviations()), 0, 1, 0, 1, 0.04, 0.04},
        {"a pass of N, best met again", PickRule::Best, Cycle(E6Deviations()), 3, 6 + 1, 6 + 3,
         6 + 4, 0.01, 0.01},
        {"the last of the pass is the best", PickRule::Best,
         Cycle({0.04, 0.03, 0.05, 0.02, 0.02, 0.01}), 5, 6, 5, 6, 0.01, 0.01},
        {"the first is the best", PickRule::Best, Cycle({0.01, 0.03, 0.05, 0.02, 0.04, 0.06}), 0,
         6 + 1, 6, 6 + 1, 0.01, 0.01},
        {"fewer candidates than N come round", PickRule::Best, Cycle({0.03, 0.01, 0.02}), 1, 3 + 2,
         3 + 1, 3 + 2, 0.01, 0.01},
        {"each candidate shown 13 times", PickRule::Best, Cycle(E6Deviations(), 13), 3 * 13,
         5 * 13 + 2, 6 * 13 + 3 * 13, 6 * 13 + 3 * 13 + 1, 0.01, 0.01},
        {"the dialog never changes", PickRule::Best,
         [](int) {
             return Candidate{1, 0.02};
         },
         14 * 7 - 1, 14 * 7, 14 * 7 - 1, 14 * 7, 0.02, 0.02},
        // Ignoring the typed value, the step shows no candidate of the same values again: a
        // pass later the picker takes the same deviation a decade away.
        {"the same deviation a decade away, rounded differently", PickRule::Best,
         [](int k) {
             return Candidate{1.0 + k, k % 6 == 2 ? 0.01 * (1 + 1e-14 * (k / 6)) : 0.05};
         },
         2, 6 + 1, 12 + 2, 12 + 3, 0.01, 0.01 * (1 + 2e-14), true},
    };
    for (const auto& c : cases) {
        for (const Typing typing : {Typing::Restarts, Typing::Ignored}) {
            SCOPED_TRACE(std::string(c.name) +
                         (typing == Typing::Restarts ? ", typing restarts" : ", typing ignored"));
            const bool restarts = typing == Typing::Restarts;
            CandidatePicker picker(c.rule);
            const Outcome outcome = PlayStep(picker, c.sequence, 1, typing);
            EXPECT_EQ(outcome.accepted, restarts ? c.accepted : c.acceptedIgnored);
            EXPECT_EQ(outcome.dialogs, restarts ? c.dialogs : c.dialogsIgnored);
            EXPECT_EQ(outcome.step.candidates, outcome.dialogs);
            EXPECT_DOUBLE_EQ(outcome.step.deviation, restarts ? c.deviation : c.deviationIgnored);
            EXPECT_EQ(outcome.step.firstDeviation, c.sequence(0).deviation);
            // Only where no candidate of the best one's values comes again does the picker
            // accept another one, and it says so.
            EXPECT_EQ(outcome.step.missedBest, !restarts && c.missedIgnored);
        }
    }
}

TEST(CandidatePicker, TypedValueBringsBackTheBestCandidateOfThePass) {
    // A walk through N values of one decade; the typed value restarts it there.
    for (const int best : {0, 1, 4, 10, 22, 23}) {
        SCOPED_TRACE(best);
        std::vector<double> deviations(24, 0.04);
        deviations[static_cast<std::size_t>(best)] = 0.002;
        const Sequence walk = [&deviations](int k) {
            const int i = k % 24;
            return Candidate{4.7e3 * std::pow(10.0, i / 24.0) * std::pow(10.0, k / 24),
                             deviations[static_cast<std::size_t>(i)]};
        };
        CandidatePicker picker(PickRule::Best);
        const Outcome outcome = PlayStep(picker, walk, 3);
        EXPECT_EQ(outcome.accepted, best);
        EXPECT_EQ(outcome.dialogs, best == 23 ? 24 : 25);
        EXPECT_EQ(outcome.step.typedBack, best != 23);
        EXPECT_FALSE(outcome.step.missedBest);
        EXPECT_EQ(outcome.step.deviation, 0.002);
        EXPECT_EQ(outcome.step.bestDeviation, 0.002);
    }
}

TEST(CandidatePicker, TypesElementBWhenElementAIsNoPositiveValue) {
    // Dialog 735 with R3 = (d1 - 1) R5: element A is 0 or negative, element B the walked R5.
    for (const double factor : {0.0, -0.5}) {
        SCOPED_TRACE(factor);
        const Sequence walk = [factor](int k) {
            const double r5 = 1e4 * (1 + (k % 6));
            return Candidate{factor * r5, k % 6 == 2 ? 0.001 : 0.03, r5};
        };
        CandidatePicker picker(PickRule::Best);
        const Outcome outcome = PlayStep(picker, walk, 1, Typing::Restarts, 735);
        EXPECT_EQ(outcome.accepted, 2);
        EXPECT_EQ(outcome.dialogs, 7);
        EXPECT_TRUE(outcome.step.typedBack);
    }
    // Dialog 730 has no element B: with a useless element A there is nothing to type, and
    // the picker goes on to the next candidate of as small a deviation.
    const Sequence noElementB = [](int k) { return Candidate{0, k % 6 == 2 ? 0.001 : 0.03}; };
    CandidatePicker picker(PickRule::Best);
    const Outcome outcome = PlayStep(picker, noElementB, 1, Typing::Restarts, 730);
    EXPECT_EQ(outcome.accepted, 6 + 2);
    EXPECT_FALSE(outcome.step.typedBack);
}

TEST(CandidatePicker, ABestThatNeverComesAgainEndsAtTheLimitAndSaysSo) {
    CandidatePicker picker(PickRule::Best);
    // The first candidate is the best and every later one is worse and different, and the
    // step ignores typed values.
    const Outcome outcome = PlayStep(
        picker,
        [](int k) {
            return Candidate{1.0 + k, 0.01 + 0.001 * k};
        },
        1, Typing::Ignored);
    ASSERT_GE(outcome.accepted, 0);
    // The first pass, the pass waiting for the typed candidate, and the limit.
    EXPECT_LE(outcome.accepted, 6 + 6 + 14 * 7);
    EXPECT_EQ(outcome.step.bestDeviation, 0.01);
    EXPECT_FALSE(NoLargerDeviation(outcome.step.deviation, outcome.step.bestDeviation));
    EXPECT_FALSE(outcome.step.typedBack);
    EXPECT_TRUE(outcome.step.missedBest);
}

TEST(CandidatePicker, ThePassIsAsLongAsTheSeries) {
    for (const int series : {1, 2, 3, 4, 5}) {
        for (const Typing typing : {Typing::Restarts, Typing::Ignored}) {
            SCOPED_TRACE(::testing::Message()
                         << series << (typing == Typing::Restarts ? " restarts" : " ignored"));
            const int n = 6 << (series - 1);
            std::vector<double> deviations(static_cast<std::size_t>(n), 0.03);
            deviations[static_cast<std::size_t>(n - 2)] = 0.001;
            CandidatePicker picker(PickRule::Best);
            const Outcome outcome = PlayStep(picker, Cycle(deviations), series, typing);
            EXPECT_EQ(outcome.accepted, typing == Typing::Restarts ? n - 2 : 2 * n - 2);
            EXPECT_EQ(outcome.dialogs, typing == Typing::Restarts ? n + 1 : 2 * n - 1);
            EXPECT_EQ(outcome.step.deviation, 0.001);
        }
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

TEST(CandidatePicker, ShowsCandidateComparesTheValuesUpToRounding) {
    ComponentDialogRequest a;
    a.valueA = 4.7e3;
    a.valueB = 2.2e-9;
    a.derived = {1.5e-10, 3.3e4, 0};
    a.deviation = 0.01;
    const struct {
        const char* name;
        std::function<void(ComponentDialogRequest&)> change;
        bool same;
    } cases[] = {
        {"unchanged", [](ComponentDialogRequest&) {}, true},
        {"rounding in the last places",
         [](ComponentDialogRequest& r) { r.derived[0] *= 1 + 1e-13; }, true},
        {"a decade away",
         [](ComponentDialogRequest& r) {
             r.valueA *= 10;
             r.valueB /= 10;
             r.derived[0] /= 10;
             r.derived[1] *= 10;
         },
         false},
        {"another series value", [](ComponentDialogRequest& r) { r.derived[1] = 3.6e4; }, false},
        {"a derived value that was 0", [](ComponentDialogRequest& r) { r.derived[2] = 1e-15; },
         false},
        {"another section", [](ComponentDialogRequest& r) { r.section = 2; }, false},
        {"another series", [](ComponentDialogRequest& r) { r.series = 4; }, false},
        {"another deviation", [](ComponentDialogRequest& r) { r.deviation = 0.02; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComponentDialogRequest b = a;
        c.change(b);
        EXPECT_EQ(ShowsCandidate(b, a), c.same);
        EXPECT_EQ(ShowsCandidate(a, b), c.same);
    }
}

}  // namespace
}  // namespace vorna::cli
