#include "circuit/models/SectionModel.h"

#include <limits>

#include "circuit/models/BandPassModel.h"
#include "circuit/models/FirstOrderModel.h"
#include "circuit/models/NotchModel.h"
#include "circuit/models/SecondOrderModel.h"

namespace vorna {

namespace {

SecondOrderForm FormOf(SectionCircuit circuit) {
    return circuit == SectionCircuit::MultipleFeedbackLowPass ||
                   circuit == SectionCircuit::MultipleFeedbackHighPass
               ? SecondOrderForm::MultipleFeedback
               : SecondOrderForm::SallenKey;
}

}  // namespace

double SectionElements::Value(std::string_view name) const {
    for (const CircuitElement& element : elements) {
        if (element.name == name) return element.value;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

FirstOrderSection Realise(const SectionElements& s, const FirstOrderSection& designed) {
    if (s.circuit != SectionCircuit::FirstOrderLowPass &&
        s.circuit != SectionCircuit::FirstOrderHighPass)
        return designed;
    return RealiseFirstOrder(s.circuit == SectionCircuit::FirstOrderLowPass, s.Value("R1"),
                             s.Value("C1"), designed);
}

Section Realise(const SectionElements& s, const Section& designed) {
    const auto v = [&s](std::string_view name) { return s.Value(name); };
    switch (s.circuit) {
        case SectionCircuit::FirstOrderLowPass:
        case SectionCircuit::FirstOrderHighPass:
            return designed;
        case SectionCircuit::MultipleFeedbackLowPass:
        case SectionCircuit::SallenKeyLowPass:
            return RealiseLowPass(FormOf(s.circuit), v("R1"), v("R2"), v("C1"), v("C2"), designed);
        case SectionCircuit::MultipleFeedbackHighPass:
        case SectionCircuit::SallenKeyHighPass:
            return RealiseHighPass(FormOf(s.circuit), v("R1"), v("R2"), v("C1"), v("C2"), designed);
        case SectionCircuit::MultipleFeedbackBandPass:
            return RealiseMultipleFeedbackBandPass(v("R1"), v("R2"), v("R3"), v("C1"), designed);
        case SectionCircuit::DualAmplifierBandPass: {
            const double r3 = v("R3");
            return RealiseDualAmplifierBandPass(v("R11"), v("R21"), v("C1"),
                                                IsGainStageShort(r3) ? 0 : r3, v("R4"), designed);
        }
        case SectionCircuit::StateVariableNotch:
            return RealiseStateVariableNotch(v("Rb1"), v("Cb1"), v("R1"), v("R2"), v("R3"),
                                             v("R41"), designed);
        case SectionCircuit::IntegratorNotch:
            return RealiseIntegratorNotch(v("Rb1"), v("Cb1"), v("R2"), v("C2"), v("R3"), v("R4"),
                                          v("R5"), v("R6"), designed);
    }
    return designed;
}

}  // namespace vorna
