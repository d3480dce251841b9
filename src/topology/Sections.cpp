#include "topology/Sections.h"

#include "topology/SectionDrawing.h"

namespace vorna::installation {
namespace {

// A two-terminal part named and valued, resistor or capacitor.
struct PartSpec {
    char kind;  // 'R' or 'C'
    const char* name;
    const char* value;
};

void Place(SectionDrawing& d, const PartSpec& p, Point a, Point b) {
    if (p.kind == 'R') {
        d.R(p.name, p.value, a, b);
    } else {
        d.C(p.name, p.value, a, b);
    }
}

// A passive first-order section (series part, shunt part) buffered by a follower, with a
// resistor in the follower's feedback when one is named.
Point FirstOrder(SectionDrawing& d, PartSpec series, PartSpec shunt, const PartSpec* feedback) {
    Place(d, series, {0, 0}, {112, 0});
    d.W({{112, 0}, {144, 0}, {144, 16}, {192, 16}});
    Place(d, shunt, {144, 16}, {144, 128});
    d.Ground({144, 128});
    d.OpAmp({256, 0});
    d.W({{256, 0}, {256, -80}});
    if (feedback != nullptr) {
        Place(d, *feedback, {256, -80}, {176, -80});
    } else {
        d.W({{256, -80}, {176, -80}});
    }
    d.W({{176, -80}, {176, -16}, {192, -16}});
    d.W({{256, 0}, {288, 0}});
    return {288, 0};
}

// Multiple-feedback section: input part to node A, A to ground, A to the inverting input N,
// N to the output, and A to the output.
Point MultipleFeedback(SectionDrawing& d, PartSpec toA, PartSpec aToGround, PartSpec aToN,
                       PartSpec nToOut, PartSpec aToOut) {
    Place(d, toA, {0, 0}, {144, 0});
    Place(d, aToGround, {144, 0}, {144, 112});
    d.Ground({144, 112});
    Place(d, aToN, {144, 0}, {288, 0});
    d.OpAmp({416, 0});
    d.W({{288, 0}, {288, -16}, {352, -16}});
    d.W({{288, -16}, {288, -96}});
    Place(d, nToOut, {288, -96}, {416, -96});
    d.W({{416, -96}, {416, 0}});
    d.W({{352, 16}, {320, 16}, {320, 64}});
    d.Ground({320, 64});
    d.W({{144, 0}, {144, -160}});
    Place(d, aToOut, {144, -160}, {416, -160});
    d.W({{416, -160}, {416, -96}});
    d.W({{416, 0}, {448, 0}});
    return {448, 0};
}

// Unity-gain Sallen-Key section: input part to A, A to B (the follower's input), A to the
// output, B to ground.
Point SallenKey(SectionDrawing& d, PartSpec toA, PartSpec aToB, PartSpec aToOut,
                PartSpec bToGround) {
    Place(d, toA, {0, 0}, {144, 0});
    Place(d, aToB, {144, 0}, {256, 0});
    d.W({{256, 0}, {320, 0}, {320, 16}, {368, 16}});
    Place(d, bToGround, {320, 16}, {320, 128});
    d.Ground({320, 128});
    d.OpAmp({432, 0});
    d.W({{432, 0}, {432, -80}, {352, -80}, {352, -16}, {368, -16}});
    d.W({{144, 0}, {144, -144}});
    Place(d, aToOut, {144, -144}, {432, -144});
    d.W({{432, -144}, {432, -80}});
    d.W({{432, 0}, {464, 0}});
    return {464, 0};
}

// Dual-amplifier band-pass: the Q resistor split into R11 from the input and R12 to ground
// (so the centre gain is one), the tank capacitor C1, and a generalised impedance converter
// (R21, C2, R22 and the fixed gain-of-two pair Rx1, Rx2) that makes the inductance
// C2·R21·R22; then a non-inverting gain stage 1 + R3/R4.
Point DualAmpBandPass(SectionDrawing& d) {
    d.R("R11", "160k", {0, 0}, {112, 0});
    d.W({{112, 0}, {352, 0}});
    d.R("R12", "160k", {144, 0}, {144, 112});
    d.Ground({144, 112});
    d.C("C1", "10n", {224, 0}, {224, 96});
    d.Ground({224, 96});
    d.OpAmp({416, -16});
    d.W({{416, -16}, {448, -16}});
    d.W({{448, -16}, {448, -112}});
    d.W({{448, -16}, {448, 160}});
    d.C("C2", "10n", {448, -112}, {320, -112});
    d.W({{320, -112}, {320, -32}, {352, -32}});
    d.R("R21", "16k", {448, 160}, {288, 160});
    d.W({{288, 160}, {288, 0}});
    d.W({{320, -112}, {320, -176}, {544, -176}});
    d.OpAmp({608, -192});
    d.W({{608, -192}, {640, -192}});
    d.W({{640, -192}, {640, -368}});
    d.R("R22", "16k", {640, -368}, {320, -368});
    d.W({{320, -368}, {320, -176}});
    d.R("Rx1", "10k", {640, -288}, {512, -288});
    d.W({{512, -288}, {512, -208}, {544, -208}});
    d.R("Rx2", "10k", {512, -288}, {384, -288});
    d.W({{384, -288}, {384, -256}});
    d.Ground({384, -256});
    // Gain stage.
    d.W({{640, -192}, {640, -16}, {768, -16}});
    d.OpAmp({832, 0}, true);
    d.W({{768, 16}, {672, 16}});
    d.R("R4", "10k", {672, 16}, {672, 128});
    d.Ground({672, 128});
    d.W({{832, 0}, {832, 160}});
    d.R("R3", "10k", {832, 160}, {720, 160});
    d.W({{720, 160}, {720, 16}});
    d.W({{832, 0}, {864, 0}});
    return {864, 0};
}

// State-variable section: summing amplifier (R41 input, R42 feedback, R43 from the low-pass
// output, R44 and R1 setting Q at its non-inverting input), two integrators (Rb1, Cb1 and
// Rb2, Cb2) and an output summer of the high-pass (R2) and low-pass (R45) outputs with R3.
Point StateVariableNotch(SectionDrawing& d) {
    d.R("R41", "10k", {0, 0}, {112, 0});
    d.W({{112, 0}, {144, 0}, {144, -16}, {192, -16}});
    d.OpAmp({256, 0});
    d.W({{144, -16}, {144, -96}});
    d.R("R42", "10k", {144, -96}, {288, -96});
    d.W({{256, 0}, {288, 0}});
    d.W({{288, 0}, {288, -96}});
    d.W({{192, 16}, {176, 16}, {176, 176}});
    d.W({{176, 64}, {128, 64}});
    d.R("R1", "9.1k", {128, 64}, {128, 176});
    d.Ground({128, 176});
    d.R("R44", "10k", {176, 176}, {544, 176});
    // First integrator: high-pass to band-pass.
    d.R("Rb1", "16k", {288, 0}, {400, 0});
    d.W({{400, 0}, {416, 0}, {416, -16}, {448, -16}});
    d.OpAmp({512, 0});
    d.W({{416, -16}, {416, -96}});
    d.C("Cb1", "10n", {416, -96}, {544, -96});
    d.W({{544, -96}, {544, 0}});
    d.W({{512, 0}, {544, 0}});
    d.W({{448, 16}, {432, 16}, {432, 48}});
    d.Ground({432, 48});
    d.W({{544, 0}, {544, 176}});
    // Second integrator: band-pass to low-pass.
    d.R("Rb2", "16k", {544, 0}, {656, 0});
    d.W({{656, 0}, {672, 0}, {672, -16}, {704, -16}});
    d.OpAmp({768, 0});
    d.W({{672, -16}, {672, -96}});
    d.C("Cb2", "10n", {672, -96}, {800, -96});
    d.W({{800, -96}, {800, 0}});
    d.W({{768, 0}, {800, 0}});
    d.W({{704, 16}, {688, 16}, {688, 48}});
    d.Ground({688, 48});
    // Output summer.
    d.R("R45", "10k", {800, 0}, {912, 0});
    d.W({{912, 0}, {928, 0}, {928, -16}, {960, -16}});
    d.OpAmp({1024, 0});
    d.W({{928, -16}, {928, -96}});
    d.R("R3", "10k", {928, -96}, {1056, -96});
    d.W({{1056, -96}, {1056, 0}});
    d.W({{1024, 0}, {1056, 0}});
    d.W({{960, 16}, {944, 16}, {944, 48}});
    d.Ground({944, 48});
    // Low-pass output back to the summing amplifier, high-pass output to the output summer.
    d.W({{144, -96}, {144, -176}});
    d.W({{800, -96}, {800, -176}});
    d.R("R43", "10k", {144, -176}, {800, -176});
    d.W({{288, -96}, {288, -240}});
    d.W({{928, -96}, {928, -240}});
    d.R("R2", "10k", {288, -240}, {928, -240});
    d.W({{1056, 0}, {1088, 0}});
    return {1088, 0};
}

// Twin-T section: Rb1, Rb2 with C1 (= 2 Cb) and Cb1, Cb2 with R1 (= Rb/2) put the zero at
// 1/(Cb·Rb); their common node is driven from the amplifier 1 + R3/R5 that buffers the
// T's output, C2 and R2 from that output to ground move the poles, and R4/R6 set the gain.
Point TwinTNotch(SectionDrawing& d) {
    d.W({{0, 0}, {32, 0}});
    d.W({{32, 0}, {32, -96}});
    d.W({{32, 0}, {32, 96}});
    d.R("Rb1", "16k", {32, -96}, {192, -96});
    d.R("Rb2", "16k", {192, -96}, {352, -96});
    d.C("C1", "20n", {192, -96}, {192, 0});
    d.C("Cb1", "10n", {32, 96}, {192, 96});
    d.C("Cb2", "10n", {192, 96}, {352, 96});
    d.R("R1", "8k", {192, 96}, {192, 0});
    d.W({{352, -96}, {352, 96}});
    // The T's common node, driven from the first amplifier's output.
    d.W({{192, 0}, {384, 0}, {384, -144}, {672, -144}, {672, 0}});
    d.OpAmp({640, 0});
    d.W({{640, 0}, {672, 0}});
    d.W({{352, 96}, {352, 160}, {560, 160}, {560, 16}, {576, 16}});
    d.C("C2", "4.7n", {416, 160}, {416, 256});
    d.Ground({416, 256});
    d.R("R2", "100k", {496, 160}, {496, 272});
    d.Ground({496, 272});
    d.W({{576, -16}, {512, -16}});
    d.R("R3", "1k", {544, -144}, {544, -64});
    d.W({{544, -64}, {544, -16}});
    d.R("R5", "10k", {512, -16}, {512, 96});
    d.Ground({512, 96});
    // Inverting output stage.
    d.R("R6", "10k", {672, -144}, {768, -144});
    d.W({{768, -144}, {768, -16}, {800, -16}});
    d.OpAmp({864, 0});
    d.W({{800, 16}, {784, 16}, {784, 48}});
    d.Ground({784, 48});
    d.W({{768, -144}, {768, -224}});
    d.R("R4", "10k", {768, -224}, {896, -224});
    d.W({{896, -224}, {896, 0}});
    d.W({{864, 0}, {896, 0}});
    d.W({{896, 0}, {928, 0}});
    return {928, 0};
}

}  // namespace

SectionTraits Traits(SectionCircuit circuit) {
    switch (circuit) {
        case SectionCircuit::FirstOrderLowPass:
            return {"first-order low-pass", false};
        case SectionCircuit::FirstOrderHighPass:
            return {"first-order high-pass", false};
        case SectionCircuit::MultipleFeedbackLowPass:
            return {"multiple-feedback low-pass", true};
        case SectionCircuit::SallenKeyLowPass:
            return {"unity-gain Sallen-Key low-pass", false};
        case SectionCircuit::MultipleFeedbackHighPass:
            return {"multiple-feedback high-pass", true};
        case SectionCircuit::SallenKeyHighPass:
            return {"unity-gain Sallen-Key high-pass", false};
        case SectionCircuit::MultipleFeedbackBandPass:
            return {"multiple-feedback band-pass", true};
        case SectionCircuit::DualAmplifierBandPass:
            return {"dual-amplifier band-pass with gain stage", false};
        case SectionCircuit::StateVariableNotch:
            return {"state-variable section with summing output", false};
        case SectionCircuit::IntegratorNotch:
            return {"twin-T section with pole shift", true};
    }
    return {"", false};  // no section circuit
}

Point DrawSection(SectionCircuit circuit, Schematic& schematic, Point input,
                  const std::string& sectionLabel, int* opAmpCount) {
    SectionDrawing d(schematic, input, sectionLabel, opAmpCount);
    const PartSpec feedback{'R', "R2", "10k"};
    Point out;
    switch (circuit) {
        case SectionCircuit::FirstOrderLowPass:
            out = FirstOrder(d, {'R', "R1", "10k"}, {'C', "C1", "15n"}, nullptr);
            break;
        case SectionCircuit::FirstOrderHighPass:
            out = FirstOrder(d, {'C', "C1", "15n"}, {'R', "R1", "10k"}, &feedback);
            break;
        case SectionCircuit::MultipleFeedbackLowPass:
            out = MultipleFeedback(d, {'R', "R1", "7.5k"}, {'C', "C1", "47n"}, {'R', "R2", "7.5k"},
                                   {'C', "C2", "10n"}, {'R', "R3", "7.5k"});
            break;
        case SectionCircuit::SallenKeyLowPass:
            out = SallenKey(d, {'R', "R1", "11k"}, {'R', "R2", "11k"}, {'C', "C1", "22n"},
                            {'C', "C2", "10n"});
            break;
        case SectionCircuit::MultipleFeedbackHighPass:
            out = MultipleFeedback(d, {'C', "C1", "10n"}, {'R', "R1", "7.5k"}, {'C', "C2", "10n"},
                                   {'R', "R2", "33k"}, {'C', "C3", "10n"});
            break;
        case SectionCircuit::SallenKeyHighPass:
            out = SallenKey(d, {'C', "C1", "10n"}, {'C', "C2", "10n"}, {'R', "R1", "11k"},
                            {'R', "R2", "22k"});
            break;
        case SectionCircuit::MultipleFeedbackBandPass:
            out = MultipleFeedback(d, {'R', "R1", "82k"}, {'R', "R2", "1.6k"}, {'C', "C2", "10n"},
                                   {'R', "R3", "160k"}, {'C', "C1", "10n"});
            break;
        case SectionCircuit::DualAmplifierBandPass:
            out = DualAmpBandPass(d);
            break;
        case SectionCircuit::StateVariableNotch:
            out = StateVariableNotch(d);
            break;
        case SectionCircuit::IntegratorNotch:
            out = TwinTNotch(d);
            break;
    }
    return input + out;
}

}  // namespace vorna::installation
