#include "circuit/CandidateChooser.h"
#include "circuit/SectionRoutines.h"
#include "circuit/Synthesis.h"
#include "circuit/SynthesisContext.h"
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

}  // namespace

void SynthesizeBasicCircuit(const BasicCircuit& circuit, const SynthesisInput& input,
                            DesignResults& results, SynthesisRunState& run,
                            CandidateChooser& chooser, Ui& ui) {
    SynthesisContext ctx{run, input, results, ui, chooser, {}, {}};
    const bool odd = results.resultOddOrder == 1;
    if (odd && circuit.firstOrderSection)
        SynthesizeSection(ctx, *circuit.firstOrderSection, circuit.kind, -1);
    bool realised = true;
    for (int i = 0; realised && i <= LastSectionIndex(results); ++i) {
        const bool ownSectionZero = i == 0 && odd && circuit.oddSectionZero;
        realised = SynthesizeSection(
            ctx, ownSectionZero ? *circuit.oddSectionZero : circuit.secondOrderSection,
            circuit.kind, i);
    }
    if (!realised) {
        ui.MessageBox(TextId::SynthesisFailed, MessageButtons::Ok);
        run.synthesisFailed = true;
    }
}

}  // namespace vorna
