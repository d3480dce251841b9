#include "circuit/SynthesisFixture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/SynthesisInputs.h"
#include "circuit/Synthesis.h"
#include "platform/ShiftJisText.h"

namespace vorna::testing {

Section MakeSection(double w0, double q, double s2, double s1, double s0) {
    return {w0 / q, w0 * w0, s2, s1, s0};
}

SynthesisRun::SynthesisRun() {
    char path[] = "/tmp/vorna-journal-XXXXXX";
    const int fd = mkstemp(path);
    if (fd >= 0) close(fd);
    journalPath = path;
    out.journal.Open(journalPath);
}

SynthesisRun::~SynthesisRun() {
    std::remove(journalPath.c_str());
}

void SynthesisRun::Butterworth(int kind, int order, double fc) {
    doc.kind = kind;
    doc.approximation = kButterworth;
    const double wc = Omega(fc);
    view.resultOrder = order;
    view.resultOddOrder = order % 2;
    view.sectionLast = order / 2 - 1;
    const bool lowPass = kind == kLowPass;
    view.sections.assign(static_cast<std::size_t>(order / 2), Section{});
    view.p0 = wc;
    view.p1 = lowPass ? 0 : 1;
    view.p2 = lowPass ? wc : 0;
    for (int k = 0; k < order / 2; ++k) {
        const double theta = 3.141592653589793 * (2 * k + 1) / (2.0 * order);
        const double q = 1 / (2 * std::sin(theta));
        view.sections[static_cast<std::size_t>(k)] =
            lowPass ? MakeSection(wc, q, 0, 0, wc * wc) : MakeSection(wc, q, 1, 0, 0);
    }
}

void SynthesisRun::BandSections(int kind, std::initializer_list<Section> sections, int oddOrder) {
    doc.kind = kind;
    view.resultOddOrder = oddOrder;
    view.sectionLast = static_cast<int>(sections.size()) - 1;
    view.sections = sections;
}

void SynthesisRun::Run(int circuit) {
    SynthesizeBasicCircuit(kBasicCircuits[static_cast<std::size_t>(circuit)], SynthesisInputOf(doc),
                           view, out, out.Chooser(ui), ui);
    out.journal.Close();
    ui.VerifyDone();
}

std::string SynthesisRun::JournalBytes() const {
    std::ifstream in(journalPath, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string SynthesisRun::ShiftJis(const std::string& utf8) {
    return Utf8ToShiftJis(utf8);
}

double SynthesisRun::Value(const std::string& name) const {
    double value = std::nan("");
    for (const auto& element : out.elementValues) {
        if (element.name == name) value = element.value;
    }
    return value;
}

}  // namespace vorna::testing
