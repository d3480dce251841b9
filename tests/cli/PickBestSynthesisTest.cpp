// The candidate picker of vorna-cli circuit on real synthesis runs of every basic circuit:
// with PickRule::Best every step accepts the element values of the candidate of smallest
// deviation among the first N different candidates the step showed (N of the series), not
// a candidate of the same deviation a decade away.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/DocumentResults.h"
#include "app/SynthesisInputs.h"
#include "circuit/CandidateChooser.h"
#include "circuit/ESeries.h"
#include "circuit/Synthesis.h"
#include "circuit/SynthesisFixture.h"
#include "cli/CandidatePicker.h"
#include "design/DesignFixture.h"
#include "output/CircuitOutput.h"
#include "support/AcceptingUi.h"
#include "view/DesignView.h"

namespace vorna {
namespace {

using namespace vorna::testing;

// Chooses with a picker and records every candidate offered.
class RecordingPicker : public CandidateChooser {
public:
    explicit RecordingPicker(cli::SecondOrderWalk walk720) : picker(cli::PickRule::Best, walk720) {}
    cli::CandidatePicker picker;
    std::vector<ComponentDialogRequest> shown;

    CandidateAnswer Choose(const ComponentDialogRequest& candidate) override {
        if (shown.size() > 2000000) throw std::runtime_error("the step never ends");
        shown.push_back(candidate);
        return picker.Choose(candidate);
    }
};

bool SameValues(const ComponentDialogRequest& a, const ComponentDialogRequest& b) {
    return a.valueA == b.valueA && a.valueB == b.valueB && a.derived == b.derived &&
           a.bound == b.bound;
}

double Relative(double a, double b) {
    const double scale = std::max(std::fabs(a), std::fabs(b));
    return scale == 0 ? 0 : std::fabs(a - b) / scale;
}

// The largest relative difference between the values two candidates show.
double Difference(const ComponentDialogRequest& a, const ComponentDialogRequest& b) {
    double most = std::max(
        {Relative(a.valueA, b.valueA), Relative(a.valueB, b.valueB), Relative(a.bound, b.bound)});
    for (std::size_t k = 0; k < a.derived.size(); ++k)
        most = std::max(most, Relative(a.derived[k], b.derived[k]));
    return most;
}

struct PickCase {
    DesignCase design;
    int circuit;  // row of kBasicCircuits
    int series;   // 1 .. 5
    int referenceMode = 0;
};

const PickCase kCases[] = {
    {{kLowPass, kButterworth, 7, 0.5, 1.5, 1000}, LP1, 3},
    {{kLowPass, kButterworth, 7, 0.5, 1.5, 1000}, LP1, 5},
    {{kLowPass, kChebyshev, 8, 0.5, 1.5, 2000}, LP2, 3},
    {{kLowPass, kChebyshev, 8, 0.5, 1.5, 2000}, LP2, 1},
    {{kLowPass, kChebyshev, 5, 0.5, 1.5, 300}, LP2, 4},
    {{kHighPass, kButterworth, 5, 0.5, 1.5, 500}, HP1, 2, 1},
    {{kHighPass, kChebyshev, 6, 0.5, 1.5, 5000}, HP2, 1, 1},
    {{kLowPass, kInverseChebyshev, 5, 0.5, 2.0, 1000}, LP3, 3},
    {{kLowPass, kElliptic, 6, 0.5, 1.5, 1000}, LP4, 3},
    {{kLowPass, kElliptic, 7, 0.5, 1.5, 1000}, LP4, 4},
    {{kHighPass, kElliptic, 5, 0.5, 1.5, 1000}, HP3, 3, 1},
    {{kHighPass, kInverseChebyshev, 6, 0.5, 2.0, 1000}, HP4, 2, 1},
    {{kBandPass, kButterworth, 4, 0.5, 1.5, 1000, 1000, 1500}, BP1, 3},
    {{kBandPass, kButterworth, 4, 0.5, 1.5, 1000, 1000, 3000}, BP2, 3},
    {{kBandPass, kElliptic, 5, 0.5, 1.5, 1000, 1000, 3000}, BP3, 3},
    {{kBandPass, kElliptic, 4, 0.5, 1.5, 1000, 1000, 3000}, BP4, 1},
    {{kBandEliminate, kChebyshev, 4, 0.5, 1.5, 1000, 1000, 3000}, BE1, 3},
    {{kBandEliminate, kButterworth, 5, 0.5, 1.5, 1000, 1000, 3000}, BE2, 3},
    {{kBandEliminate, kButterworth, 5, 0.5, 1.5, 1000, 1000, 3000}, BE2, 5},
};

TEST(PickBestSynthesis, EveryStepAcceptsTheBestCandidateOfItsFirstPass) {
    for (const PickCase& c : kCases) {
        const std::string what = Describe(c.design) + " circuit " + std::to_string(c.circuit) +
                                 " series " + std::to_string(c.series);
        SCOPED_TRACE(what);
        DesignDocument doc = MakeDocument(c.design);
        doc.referenceMode = c.referenceMode;
        DesignView view(doc);
        RecomputeResults(view, doc);
        CircuitOutput out;
        out.SetSeries(c.series + 10, 0);
        RecordingPicker chooser(c.circuit == LP1 || c.circuit == LP2
                                    ? cli::SecondOrderWalk::DownFromC1
                                    : cli::SecondOrderWalk::FromR1);
        AcceptingUi ui;
        SynthesizeBasicCircuit(kBasicCircuits[static_cast<std::size_t>(c.circuit)],
                               SynthesisInputOf(doc), view, out, chooser, ui);
        ASSERT_FALSE(out.synthesisFailed);
        // No typed value was refused or led nowhere, and no dialog was built.
        EXPECT_TRUE(ui.messages.empty()) << ui.messages.front();
        EXPECT_EQ(ui.dialogs, 0);

        // The steps as shown: runs of one dialog and section.
        std::vector<std::vector<ComponentDialogRequest>> steps;
        for (const auto& request : chooser.shown) {
            if (steps.empty() || steps.back().front().dialogId != request.dialogId ||
                steps.back().front().section != request.section) {
                steps.emplace_back();
            }
            steps.back().push_back(request);
        }
        ASSERT_EQ(steps.size(), chooser.picker.Steps().size());
        for (std::size_t s = 0; s < steps.size(); ++s) {
            const auto& step = steps[s];
            SCOPED_TRACE(::testing::Message() << "dialog " << step.front().dialogId << " section "
                                              << step.front().section);
            // The first pass: until N different candidates were shown or the first came again.
            const std::size_t n = static_cast<std::size_t>(SeriesSize(step.front().series));
            std::vector<ComponentDialogRequest> pass;
            for (const auto& request : step) {
                if (pass.size() > 1 && SameValues(request, pass.front())) break;
                if (std::none_of(pass.begin(), pass.end(),
                                 [&](const auto& seen) { return SameValues(seen, request); })) {
                    pass.push_back(request);
                }
                if (pass.size() == n) break;
            }
            double least = pass.front().deviation;
            for (const auto& candidate : pass) least = std::min(least, candidate.deviation);
            const ComponentDialogRequest& accepted = step.back();
            double closest = 1e300;
            for (const auto& candidate : pass) {
                if (candidate.deviation <= least * (1 + 1e-12))
                    closest = std::min(closest, Difference(accepted, candidate));
            }
            EXPECT_LT(closest, 1e-9)
                << "accepted values are not those of a best candidate of the first pass";
            EXPECT_LE(accepted.deviation, least * (1 + 1e-9) + 1e-15);
            EXPECT_EQ(accepted.series, step.front().series);
            const cli::PickedStep& picked = chooser.picker.Steps()[s];
            EXPECT_FALSE(picked.missedBest);
            EXPECT_EQ(picked.candidates, static_cast<int>(step.size()));
            EXPECT_DOUBLE_EQ(picked.bestDeviation, least);
        }
    }
}

}  // namespace
}  // namespace vorna
