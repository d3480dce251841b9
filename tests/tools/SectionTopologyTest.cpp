// Every section topology of the reference schematics realises the equations by which the
// synthesis writes a section's coefficients back from its element values: the generated
// reference file, with chosen values put in, is simulated with ngspice and compared with the
// transfer function those equations give.

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "platform/CLocale.h"
#include "tools/AcSimulation.h"
#include "topology/Circuits.h"

namespace vorna::testing {
namespace {

using Values = std::map<std::string, double>;

struct Coefficients {
    bool firstOrder = false;
    double p[5] = {};  // Pn_0 .. Pn_4, or p0, p1, p2 of a first-order section
};

// The synthesis's write-back equations for each section type.
Coefficients WriteBack(SectionCircuit type, Values v) {
    Coefficients c;
    double* p = c.p;
    switch (type) {
        case SectionCircuit::FirstOrderLowPass:
            c.firstOrder = true;
            p[0] = p[2] = 1 / (v["C1"] * v["R1"]);
            break;
        case SectionCircuit::FirstOrderHighPass:
            c.firstOrder = true;
            p[0] = 1 / (v["C1"] * v["R1"]);
            p[1] = 1;
            break;
        case SectionCircuit::MultipleFeedbackLowPass:
            p[0] = (2 * v["R2"] + v["R1"]) / (v["R1"] * v["R2"] * v["C1"]);
            p[1] = p[4] = 1 / (v["R1"] * v["R2"] * v["C1"] * v["C2"]);
            break;
        case SectionCircuit::SallenKeyLowPass:
            p[0] = (v["R1"] + v["R2"]) / (v["R1"] * v["R2"] * v["C1"]);
            p[1] = p[4] = 1 / (v["R1"] * v["R2"] * v["C1"] * v["C2"]);
            break;
        case SectionCircuit::MultipleFeedbackHighPass:
            p[0] = (2 * v["C1"] + v["C2"]) / (v["C1"] * v["C2"] * v["R2"]);
            p[1] = 1 / (v["R1"] * v["R2"] * v["C1"] * v["C2"]);
            p[2] = 1;
            break;
        case SectionCircuit::SallenKeyHighPass:
            p[0] = (v["C2"] + v["C1"]) / (v["C1"] * v["C2"] * v["R2"]);
            p[1] = 1 / (v["R1"] * v["R2"] * v["C1"] * v["C2"]);
            p[2] = 1;
            break;
        case SectionCircuit::MultipleFeedbackBandPass: {
            const double cap = v["C1"];
            p[0] = 2 / (cap * v["R3"]);
            p[1] = (v["R1"] + v["R2"]) / (v["R1"] * v["R2"] * v["R3"] * cap * cap);
            p[3] = (v["R3"] / (2 * v["R1"])) * p[0];
            break;
        }
        case SectionCircuit::DualAmplifierBandPass:
            p[0] = 2 / (v["C1"] * v["R11"]);
            p[1] = 1 / std::pow(v["C1"] * v["R21"], 2);
            p[3] = ((v["R3"] + v["R4"]) / v["R4"]) * p[0];
            break;
        case SectionCircuit::StateVariableNotch: {
            const double tau = v["Cb1"] * v["Rb1"];
            p[0] = 3 * v["R1"] / ((v["R1"] + v["R41"]) * tau);
            p[1] = 1 / (tau * tau);
            p[2] = v["R3"] / v["R2"];
            p[4] = (v["R3"] / v["R41"]) * p[1];
            break;
        }
        case SectionCircuit::IntegratorNotch: {
            const double d1 = v["R3"] / v["R5"] + 1, d2 = 2 * v["C2"] / v["Cb1"],
                         d3 = 2 * v["Rb1"] / v["R2"];
            const double d4 = 1 / (v["Cb1"] * v["Rb1"]);
            p[0] = ((d2 + d3 + 4) - 4 * d1) * d4 / (d2 + 1);
            p[1] = ((d3 + 1) / (d2 + 1)) * d4 * d4;
            p[2] = d1 * v["R4"] / ((d2 + 1) * v["R6"]);
            p[4] = d4 * d4 * p[2];
            break;
        }
    }
    return c;
}

// Element values of one section, named without the section suffix; R3 of LP1 equals R1,
// C3 of HP1 equals C1, R2 of the first-order high-pass equals R1, and the equal pairs of
// BP1, BP2, lpet1 and lpet2 are equal, as the synthesis sets them.
const std::map<SectionCircuit, std::vector<Values>> kValueSets = {
    {SectionCircuit::FirstOrderLowPass, {{{"R1", 10e3}, {"C1", 12e-9}}}},
    {SectionCircuit::FirstOrderHighPass, {{{"R1", 6.8e3}, {"R2", 6.8e3}, {"C1", 22e-9}}}},
    {SectionCircuit::MultipleFeedbackLowPass,
     {{{"R1", 5.6e3}, {"R2", 4.7e3}, {"R3", 5.6e3}, {"C1", 100e-9}, {"C2", 3.3e-9}},
      {{"R1", 3.3e3}, {"R2", 3.9e3}, {"R3", 3.3e3}, {"C1", 220e-9}, {"C2", 1.1e-9}}}},
    {SectionCircuit::SallenKeyLowPass,
     {{{"R1", 12e3}, {"R2", 15e3}, {"C1", 47e-9}, {"C2", 2.2e-9}},
      {{"R1", 8.2e3}, {"R2", 8.2e3}, {"C1", 33e-9}, {"C2", 15e-9}}}},
    {SectionCircuit::MultipleFeedbackHighPass,
     {{{"R1", 2.2e3}, {"R2", 82e3}, {"C1", 10e-9}, {"C2", 10e-9}, {"C3", 10e-9}},
      {{"R1", 1.5e3}, {"R2", 120e3}, {"C1", 6.8e-9}, {"C2", 8.2e-9}, {"C3", 6.8e-9}}}},
    {SectionCircuit::SallenKeyHighPass,
     {{{"R1", 3.3e3}, {"R2", 47e3}, {"C1", 10e-9}, {"C2", 15e-9}},
      {{"R1", 5.6e3}, {"R2", 22e3}, {"C1", 4.7e-9}, {"C2", 4.7e-9}}}},
    {SectionCircuit::MultipleFeedbackBandPass,
     {{{"R1", 39e3}, {"R2", 820}, {"R3", 120e3}, {"C1", 4.7e-9}, {"C2", 4.7e-9}},
      {{"R1", 27e3}, {"R2", 1.2e3}, {"R3", 82e3}, {"C1", 6.8e-9}, {"C2", 6.8e-9}}}},
    {SectionCircuit::DualAmplifierBandPass,
     {{{"R11", 100e3},
       {"R12", 100e3},
       {"R21", 10e3},
       {"R22", 10e3},
       {"C1", 10e-9},
       {"C2", 10e-9},
       {"R3", 4.7e3},
       {"R4", 10e3}},
      {{"R11", 150e3},
       {"R12", 150e3},
       {"R21", 8.2e3},
       {"R22", 8.2e3},
       {"C1", 15e-9},
       {"C2", 15e-9},
       {"R3", 0.01},
       {"R4", 10e3}}}},
    {SectionCircuit::StateVariableNotch,
     {{{"Rb1", 15e3},
       {"Rb2", 15e3},
       {"Cb1", 10e-9},
       {"Cb2", 10e-9},
       {"R1", 2.7e3},
       {"R2", 8.2e3},
       {"R3", 12e3},
       {"R41", 10e3},
       {"R42", 10e3},
       {"R43", 10e3},
       {"R44", 10e3},
       {"R45", 10e3}},
      {{"Rb1", 6.8e3},
       {"Rb2", 6.8e3},
       {"Cb1", 22e-9},
       {"Cb2", 22e-9},
       {"R1", 820},
       {"R2", 33e3},
       {"R3", 4.7e3},
       {"R41", 22e3},
       {"R42", 22e3},
       {"R43", 22e3},
       {"R44", 22e3},
       {"R45", 22e3}}}},
    // Zero above the poles (pole shift by C2) and below them (by R2).
    {SectionCircuit::IntegratorNotch,
     {{{"Rb1", 16e3},
       {"Rb2", 16e3},
       {"Cb1", 10e-9},
       {"Cb2", 10e-9},
       {"R1", 8e3},
       {"C1", 20e-9},
       {"C2", 4.7e-9},
       {"R2", 100e3},
       {"R3", 1e3},
       {"R5", 10e3},
       {"R4", 22e3},
       {"R6", 10e3}},
      {{"Rb1", 10e3},
       {"Rb2", 10e3},
       {"Cb1", 4.7e-9},
       {"Cb2", 4.7e-9},
       {"R1", 5e3},
       {"C1", 9.4e-9},
       {"C2", 0.47e-9},
       {"R2", 6.8e3},
       {"R3", 2.2e3},
       {"R5", 10e3},
       {"R4", 4.7e3},
       {"R6", 10e3}}}},
};

struct TopologyCase {
    int circuit;
    int order;
};

class SectionTopology : public ::testing::TestWithParam<TopologyCase> {};

// Puts the value sets into the reference file's sections (the k-th section of a type takes
// the type's sets in turn), simulates it and compares it with the product of the sections'
// write-back transfer functions, negated once for every inverting section.
TEST_P(SectionTopology, ReferenceFileRealisesTheWriteBackEquations) {
    const auto [circuit, order] = GetParam();
    const BasicCircuit& basic = kBasicCircuits[static_cast<std::size_t>(circuit)];
    const std::string file = installation::ReferenceFileName(basic, order);
    installation::Schematic schematic = ReadReference(file);
    std::vector<Coefficients> sections;
    double sign = 1;
    std::map<SectionCircuit, size_t> used;
    int number = 0;
    for (SectionCircuit type : installation::SectionSequence(basic, order)) {
        ++number;
        const std::vector<Values>& sets = kValueSets.at(type);
        const Values& values = sets[used[type]++ % sets.size()];
        for (const auto& [name, value] : values)
            SetValue(schematic, name + "_" + std::to_string(number), Format("%.12g", value));
        sections.push_back(WriteBack(type, values));
        if (installation::Traits(type).inverting) sign = -sign;
    }
    auto expected = [&](double w) {
        std::complex<double> h = sign;
        for (const Coefficients& c : sections)
            h *= c.firstOrder ? FirstOrder(c.p[0], c.p[1], c.p[2], w) : SecondOrder(c.p, w);
        return h;
    };
    EXPECT_GT(ExpectSameResponse(SimulateAc(schematic, 10, 100e3), expected, file), 0);
}

INSTANTIATE_TEST_SUITE_P(
    EverySectionType, SectionTopology,
    ::testing::Values(TopologyCase{0, 3}, TopologyCase{0, 4}, TopologyCase{1, 5},
                      TopologyCase{4, 3}, TopologyCase{5, 4}, TopologyCase{7, 3},
                      TopologyCase{8, 2}, TopologyCase{9, 2}, TopologyCase{10, 3},
                      TopologyCase{11, 3}, TopologyCase{12, 2}, TopologyCase{13, 2}),
    [](const ::testing::TestParamInfo<TopologyCase>& info) {
        return std::string(kBasicCircuits[static_cast<std::size_t>(info.param.circuit)].code) +
               "_" + std::to_string(info.param.order);
    });

}  // namespace
}  // namespace vorna::testing
