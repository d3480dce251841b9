#include "circuit/models/CircuitEquations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "circuit/models/BandPassModel.h"
#include "circuit/models/SecondOrderModel.h"

namespace vorna {
namespace {

// c[0] + c[1] s + c[2] s^2 + c[3] s^3.
using Cubic = std::array<double, 4>;

// A real root of the monic cubic s^3 + c2 s^2 + c1 s + c0, by bisection within the bound
// that holds all its roots.
double RealRoot(double c2, double c1, double c0) {
    const auto f = [&](double s) { return ((s + c2) * s + c1) * s + c0; };
    double high =
        2 * std::max({std::abs(c2), std::sqrt(std::abs(c1)), std::cbrt(std::abs(c0 / 2))});
    double low = -high;
    for (int i = 0; i < 200 && high - low > 1e-15 * std::max(std::abs(low), std::abs(high)); ++i) {
        const double middle = 0.5 * (low + high);
        (f(middle) < 0 ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

// The cubic as k (s - root)(s^2 + a s + b).
struct Factored {
    double k, root, a, b;
};
Factored Factor(const Cubic& c) {
    const double c2 = c[2] / c[3], c1 = c[1] / c[3], c0 = c[0] / c[3];
    const double root = RealRoot(c2, c1, c0);
    return {c[3], root, c2 + root, -c0 / root};
}

// The twin-T with its T arms Rb1-C1-Rb2 and Cb1-R1-Cb2 from the input to the node T, C2 and
// R2 from T to ground, the amplifier (1 + R3/R5) from T driving the arms' common node, and
// the inverting stage R4/R6: H = -(R4/R6) (R3 + R5) R2 N(s) / D(s).
CircuitResponse TwinT(double rb1, double rb2, double c1, double cb1, double cb2, double r1,
                      double c2, double r2, double r3, double r4, double r5, double r6,
                      Section designed) {
    const double caps = c2 * cb1 + c2 * cb2 + cb1 * cb2;
    const double cb = cb1 + cb2, rb = rb1 + rb2;
    const Cubic den{
        r5 * (r2 + rb),
        c1 * r5 * rb1 * rb2 - c1 * r2 * r3 * rb1 + c2 * r2 * r5 * rb + cb * r1 * r5 * (r2 + rb) -
            cb2 * r2 * r3 * rb,
        c1 * rb1 * (c2 * r2 * r5 * rb2 + cb * r1 * (r5 * rb2 - r2 * r3) - cb2 * r2 * r3 * rb2) +
            r1 * r2 * r5 * rb * caps,
        c1 * r1 * r2 * r5 * rb1 * rb2 * caps};
    const double gain = (r4 / r6) * (r3 + r5) * r2;
    const Cubic num{gain, gain * r1 * cb, gain * cb1 * cb2 * r1 * rb,
                    gain * c1 * cb1 * cb2 * r1 * rb1 * rb2};
    const Factored poles = Factor(den), zeros = Factor(num);
    const double k = zeros.k / poles.k;
    designed = {poles.a, poles.b, k, k * zeros.a, k * zeros.b};
    return {designed, -zeros.root, -poles.root};
}

using Names = std::span<const std::string_view>;
constexpr std::string_view kFirstOrder[] = {"R1", "C1"};
constexpr std::string_view kSallenKey[] = {"R1", "R2", "C1", "C2"};
constexpr std::string_view kMultipleFeedbackLowPass[] = {"R1", "R2", "R3", "C1", "C2"};
constexpr std::string_view kMultipleFeedbackHighPass[] = {"R1", "R2", "C1", "C2", "C3"};
constexpr std::string_view kMultipleFeedbackBandPass[] = {"R1", "R2", "R3", "C1", "C2"};
constexpr std::string_view kDualAmplifierBandPass[] = {"R11", "R12", "C1", "R3",  "R4",
                                                       "Rx1", "Rx2", "C2", "R21", "R22"};
constexpr std::string_view kStateVariableNotch[] = {"R41", "R42", "R43", "R44", "R1", "Rb1",
                                                    "Cb1", "Rb2", "Cb2", "R2",  "R3", "R45"};
constexpr std::string_view kIntegratorNotch[] = {"Rb1", "Rb2", "C1", "Cb1", "Cb2", "R1",
                                                 "C2",  "R2",  "R3", "R4",  "R5",  "R6"};

}  // namespace

Names EquationElements(SectionCircuit circuit) {
    switch (circuit) {
        case SectionCircuit::FirstOrderLowPass:
        case SectionCircuit::FirstOrderHighPass:
            return kFirstOrder;
        case SectionCircuit::SallenKeyLowPass:
        case SectionCircuit::SallenKeyHighPass:
            return kSallenKey;
        case SectionCircuit::MultipleFeedbackLowPass:
            return kMultipleFeedbackLowPass;
        case SectionCircuit::MultipleFeedbackHighPass:
            return kMultipleFeedbackHighPass;
        case SectionCircuit::MultipleFeedbackBandPass:
            return kMultipleFeedbackBandPass;
        case SectionCircuit::DualAmplifierBandPass:
            return kDualAmplifierBandPass;
        case SectionCircuit::StateVariableNotch:
            return kStateVariableNotch;
        case SectionCircuit::IntegratorNotch:
            return kIntegratorNotch;
    }
    return {};
}

CircuitResponse RealiseCircuit(const SectionElements& s, const Section& designed) {
    const Names names = EquationElements(s.circuit);
    std::array<double, kMostEquationElements> values{};
    for (std::size_t i = 0; i < names.size(); ++i) values[i] = s.Value(names[i]);
    return RealiseCircuit(s.circuit, std::span(values).first(names.size()), designed);
}

CircuitResponse RealiseCircuit(SectionCircuit circuit, std::span<const double> v,
                               const Section& designed) {
    Section p = designed;
    switch (circuit) {
        case SectionCircuit::FirstOrderLowPass:
        case SectionCircuit::FirstOrderHighPass:
            return {designed};
        case SectionCircuit::SallenKeyLowPass:
            return {RealiseLowPass(SecondOrderForm::SallenKey, v[0], v[1], v[2], v[3], designed)};
        case SectionCircuit::SallenKeyHighPass:
            return {RealiseHighPass(SecondOrderForm::SallenKey, v[0], v[1], v[2], v[3], designed)};
        case SectionCircuit::MultipleFeedbackLowPass: {
            // R1 input, C1 to ground, R2 to the inverting input, C2 and R3 feedback.
            const double r1 = v[0], r2 = v[1], r3 = v[2], c1 = v[3], c2 = v[4];
            p.den1 = (1 / r1 + 1 / r2 + 1 / r3) / c1;
            p.den0 = 1 / (r2 * r3 * c1 * c2);
            p.num0 = 1 / (r1 * r2 * c1 * c2);
            break;
        }
        case SectionCircuit::MultipleFeedbackHighPass: {
            // C1 input, R1 to ground, C2 to the inverting input, R2 and C3 feedback.
            const double r1 = v[0], r2 = v[1], c1 = v[2], c2 = v[3], c3 = v[4];
            p.den1 = (c1 + c2 + c3) / (r2 * c2 * c3);
            p.den0 = 1 / (r1 * r2 * c2 * c3);
            p.num2 = c1 / c3;
            break;
        }
        case SectionCircuit::MultipleFeedbackBandPass: {
            // R1 input, R2 to ground, C2 to the inverting input, R3 and C1 feedback.
            const double r1 = v[0], r2 = v[1], r3 = v[2], c1 = v[3], c2 = v[4];
            p.den1 = (c1 + c2) / (r3 * c1 * c2);
            p.den0 = (r1 + r2) / (r1 * r2 * r3 * c1 * c2);
            p.num1 = 1 / (r1 * c1);
            break;
        }
        case SectionCircuit::DualAmplifierBandPass: {
            // R11/R12 divider, C1 tank, the converter's inductance C2 R21 R22 / (g - 1) with
            // its amplifier's gain g = 1 + Rx1/Rx2, whose output feeds the gain stage.
            const double r11 = v[0], r12 = v[1], c1 = v[2], r3 = v[3], r4 = v[4];
            const double ratio = v[5] / v[6], c2 = v[7], r21 = v[8], r22 = v[9];
            p.den1 = (1 / r11 + 1 / r12) / c1;
            p.den0 = ratio / (c1 * c2 * r21 * r22);
            p.num1 = (1 + ratio) * ((IsGainStageShort(r3) ? 0 : r3) + r4) / (r4 * r11 * c1);
            break;
        }
        case SectionCircuit::StateVariableNotch: {
            // Summing amplifier R41 (input), R42 (high-pass feedback), R43 (low-pass output),
            // R44/R1 (band-pass output to its non-inverting input); integrators Rb1 Cb1 and
            // Rb2 Cb2; output summer R2 (high-pass), R45 (low-pass) and R3.
            const double r41 = v[0], r42 = v[1], r43 = v[2], r44 = v[3], r1 = v[4];
            const double rb1 = v[5], cb1 = v[6], rb2 = v[7], cb2 = v[8];
            const double r2 = v[9], r3 = v[10], r45 = v[11];
            const double w1w2 = 1 / (rb1 * cb1 * rb2 * cb2);
            const double sum = 1 / r41 + 1 / r42 + 1 / r43;
            p.den1 = r1 / (r1 + r44) * sum * r42 / (rb1 * cb1);
            p.den0 = w1w2 * r42 / r43;
            p.num2 = r3 * r42 / (r41 * r2);
            p.num0 = r3 * r42 * w1w2 / (r41 * r45);
            break;
        }
        case SectionCircuit::IntegratorNotch:
            return TwinT(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11],
                         designed);
    }
    return {p};
}

}  // namespace vorna
