#include <cmath>
#include <optional>

#include "circuit/CandidateChooser.h"
#include "circuit/EngValue.h"
#include "circuit/SectionRoutines.h"
#include "circuit/Synthesis.h"
#include "circuit/SynthesisContext.h"
#include "circuit/models/CascadeCompensation.h"
#include "circuit/models/OpAmpCompensation.h"
#include "circuit/models/SinglePoleSection.h"
#include "platform/Ui.h"
#include "text/Message.h"
#include "topology/BasicCircuits.h"

namespace vorna {

namespace {

// The routine of each section circuit: whether it realised section i (-1: the first-order
// section) of a design of the basic circuit's filter kind.
bool SynthesizeSection(SynthesisContext& ctx, SectionCircuit circuit, FilterKind kind, int i) {
    switch (circuit) {
        case SectionCircuit::FirstOrderLowPass:
        case SectionCircuit::FirstOrderHighPass:
            SynthesizeFirstOrderSection(ctx, circuit == SectionCircuit::FirstOrderLowPass);
            return true;
        case SectionCircuit::MultipleFeedbackLowPass:
            SynthesizeLowPassSection(ctx, i, SecondOrderForm::MultipleFeedback);
            return true;
        case SectionCircuit::SallenKeyLowPass:
            SynthesizeLowPassSection(ctx, i, SecondOrderForm::SallenKey);
            return true;
        case SectionCircuit::MultipleFeedbackHighPass:
            SynthesizeHighPassSection(ctx, i, SecondOrderForm::MultipleFeedback);
            return true;
        case SectionCircuit::SallenKeyHighPass:
            SynthesizeHighPassSection(ctx, i, SecondOrderForm::SallenKey);
            return true;
        case SectionCircuit::MultipleFeedbackBandPass:
            return SynthesizeMultipleFeedbackBandPass(ctx, i);
        case SectionCircuit::DualAmplifierBandPass:
            return SynthesizeDualAmplifierBandPass(ctx, i);
        case SectionCircuit::StateVariableNotch:
            return SynthesizeStateVariableNotch(ctx, kind, i);
        case SectionCircuit::IntegratorNotch:
            return SynthesizeIntegratorNotch(ctx, kind, i);
    }
    return false;
}

// An engineering value without its padding ("10.0000M").
std::string Eng(double value) {
    std::string text = FormatEngValue(value);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

// The high-pass circuits lose level above their pole frequencies as well: their sections are
// fitted together over the two octaves from the pass-band edge, where the sections shape the
// pass band, instead of each pole pair on its own.
constexpr double kHighPassFittedSpan = 4;

// The section circuit of second-order section i.
SectionCircuit SectionCircuitAt(const BasicCircuit& circuit, bool odd, int i) {
    return i == 0 && odd && circuit.oddSectionZero ? *circuit.oddSectionZero
                                                   : circuit.secondOrderSection;
}

// What each second-order section of a high-pass circuit is to realise for the run's op-amps;
// empty when the run does not pre-distort or the circuit is no high-pass one, none when no
// pre-distortion helps.
std::optional<std::vector<Section>> HighPassTargets(const BasicCircuit& circuit,
                                                    const SynthesisInput& input,
                                                    const DesignResults& results, bool odd) {
    const double gbw = input.compensationGbwHz;
    if (!(gbw > 0) || circuit.kind != FilterKind::HighPass) return std::vector<Section>{};
    std::vector<CircuitSection> sections;
    double lowestF0 = 0;
    for (int i = 0; i <= LastSectionIndex(results); ++i) {
        const Section& s = results.sections[static_cast<std::size_t>(i)];
        sections.push_back({SectionCircuitAt(circuit, odd, i), s});
        const double f0 = std::sqrt(s.den0) / kTwoPi;
        if (i == 0 || f0 < lowestF0) lowestF0 = f0;
    }
    const double edge = input.passEdgeHz > 0 ? input.passEdgeHz : lowestF0;
    const std::optional<CascadeTargets> fitted =
        PreDistortedCascade(sections, gbw, edge, kHighPassFittedSpan * edge);
    if (!fitted) return std::nullopt;
    return fitted->targets;
}

// Pre-distorts second-order section i for the run's op-amps when it asks for that and the
// section circuit has their equations, to `fitted` when given; false (the user told) when no
// pre-distortion helps.
bool PreDistort(SynthesisContext& ctx, SectionCircuit circuit, int i,
                const std::optional<Section>& fitted) {
    const double gbw = ctx.design.compensationGbwHz;
    if (!(gbw > 0) || !HasSinglePoleEquations(circuit)) return true;
    Section& section = ctx.SectionAt(i);
    const double w0 = std::sqrt(section.den0);
    const double q = w0 / section.den1;
    const std::optional<Section> target =
        fitted ? fitted : PreDistortedSection(circuit, section, gbw);
    const int n = ctx.SectionNumber(i);
    if (!target) {
        const Message refusal(TextId::CompensationUnreachable,
                              {std::to_string(n), Eng(gbw), Eng(w0 / kTwoPi), Format("%.4f", q)});
        ctx.ui.MessageBox(refusal, MessageButtons::Ok);
        return false;
    }
    const double targetW0 = std::sqrt(target->den0);
    ctx.Write(Format(Text(TextId::JournalPreDistorted), n, Eng(gbw).c_str(),
                     Eng(w0 / kTwoPi).c_str(), Eng(targetW0 / kTwoPi).c_str(), q,
                     targetW0 / target->den1));
    section = *target;
    return true;
}

}  // namespace

void SynthesizeBasicCircuit(const BasicCircuit& circuit, const SynthesisInput& input,
                            DesignResults& results, SynthesisRunState& run,
                            CandidateChooser& chooser, Ui& ui) {
    SynthesisContext ctx{run, input, results, ui, chooser, {}, {}};
    const bool odd = results.resultOddOrder == 1;
    if (odd && circuit.firstOrderSection)
        SynthesizeSection(ctx, *circuit.firstOrderSection, circuit.kind, -1);
    const std::optional<std::vector<Section>> fitted =
        HighPassTargets(circuit, input, results, odd);
    bool realised = true;
    for (int i = 0; realised && i <= LastSectionIndex(results); ++i) {
        const SectionCircuit section = SectionCircuitAt(circuit, odd, i);
        std::optional<Section> target;
        if (fitted && static_cast<std::size_t>(i) < fitted->size())
            target = (*fitted)[static_cast<std::size_t>(i)];
        realised =
            PreDistort(ctx, section, i, target) && SynthesizeSection(ctx, section, circuit.kind, i);
    }
    if (!realised) {
        ui.MessageBox(TextId::SynthesisFailed, MessageButtons::Ok);
        run.synthesisFailed = true;
    }
}

}  // namespace vorna
