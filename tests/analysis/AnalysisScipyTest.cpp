// Group delays and step and impulse responses against independent evaluations with scipy:
// the cascades and the computed values are written to a JSON file that
// compare_analysis_with_scipy.py checks.

#include <gtest/gtest.h>

#include <string>

#include "analysis/AnalysisDesigns.h"
#include "analysis/Response.h"
#include "analysis/TimeResponse.h"
#include "platform/CLocale.h"
#include "support/PythonCheck.h"

namespace vorna::testing {
namespace {

constexpr int kTimePoints = 400;

std::string Numbers(const std::vector<double>& values) {
    std::string text = "[";
    for (std::size_t i = 0; i < values.size(); ++i)
        text += (i ? ", " : "") + Format("%.17g", values[i]);
    return text + "]";
}

std::vector<double> Values(const std::vector<analysis::TimeSample>& samples) {
    std::vector<double> values;
    for (const auto& s : samples) values.push_back(s.value);
    return values;
}

std::string CaseJson(const CascadeCase& c, bool withResponses) {
    const analysis::Cascade& k = c.cascade;
    std::string json = "{\"name\": \"" + c.name + "\", \"domain\": \"" +
                       (k.IsDigital() ? "digital" : "analog") +
                       "\", \"T\": " + Format("%.17g", k.samplingPeriod) + ", \"first\": ";
    json += k.first ? Numbers({k.first->p0, k.first->p1, k.first->p2}) : "null";
    json += ", \"sections\": [";
    for (std::size_t i = 0; i < k.sections.size(); ++i) {
        const auto coefficients = InFileOrder(k.sections[i]);
        json += (i ? ", " : "") + Numbers({coefficients.begin(), coefficients.end()});
    }
    const std::vector<double> omegas = GraphOmegas(c, 400);
    json += "], \"omegas\": " + Numbers(omegas) +
            ", \"groupDelay\": " + Numbers(analysis::GroupDelayOver(k, omegas));
    if (withResponses) {
        const double end = *analysis::SettlingTime(k);
        const auto step = analysis::TimeResponse(k, analysis::Excitation::Step, end, kTimePoints);
        const auto impulse =
            analysis::TimeResponse(k, analysis::Excitation::Impulse, end, kTimePoints);
        EXPECT_TRUE(step && impulse) << c.name;
        if (step && impulse && step->size() > 1) {
            json += ", \"dt\": " + Format("%.17g", (*step)[1].time) +
                    ", \"step\": " + Numbers(Values(*step)) +
                    ", \"impulse\": " + Numbers(Values(*impulse));
        }
    }
    return json + "}";
}

TEST(AnalysisScipyComparison, GroupDelayAndTimeResponsesMatchIndependentEvaluations) {
    if (!HasScipy())
        GTEST_SKIP() << "python3 lacks scipy (python3-scipy): the comparison cannot run";
    std::vector<std::string> cases;
    for (const CascadeCase& c : CascadeCases({2, 3, 5, 8, 13, 20, 31, 44, 57, 58}, true))
        cases.push_back(CaseJson(c, c.design.doc.figures.order <= 20));
    const PythonCheck check =
        RunPythonCheck(VORNA_SOURCE_DIR "/tests/analysis/compare_analysis_with_scipy.py", cases);
    EXPECT_EQ(check.status, 0) << check.output;
    std::cout << check.output;
}

}  // namespace
}  // namespace vorna::testing
