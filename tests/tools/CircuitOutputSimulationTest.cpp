// From a real design to a simulated circuit: the design's sections are realised by the
// synthesis of a basic circuit (the first candidate accepted in every dialog), the values go
// into the generated reference schematic through the circuit output's line model, and the
// written schematic, simulated with ngspice, must show the realised transfer function.
//
// The schematic's value texts carry three significant digits, so the comparison puts the
// settled values back at full precision (after checking that each written text is that
// value's text): what is compared is the drawing, the names and the synthesis's equations.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>

#include "app/SynthesisInputs.h"
#include "circuit/EngValue.h"
#include "circuit/Synthesis.h"
#include "design/DesignFixture.h"
#include "dialogs/Dialog.h"
#include "output/CircuitOutput.h"
#include "output/SchematicLines.h"
#include "platform/CLocale.h"
#include "platform/Ui.h"
#include "schematic/AscFile.h"
#include "support/AcceptingUi.h"
#include "tools/AcSimulation.h"
#include "topology/Circuits.h"
#include "view/DesignView.h"

namespace vorna::testing {
namespace {

struct OutputCase {
    const char* name;
    DesignCase design;
    int circuit;
};

class CircuitOutputSimulation : public ::testing::TestWithParam<OutputCase> {};

TEST_P(CircuitOutputSimulation, WrittenSchematicShowsTheRealisedResponse) {
    const OutputCase& c = GetParam();
    Design design = MakeDesign(c.design);
    DesignView view(design.doc);
    static_cast<DesignResults&>(view) = design.results;
    const BasicCircuit& circuit = kBasicCircuits[static_cast<std::size_t>(c.circuit)];

    CircuitOutput out;
    char journal[] = "/tmp/vorna-journal-XXXXXX";
    const int fd = mkstemp(journal);
    ASSERT_GE(fd, 0);
    close(fd);
    out.journal.Open(journal);
    const std::string file = installation::ReferenceFileName(circuit, view.resultOrder);
    std::string bytes;
    ASSERT_TRUE(installation::ReadFileBytes(SysFolder() + file, &bytes)) << file;
    out.outputMode = OutputMode::SchematicAndJournal;
    out.lines = SplitSchematicLines(bytes);
    out.replaceOpAmp = false;
    out.ClassifySchematicLines();

    AcceptingUi ui;
    SynthesizeBasicCircuit(circuit, SynthesisInputOf(design.doc), view, out, out.Chooser(ui), ui);
    out.journal.Close();
    std::remove(journal);
    ASSERT_FALSE(out.synthesisFailed);
    ASSERT_TRUE(ui.messages.empty()) << ui.messages.front();
    EXPECT_GT(ui.dialogs, 0);

    std::string written;
    for (const SchematicLine& line : out.lines) written += line.text;
    std::vector<std::string> problems;
    installation::Schematic schematic =
        installation::ParseAsc(installation::AscLines(written, &problems), &problems);
    ASSERT_TRUE(problems.empty()) << problems.front();
    ASSERT_FALSE(out.elementValues.empty());
    for (const ElementValue& element : out.elementValues) {
        for (installation::Symbol& symbol : schematic.symbols) {
            if (symbol.instName != element.name) continue;
            EXPECT_EQ(symbol.value, FormatCompactValue(element.value)) << element.name;
        }
    }

    double sign = 1;
    for (SectionCircuit section : installation::SectionSequence(circuit, view.resultOrder))
        if (installation::Traits(section).inverting) sign = -sign;
    const bool firstOrder =
        view.resultOddOrder == 1 && (design.doc.kind == kLowPass || design.doc.kind == kHighPass);
    auto realised = [&](double w) {
        std::complex<double> h = sign;
        if (firstOrder) h *= FirstOrder(view.p0, view.p1, view.p2, w);
        for (int i = 0; i <= view.sectionLast; ++i) {
            const Section& s = view.sections[static_cast<size_t>(i)];
            const double p[5] = {s.den1, s.den0, s.num2, s.num1, s.num0};
            h *= SecondOrder(p, w);
        }
        return h;
    };
    const double fc = view.fc;
    EXPECT_GT(
        ExpectSameResponse(SimulateAc(schematic, fc / std::sqrt(1000.0), fc * std::sqrt(1000.0)),
                           realised, c.name),
        0);
}

DesignCase Case(int kind, int approximation, int order, double xs = 1.5) {
    DesignCase d;
    d.kind = kind;
    d.approximation = approximation;
    d.order = order;
    d.xs = xs;
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    EverySectionType, CircuitOutputSimulation,
    ::testing::Values(OutputCase{"LP1_butterworth_3", Case(kLowPass, kButterworth, 3), 0},
                      OutputCase{"LP2_chebyshev_4", Case(kLowPass, kChebyshev, 4), 1},
                      OutputCase{"LP3_elliptic_5", Case(kLowPass, kElliptic, 5), 2},
                      OutputCase{"LP4_inverse_chebyshev_4", Case(kLowPass, kInverseChebyshev, 4),
                                 3},
                      OutputCase{"HP1_butterworth_3", Case(kHighPass, kButterworth, 3), 4},
                      OutputCase{"HP2_chebyshev_4", Case(kHighPass, kChebyshev, 4), 5},
                      OutputCase{"HP4_elliptic_4", Case(kHighPass, kElliptic, 4), 7},
                      OutputCase{"BP1_butterworth_2", Case(kBandPass, kButterworth, 2), 8},
                      OutputCase{"BP2_butterworth_3", Case(kBandPass, kButterworth, 3), 9},
                      OutputCase{"BP3_elliptic_3", Case(kBandPass, kElliptic, 3), 10},
                      OutputCase{"BE2_elliptic_4", Case(kBandEliminate, kElliptic, 4), 13}),
    [](const ::testing::TestParamInfo<OutputCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorna::testing
