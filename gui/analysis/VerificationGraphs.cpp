#include "VerificationGraphs.h"

#include "AnalysisGraphs.h"
#include "platform/CLocale.h"
#include "view/DesignView.h"

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
    graph.title = "実回路の応答";
    graph.x = {"周波数", "Hz", AxisScale::Logarithmic, view.graphFreqMin, view.graphFreqMax};
    graph.y = {"利得", "dB", AxisScale::Linear, -view.graphAttMax, 10};
    graph.mask = MaskRegionsOf(doc);
    Curve ideal{"理想", {}, {}, CurveStyle::Dashed};
    Curve simulated{"シミュレーション", {}, {}, CurveStyle::Line};
    for (const verify::SimulatedPoint& point : simulation.points) {
        ideal.x.push_back(point.frequencyHz);
        ideal.y.push_back(point.idealDb);
        simulated.y.push_back(point.simulatedDb);
    }
    simulated.x = ideal.x;
    if (!simulation.points.empty()) graph.curves = {std::move(simulated), std::move(ideal)};
    if (!simulation.Succeeded()) graph.note = "シミュレーションできません: " + simulation.error;
    const verify::ToleranceEnvelope& envelope = tolerance.envelope;
    if (tolerance.runs > 0 && !envelope.frequencyHz.empty()) {
        const std::pair<const char*, const std::vector<double>*> bounds[] = {
            {"最小", &envelope.minDb},
            {"5 %", &envelope.p5Db},
            {"50 %", &envelope.p50Db},
            {"95 %", &envelope.p95Db},
            {"最大", &envelope.maxDb}};
        for (const auto& [name, values] : bounds) {
            graph.curves.push_back({name, envelope.frequencyHz, *values, CurveStyle::Line});
        }
    }
    if (!tolerance.Succeeded()) graph.note = "公差解析ができません: " + tolerance.error;
    return graph;
}

std::string YieldText(const verify::ToleranceResult& tolerance) {
    if (tolerance.runs <= 0) return {};
    std::string text = Format("歩留まり %.1f %% (%d 回中 %d 回が仕様を満足", tolerance.yield * 100,
                              tolerance.runs, tolerance.passedRuns);
    if (tolerance.failedRuns > 0) {
        text += Format("､%d 回は計算不能", tolerance.failedRuns);
        const verify::ToleranceResult::FailureCauses& f = tolerance.failures;
        const std::pair<const char*, int> causes[] = {{"極対が右半面 (発振)", f.unstablePolePair},
                                                      {"実極が右半面", f.unstableRealPole},
                                                      {"素子値が 0 以下", f.valueNotPositive},
                                                      {"係数が有限でない", f.notFinite}};
        std::string because;
        for (const auto& [cause, runs] : causes)
            if (runs > 0) because += Format("%s%s %d 回", because.empty() ? "" : "､", cause, runs);
        text += ": " + because;
    }
    text += ")";
    return text;
}

std::vector<std::vector<std::string>> SectionTable(const verify::SectionRequirements& sections) {
    std::vector<std::vector<std::string>> table{
        {"ｾｸｼｮﾝ", "f0 [Hz]", "Q", "利得", "必要GB積 [Hz]", "GB積の不足", "感度 (素子: ω0, Q)"}};
    for (const verify::SectionRequirement& section : sections.sections) {
        std::string sensitivities;
        for (const verify::ElementSensitivity& s : section.sensitivities) {
            if (!sensitivities.empty()) sensitivities += "; ";
            sensitivities += s.element + ": " + Number(s.omega0) + ", " + Number(s.q);
        }
        table.push_back(
            {std::to_string(section.section), Number(section.f0Hz),
             section.q ? Number(*section.q) : "-", Number(section.gain),
             section.requiredGbwHz ? Number(*section.requiredGbwHz) : "探索範囲 (1 THz) を超える",
             section.opAmpFallsShort ? "不足" : "", sensitivities});
    }
    return table;
}

}  // namespace vorna
