// The circuit equations against ngspice: every section circuit drawn with all its elements
// deliberately unequal (matched copies and the fixed gain-of-two pair too) realises what the
// simulator finds.

#include <gtest/gtest.h>

#include <cmath>

#include "circuit/models/CircuitEquations.h"
#include "platform/CLocale.h"
#include "tools/AcSimulation.h"
#include "topology/Circuits.h"
#include "verify/CircuitSimulation.h"

namespace vorna::verify {
namespace {

// "7.5k", "47n", "100k" as drawn in the section templates.
double TemplateValue(const std::string& text) {
    const char* end = nullptr;
    const double mantissa = StrToD(text.c_str(), &end);
    return mantissa * (*end == 'k' ? 1e3 : *end == 'n' ? 1e-9 : 1);
}

TEST(CircuitEquations, EveryElementAtItsOwnValueMatchesNgspice) {
    for (const SectionCircuit circuit :
         {SectionCircuit::FirstOrderLowPass, SectionCircuit::FirstOrderHighPass,
          SectionCircuit::MultipleFeedbackLowPass, SectionCircuit::SallenKeyLowPass,
          SectionCircuit::MultipleFeedbackHighPass, SectionCircuit::SallenKeyHighPass,
          SectionCircuit::MultipleFeedbackBandPass, SectionCircuit::DualAmplifierBandPass,
          SectionCircuit::StateVariableNotch, SectionCircuit::IntegratorNotch}) {
        SCOPED_TRACE(static_cast<int>(circuit));
        installation::Schematic drawn = installation::SectionSchematic(circuit, 1);
        SectionElements elements{circuit, 1,
                                 circuit <= SectionCircuit::FirstOrderHighPass ? -1 : 0};
        int k = 0;
        for (installation::Symbol& symbol : drawn.symbols) {
            const char kind = symbol.instName.empty() ? ' ' : symbol.instName[0];
            if (kind != 'R' && kind != 'C') continue;
            const double value = TemplateValue(symbol.value) * (1 + 0.03 * (k++ % 5 - 2));
            symbol.value = Format("%.12g", value);
            elements.elements.push_back(
                {symbol.instName.substr(0, symbol.instName.find('_')), value});
        }
        const FirstOrderSection f = Realise(elements, FirstOrderSection{});
        const CircuitResponse r = RealiseCircuit(elements, Section{});
        const auto& p = r.section;
        const double pp[5] = {p.den1, p.den0, p.num2, p.num1, p.num0};
        double worst = 0;
        for (const testing::AcPoint& point :
             testing::SimulateAc(drawn, 10, 1e5, 20, SinglePoleOpAmp(1e12))) {
            const double w = 2 * 3.141592653589793 * point.hz;
            const std::complex<double> s(0, w);
            const std::complex<double> h =
                elements.index < 0 ? testing::FirstOrder(f.p0, f.p1, f.p2, w)
                                   : testing::SecondOrder(pp, w) * (s + r.zero) / (s + r.pole);
            worst = std::max(worst, std::abs(20 * std::log10(std::abs(point.v) / std::abs(h))));
        }
        EXPECT_LT(worst, 0.01);
    }
}

}  // namespace
}  // namespace vorna::verify
