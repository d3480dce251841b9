#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "circuit/CandidateChooser.h"
#include "circuit/EngValue.h"
#include "circuit/SectionRoutines.h"
#include "circuit/Synthesis.h"
#include "circuit/SynthesisContext.h"
#include "compensation/CascadeCompensation.h"
#include "compensation/OpAmpCompensation.h"
#include "compensation/SinglePoleSection.h"
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

// The op-amps of the high-pass and band-eliminate circuits change their pass-band level as
// well (the high-pass circuits' noise gain stays high above their pole frequencies, the
// notch circuits' gains move too): their sections are fitted together over the two
// octaves of pass band beside each edge, where the sections shape it, instead of each pole
// pair on its own.
constexpr double kFittedSpan = 4;

// The section circuit of second-order section i.
SectionCircuit SectionCircuitAt(const BasicCircuit& circuit, bool odd, int i) {
    return i == 0 && odd && circuit.oddSectionZero ? *circuit.oddSectionZero
                                                   : circuit.secondOrderSection;
}

// The bands the sections of `kind` are fitted over; none when each section's pole pair (and
// a band-pass section's gain) is matched on its own: the low-pass and band-pass circuits'
// op-amps hardly move their pass-band level otherwise, and fitting them as well made the
// two-integrator circuits' sections sensitive to the rounding of their parts. A high-pass
// design without a known edge counts from its lowest pole frequency.
std::vector<FittedBand> FittedBands(FilterKind kind, const SynthesisInput& input,
                                    std::span<const CircuitSection> sections) {
    if (kind == FilterKind::BandEliminate) {
        if (!(input.fp1 > 0) || !(input.fp2 > input.fp1)) return {};
        return {{input.fp1 / kFittedSpan, input.fp1}, {input.fp2, kFittedSpan * input.fp2}};
    }
    if (kind != FilterKind::HighPass) return {};
    double edge = input.passEdgeHz;
    if (!(edge > 0)) {
        edge = std::numeric_limits<double>::infinity();
        for (const CircuitSection& s : sections)
            edge = std::min(edge, std::sqrt(s.designed.den0) / kTwoPi);
    }
    if (!std::isfinite(edge)) return {};
    return {{edge, kFittedSpan * edge}};
}

// What each second-order section is to realise for the run's op-amps when its sections are
// fitted together; no targets when the run does not pre-distort or matches each pole pair on
// its own, none when no pre-distortion helps.
std::optional<CascadeTargets> FittedTargets(const BasicCircuit& circuit,
                                            const SynthesisInput& input,
                                            const DesignResults& results, bool odd) {
    const double gbw = input.compensationGbwHz;
    if (!(gbw > 0)) return CascadeTargets{};
    std::vector<CircuitSection> sections;
    for (int i = 0; i <= LastSectionIndex(results); ++i)
        sections.push_back(
            {SectionCircuitAt(circuit, odd, i), results.sections[static_cast<std::size_t>(i)]});
    const std::vector<FittedBand> bands = FittedBands(circuit.kind, input, sections);
    if (bands.empty()) return CascadeTargets{};
    return PreDistortedCascade(sections, gbw, bands);
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
    const std::optional<CascadeTargets> fitted = FittedTargets(circuit, input, results, odd);
    // The fit may leave part of the op-amps' loss in place: the journal says how much.
    if (fitted && !fitted->targets.empty() && fitted->uncompensatedMissDb)
        ctx.Write(Format(Text(TextId::JournalCompensationFitted),
                         Eng(input.compensationGbwHz).c_str(), *fitted->uncompensatedMissDb,
                         fitted->missDb));
    bool realised = true;
    for (int i = 0; realised && i <= LastSectionIndex(results); ++i) {
        const SectionCircuit section = SectionCircuitAt(circuit, odd, i);
        std::optional<Section> target;
        if (fitted && static_cast<std::size_t>(i) < fitted->targets.size())
            target = fitted->targets[static_cast<std::size_t>(i)];
        realised =
            PreDistort(ctx, section, i, target) && SynthesizeSection(ctx, section, circuit.kind, i);
    }
    if (!realised) {
        ui.MessageBox(TextId::SynthesisFailed, MessageButtons::Ok);
        run.synthesisFailed = true;
    }
}

}  // namespace vorna
