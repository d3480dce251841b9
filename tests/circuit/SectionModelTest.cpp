// The circuit models both ways: the element values a model derives from a designed section
// realise that section again.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "circuit/models/BandPassModel.h"
#include "circuit/models/CircuitEquations.h"
#include "circuit/models/FirstOrderModel.h"
#include "circuit/models/NotchModel.h"
#include "circuit/models/SecondOrderModel.h"
#include "circuit/models/SectionModel.h"

namespace vorna {
namespace {

constexpr double kW0 = 2 * 3.141592653589793 * 1000;

// Denominator s^2 + w0/q s + w0^2 with the given numerator.
Section Poles(double w0, double q, double s2, double s1, double s0) {
    return {w0 / q, w0 * w0, s2, s1, s0};
}

SectionElements LowPass(SectionCircuit circuit, SecondOrderForm form, const Section& designed) {
    const auto v = SecondOrderModel(designed, form).LowPassFromC2(2.2e-9);
    return {circuit, 1, 0, {{"R1", v.r1}, {"R2", v.r2}, {"C1", v.c1}, {"C2", v.c2}}};
}

SectionElements HighPass(SectionCircuit circuit, SecondOrderForm form, const Section& designed) {
    const auto v = SecondOrderModel(designed, form).HighPassFromR1(4.7e3);
    return {circuit, 1, 0, {{"R1", v.r1}, {"R2", v.r2}, {"C1", v.c}, {"C2", v.c}}};
}

SectionElements IntegratorNotchElements(const Section& designed) {
    const IntegratorNotch model(designed);
    const auto a = model.FromCb(1e-8);
    // Both pole-shift forms, each with the stepped element beyond its bound.
    double c2 = 0, r2 = 0;
    if (model.ZerosAbovePoles()) {
        c2 = 1.5 * model.Bound() * a.cb / 2;
        r2 = model.R2FromC2(a.rb, a.cb, c2);
    } else {
        r2 = 2 * a.rb / (1.5 * model.Bound());
        c2 = model.C2FromR2(a.rb, a.cb, r2);
    }
    const double d1 = model.D1(2 * c2 / a.cb, 2 * a.rb / r2);
    return {SectionCircuit::IntegratorNotch,
            1,
            0,
            {{"Rb1", a.rb},
             {"Cb1", a.cb},
             {"R2", r2},
             {"C2", c2},
             {"R5", 1e4},
             {"R3", IntegratorNotch::R3Factor(d1) * 1e4},
             {"R6", 1e4},
             {"R4", model.R4Factor(d1, 2 * c2 / a.cb) * 1e4}}};
}

struct IdealCase {
    const char* name;
    Section designed;
    std::function<SectionElements(const Section&)> ideal;
};

// A designed section of every circuit and the elements that realise it (copies left out).
std::vector<IdealCase> IdealCases() {
    const double wz = 2.5 * kW0;
    return {
        {"first-order low-pass",
         {kW0, 0, kW0, 0, 0},
         [](const Section& d) {
             const double c = 1e-8;
             return SectionElements{SectionCircuit::FirstOrderLowPass,
                                    1,
                                    -1,
                                    {{"R1", TimeConstantPartner(c, d.den1)}, {"C1", c}}};
         }},
        {"first-order high-pass",
         {kW0, 1, 0, 0, 0},
         [](const Section& d) {
             const double c = 1e-8;
             return SectionElements{SectionCircuit::FirstOrderHighPass,
                                    1,
                                    -1,
                                    {{"R1", TimeConstantPartner(c, d.den1)}, {"C1", c}}};
         }},
        {"multiple-feedback low-pass", Poles(kW0, 2.5, 0, 0, kW0 * kW0),
         [](const Section& d) {
             return LowPass(SectionCircuit::MultipleFeedbackLowPass,
                            SecondOrderForm::MultipleFeedback, d);
         }},
        {"Sallen-Key low-pass", Poles(kW0, 0.6, 0, 0, kW0 * kW0),
         [](const Section& d) {
             return LowPass(SectionCircuit::SallenKeyLowPass, SecondOrderForm::SallenKey, d);
         }},
        {"multiple-feedback high-pass", Poles(kW0, 4, 1, 0, 0),
         [](const Section& d) {
             return HighPass(SectionCircuit::MultipleFeedbackHighPass,
                             SecondOrderForm::MultipleFeedback, d);
         }},
        {"Sallen-Key high-pass", Poles(kW0, 0.7, 1, 0, 0),
         [](const Section& d) {
             return HighPass(SectionCircuit::SallenKeyHighPass, SecondOrderForm::SallenKey, d);
         }},
        {"multiple-feedback band-pass", Poles(kW0, 5, 0, 2 * kW0 / 5, 0),
         [](const Section& d) {
             const auto v = MultipleFeedbackBandPass(BandPassShape(d)).FromR1(1e4);
             return SectionElements{
                 SectionCircuit::MultipleFeedbackBandPass,
                 1,
                 0,
                 {{"R1", v.r1}, {"C1", v.c}, {"C2", v.c}, {"R2", v.r2}, {"R3", v.r3}}};
         }},
        {"dual-amplifier band-pass", Poles(kW0, 8, 0, 3 * kW0 / 8, 0),
         [](const Section& d) {
             const DualAmplifierBandPass model{BandPassShape(d)};
             const auto v = model.FromR1(2.2e4);
             return SectionElements{SectionCircuit::DualAmplifierBandPass,
                                    1,
                                    0,
                                    {{"R11", v.r1},
                                     {"R21", v.r2},
                                     {"C1", v.c},
                                     {"R3", model.R3FromR4(1e4)},
                                     {"R4", 1e4},
                                     {"Rx1", 1e4},
                                     {"Rx2", 1e4}}};
         }},
        {"state-variable notch", Poles(kW0, 3, 0.4, 0.123, 0.4 * wz * wz),
         [](const Section& d) {
             const StateVariableNotch model(d);
             const double cb = 1e-8;
             const auto v = model.FromR4(1e4);
             return SectionElements{SectionCircuit::StateVariableNotch,
                                    1,
                                    0,
                                    {{"Rb1", TimeConstantPartner(cb, model.w0)},
                                     {"Cb1", cb},
                                     {"R1", v.r1},
                                     {"R2", v.r2},
                                     {"R3", v.r3},
                                     {"R41", v.r4}}};
         }},
        {"integrator notch, zeros above", Poles(kW0, 3, 0.5, 0.123, 0.5 * wz * wz),
         IntegratorNotchElements},
        {"integrator notch, zeros below", Poles(kW0, 3, 0.5, 0, 0.5 * kW0 * kW0 / 6.25),
         IntegratorNotchElements},
        {"integrator notch, zeros at the poles", Poles(kW0, 3, 0.5, 0, 0.5 * kW0 * kW0),
         IntegratorNotchElements},
    };
}

TEST(SectionModel, IdealElementsRealiseTheDesignedSection) {
    for (const auto& c : IdealCases()) {
        SCOPED_TRACE(c.name);
        const auto realised = InFileOrder(Realise(c.ideal(c.designed), c.designed));
        const auto designed = InFileOrder(c.designed);
        for (std::size_t k = 0; k < 5; ++k)
            EXPECT_NEAR(realised[k], designed[k], 1e-12 * std::fabs(designed[k])) << k;
    }
    // A unity-gain stage is drawn with a short for R3, and realises the unit gain.
    EXPECT_EQ(GainStageR3(0), 0.01);
    const Section unity = Poles(kW0, 8, 0, kW0 / 8, 0);
    const auto v = DualAmplifierBandPass(BandPassShape(unity)).FromR1(1e4);
    const SectionElements drawn{
        SectionCircuit::DualAmplifierBandPass,
        1,
        0,
        {{"R11", v.r1}, {"R21", v.r2}, {"C1", v.c}, {"R3", 0.01}, {"R4", 1e4}}};
    EXPECT_EQ(Realise(drawn, unity).num1, Realise(drawn, unity).den1);
    // A missing element realises nothing.
    EXPECT_TRUE(std::isnan(Realise({SectionCircuit::SallenKeyLowPass, 1, 0, {}}, unity).den1));
}

// The matched copies as the synthesis draws them: copy = factor * source.
struct Copy {
    SectionCircuit circuit;
    const char* copy;
    const char* source;
    double factor;
};
constexpr Copy kCopies[] = {
    {SectionCircuit::FirstOrderHighPass, "R2", "R1", 1},
    {SectionCircuit::MultipleFeedbackLowPass, "R3", "R1", 1},
    {SectionCircuit::MultipleFeedbackHighPass, "C3", "C1", 1},
    {SectionCircuit::DualAmplifierBandPass, "R12", "R11", 1},
    {SectionCircuit::DualAmplifierBandPass, "R22", "R21", 1},
    {SectionCircuit::DualAmplifierBandPass, "C2", "C1", 1},
    {SectionCircuit::StateVariableNotch, "Rb2", "Rb1", 1},
    {SectionCircuit::StateVariableNotch, "Cb2", "Cb1", 1},
    {SectionCircuit::StateVariableNotch, "R42", "R41", 1},
    {SectionCircuit::StateVariableNotch, "R43", "R41", 1},
    {SectionCircuit::StateVariableNotch, "R44", "R41", 1},
    {SectionCircuit::StateVariableNotch, "R45", "R41", 1},
    {SectionCircuit::IntegratorNotch, "Rb2", "Rb1", 1},
    {SectionCircuit::IntegratorNotch, "Cb2", "Cb1", 1},
    {SectionCircuit::IntegratorNotch, "R1", "Rb1", 0.5},
    {SectionCircuit::IntegratorNotch, "C1", "Cb1", 2},
};

TEST(SectionModel, EveryElementAtItsOwnValueAgreesWithTheWriteBackForEqualCopies) {
    for (auto c : IdealCases()) {
        SCOPED_TRACE(c.name);
        SectionElements drawn = c.ideal(c.designed);
        // The twin-T sets the numerator's s term itself (to none); Realise keeps the design's.
        if (drawn.circuit == SectionCircuit::IntegratorNotch) c.designed.num1 = 0;
        for (const Copy& copy : kCopies)
            if (copy.circuit == drawn.circuit)
                drawn.elements.push_back({copy.copy, copy.factor * drawn.Value(copy.source)});
        const Section written = Realise(drawn, c.designed);
        const CircuitResponse own = RealiseCircuit(drawn, c.designed);
        // Coefficients on the scale of the pole frequency, so that zeros compare too.
        const double w = std::sqrt(written.den0) > 0 ? std::sqrt(written.den0) : written.den1;
        const double scale[5] = {w, w * w, 1, w, w * w};
        const auto ownCoefficients = InFileOrder(own.section);
        const auto writtenCoefficients = InFileOrder(written);
        for (std::size_t k = 0; k < 5; ++k)
            EXPECT_NEAR(ownCoefficients[k] / scale[k], writtenCoefficients[k] / scale[k], 1e-9)
                << k;
        EXPECT_NEAR(own.zero / own.pole, 1, 1e-9);
    }
}

}  // namespace
}  // namespace vorna
