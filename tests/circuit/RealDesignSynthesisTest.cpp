#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/DocumentResults.h"
#include "app/SynthesisInputs.h"
#include "circuit/Synthesis.h"
#include "design/DesignFixture.h"
#include "dialogs/Dialog.h"
#include "output/CircuitOutput.h"
#include "support/AcceptingUi.h"
#include "view/DesignView.h"

namespace vorna {
namespace {

using namespace vorna::testing;

// A user who accepts the first candidate of every dialog; with rounding, every candidate is
// first rounded to the series (which shows it again) and then accepted.
class CandidateUi : public AcceptingUi {
public:
    bool rounding = false;

protected:
    void Answer(Dialog& dialog) override {
        dialog.UserClick(rounding && dialogs % 2 == 1 ? 902 : IDOK);
    }
};

struct RealCase {
    DesignCase design;
    int circuit;  // row of kBasicCircuits
    int referenceMode;
};

bool IsIntegratorNotch(int circuit) {
    return circuit == 3 || circuit == 7 || circuit == 11 || circuit == 13;
}

// One design per basic circuit, odd and even orders, every kind and both reference modes.
const RealCase kCases[] = {
    {{kLowPass, kButterworth, 7, 0.5, 1.5, 1000}, 0, 0},
    {{kLowPass, kChebyshev, 8, 0.5, 1.5, 2000}, 1, 0},
    {{kHighPass, kButterworth, 5, 0.5, 1.5, 500}, 4, 1},
    {{kHighPass, kChebyshev, 6, 0.5, 1.5, 5000}, 5, 1},
    {{kLowPass, kInverseChebyshev, 5, 0.5, 2.0, 1000}, 2, 0},
    {{kLowPass, kElliptic, 6, 0.5, 1.5, 1000}, 3, 0},
    {{kHighPass, kElliptic, 5, 0.5, 1.5, 1000}, 6, 1},
    {{kHighPass, kInverseChebyshev, 6, 0.5, 2.0, 1000}, 7, 1},
    {{kBandPass, kButterworth, 4, 0.5, 1.5, 1000, 1000, 3000}, 9, 0},
    {{kBandPass, kElliptic, 5, 0.5, 1.5, 1000, 1000, 3000}, 10, 0},
    {{kBandPass, kElliptic, 4, 0.5, 1.5, 1000, 1000, 3000}, 11, 0},
    {{kBandEliminate, kChebyshev, 4, 0.5, 1.5, 1000, 1000, 3000}, 12, 0},
    {{kBandEliminate, kButterworth, 5, 0.5, 1.5, 1000, 1000, 3000}, 13, 0},
};

// The circuit the run recorded names the schematic's elements in the order they were
// written, and realises the coefficients the synthesis wrote back.
void ExpectRecordedCircuit(const CircuitOutput& out, const DesignResults& designed,
                           const DesignResults& realised, const std::string& what) {
    std::vector<ElementValue> named;
    for (const SectionElements& section : out.realisedSections) {
        for (const CircuitElement& e : section.elements)
            named.push_back({e.name + "_" + std::to_string(section.number), e.value});
        if (section.index < 0) {
            EXPECT_EQ(Realise(section, FirstOrderSection{designed.p0, designed.p1, designed.p2}),
                      (FirstOrderSection{realised.p0, realised.p1, realised.p2}))
                << what << " section " << section.number;
        } else {
            const std::size_t index = static_cast<std::size_t>(section.index);
            EXPECT_EQ(Realise(section, designed.sections[index]), realised.sections[index])
                << what << " section " << section.number;
        }
    }
    ASSERT_EQ(named.size(), out.elementValues.size()) << what;
    for (std::size_t k = 0; k < named.size(); ++k) {
        EXPECT_EQ(named[k].name, out.elementValues[k].name) << what;
        EXPECT_EQ(named[k].value, out.elementValues[k].value) << what;
    }
    const bool firstOrder = !out.realisedSections.empty() && out.realisedSections[0].index < 0;
    EXPECT_EQ(out.realisedSections.size(), std::size_t(realised.sectionLast + 1 + firstOrder))
        << what;
}

// Accepting the first candidates leaves the derived elements unrounded, so the circuit
// realises the design itself up to a constant gain (low-pass and high-pass sections are
// built with unit gain). Rounding every derived element to E24 moves each section's poles
// by no more than the series spacing allows.
TEST(RealDesignSynthesis, RealisedResponseFollowsTheDesign) {
    for (const bool rounding : {false, true})
        for (const RealCase& c : kCases) {
            DesignDocument doc = MakeDocument(c.design);
            doc.referenceMode = c.referenceMode;
            DesignView view(doc);
            RecomputeResults(view, doc);
            const DesignResults designed = view;
            CircuitOutput out;
            CandidateUi ui;
            ui.rounding = rounding;
            SynthesizeBasicCircuit(kBasicCircuits[static_cast<std::size_t>(c.circuit)],
                                   SynthesisInputOf(doc), view, out, out.Chooser(ui), ui);
            const std::string what = Describe(c.design) + " circuit " + std::to_string(c.circuit);
            ASSERT_FALSE(out.synthesisFailed) << what;
            EXPECT_TRUE(ui.messages.empty()) << what;
            EXPECT_GT(ui.dialogs, view.sectionLast) << what;
            EXPECT_TRUE(AllFinite(view)) << what;
            ExpectRecordedCircuit(out, designed, view, what);

            double low = 1e300, high = -1e300;
            int points = 0;
            const double centre =
                c.design.kind >= kBandPass ? std::sqrt(c.design.fp1 * c.design.fp2) : c.design.fp;
            for (int k = -40; k <= 40; ++k) {
                const double hz = centre * std::pow(10.0, k / 40.0);
                const double wanted = GainDb(doc, designed, hz);
                if (wanted < -50) continue;  // near the zeros the depth says nothing
                const double difference = GainDb(doc, view, hz) - wanted;
                ++points;
                low = std::min(low, difference);
                high = std::max(high, difference);
            }
            EXPECT_GT(points, 20) << what;
            if (!rounding) {
                EXPECT_LT(high - low, 1e-9) << what;
                continue;
            }
            for (int i = 0; i <= view.sectionLast; ++i) {
                const Section& d = designed.sections[static_cast<std::size_t>(i)];
                const Section& r = view.sections[static_cast<std::size_t>(i)];
                const double w0Error = std::sqrt(r.den0 / d.den0) - 1;
                const double qError =
                    (std::sqrt(r.den0) / r.den1) / (std::sqrt(d.den0) / d.den1) - 1;
                // Two rounded elements set w0 (at most 5 % each in E24). Q follows from ratios of
                // rounded elements, except in the lpet2 family, where it is set by a difference
                // of the gain ratios and so reacts strongly to their rounding.
                EXPECT_LT(std::fabs(w0Error), 0.1) << what << " section " << i;
                if (!IsIntegratorNotch(c.circuit)) {
                    EXPECT_LT(std::fabs(qError), 0.1) << what << " section " << i;
                }
                EXPECT_GT(r.den1, 0) << what << " section " << i;
            }
        }
}

}  // namespace
}  // namespace vorna
