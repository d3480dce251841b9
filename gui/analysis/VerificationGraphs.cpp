#include "VerificationGraphs.h"

#include <cmath>

#include "AnalysisGraphs.h"
#include "platform/CLocale.h"
#include "text/Texts.h"
#include "view/DesignView.h"
#include "view/EngineeringNotation.h"

namespace vorna {
namespace {

std::string Number(double value) {
    return Format("%.6g", value);
}

}  // namespace

GraphData SimulationGraph(const DesignView& view, const DesignDocument& doc,
                          const verify::CircuitSimulation& simulation,
                          const verify::ToleranceResult& tolerance) {
    GraphData graph;
    graph.title = Text(TextId::SimulationGraphTitle);
    graph.x = {Text(TextId::QuantityFrequency), "Hz", AxisScale::Logarithmic, view.graphFreqMin,
               view.graphFreqMax};
    graph.y = {Text(TextId::QuantityGain), "dB", AxisScale::Linear, -view.graphAttMax, 10};
    graph.mask = MaskRegionsOf(doc);
    Curve ideal{Text(TextId::CurveIdeal), {}, {}, CurveStyle::Dashed};
    Curve simulated{Text(TextId::CurveSimulated), {}, {}, CurveStyle::Line};
    for (const verify::SimulatedPoint& point : simulation.points) {
        ideal.x.push_back(point.frequencyHz);
        ideal.y.push_back(point.idealDb);
        simulated.y.push_back(point.simulatedDb);
    }
    simulated.x = ideal.x;
    if (!simulation.points.empty()) graph.curves = {std::move(simulated), std::move(ideal)};
    if (!simulation.Succeeded()) graph.note = Text(TextId::SimulationFailedNote) + simulation.error;
    const verify::ToleranceEnvelope& envelope = tolerance.envelope;
    if (tolerance.runs > 0 && !envelope.frequencyHz.empty()) {
        const std::pair<const char*, const std::vector<double>*> bounds[] = {
            {Text(TextId::CurveMinimum), &envelope.minDb},
            {"5 %", &envelope.p5Db},
            {"50 %", &envelope.p50Db},
            {"95 %", &envelope.p95Db},
            {Text(TextId::CurveMaximum), &envelope.maxDb}};
        for (const auto& [name, values] : bounds) {
            graph.curves.push_back({name, envelope.frequencyHz, *values, CurveStyle::Line});
        }
    }
    if (!tolerance.Succeeded()) graph.note = Text(TextId::ToleranceFailedNote) + tolerance.error;
    return graph;
}

std::string YieldText(const verify::ToleranceResult& tolerance) {
    if (tolerance.runs <= 0) return {};
    std::string text = Format(Text(TextId::YieldSummary), tolerance.yield * 100, tolerance.runs,
                              tolerance.passedRuns);
    if (tolerance.failedRuns > 0) {
        text += Format(Text(TextId::YieldFailedRuns), tolerance.failedRuns);
        const verify::ToleranceResult::FailureCauses& f = tolerance.failures;
        const std::pair<const char*, int> causes[] = {
            {Text(TextId::FailureUnstablePolePair), f.unstablePolePair},
            {Text(TextId::FailureUnstableRealPole), f.unstableRealPole},
            {Text(TextId::FailureValueNotPositive), f.valueNotPositive},
            {Text(TextId::FailureNotFinite), f.notFinite}};
        std::string because;
        for (const auto& [cause, runs] : causes)
            if (runs > 0)
                because += Format(Text(TextId::FailureCauseRuns),
                                  because.empty() ? "" : Text(TextId::ListSeparator), cause, runs);
        text += ": " + because;
    }
    text += ")";
    return text;
}

std::vector<std::vector<std::string>> SectionTable(const verify::SectionRequirements& sections) {
    std::vector<std::vector<std::string>> table{
        {Text(TextId::SectionColumn), "f0", "Q", Text(TextId::SectionGainColumn),
         Text(TextId::RequiredGbwColumn), Text(TextId::GbwShortColumn),
         Text(TextId::SensitivityColumn)}};
    for (const verify::SectionRequirement& section : sections.sections) {
        std::string sensitivities;
        for (const verify::ElementSensitivity& s : section.sensitivities) {
            if (!sensitivities.empty()) sensitivities += "; ";
            sensitivities += s.element + ": " + Number(s.omega0) + ", " + Number(s.q);
        }
        table.push_back(
            {std::to_string(section.section), EngineeringNotation(section.f0Hz, "Hz", 4),
             section.q ? Number(*section.q) : "-", Number(20 * std::log10(section.gain)),
             section.requiredGbwHz ? EngineeringNotation(*section.requiredGbwHz, "Hz", 4)
                                   : Text(TextId::RequiredGbwBeyondSearch),
             section.opAmpFallsShort ? Text(TextId::GbwShort) : "", sensitivities});
    }
    return table;
}

}  // namespace vorna
