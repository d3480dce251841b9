// Band-pass sections without zeros: the multiple-feedback circuit (bpat1) and the
// dual-amplifier circuit with a gain stage (bpat2).

#include <cmath>

#include "circuit/CandidateStep.h"
#include "circuit/EngValue.h"
#include "circuit/InitialValueTables.h"
#include "circuit/SectionRoutines.h"
#include "platform/CLocale.h"

namespace vorna {

namespace {

std::string Eng(double value) {
    return FormatEngValue(value);
}

}  // namespace

int Bpat1(SynthesisContext& ctx, int i) {
    ctx.out.ResetToDefaultSeries();
    Section& section = ctx.SectionAt(i);
    const int n = ctx.SectionNumber(i);
    const double w0 = std::sqrt(section[1]);
    const double q = w0 / section[0];
    const double h = section[3] / section[0];
    if (!(q > std::sqrt(h / 2))) return ctx.Unrealisable("bpat1", i);
    const double d = q / (h * w0);
    const double cStart = InitialTableValue(kTableBP1, w0, q, ctx.rangeLabel);

    // Values: [0] R1 (walked), [1] C = C1 = C2, [2] R2, [3] R3.
    CandidateStep step;
    step.dialogId = 740;
    step.section = n;
    step.slotA = 0;
    step.slotB = 1;
    step.derivedSlots = {2, 3, -1};
    step.deviationSlots = {1, 2, 3};
    step.roundedSlots = {1, 2, 3};
    step.evaluate = [d, h, q](double r1, std::vector<double>& v) {
        v[0] = r1;
        v[1] = d / r1;
        v[2] = h * r1 / (2 * q * q - h);
        v[3] = 2 * h * r1;
    };
    step.restartFromA = [](double r1) { return r1; };
    step.restartFromB = [d](double c) { return d / c; };
    SeriesWalk walk;
    const StepResult chosen = RunCandidateStep(ctx, step, walk, d / cStart);
    const double r1 = chosen.values[0], c = chosen.values[1], r2 = chosen.values[2],
                 r3 = chosen.values[3];

    section[0] = 2 / (c * r3);
    section[1] = (r1 + r2) / (r1 * r2 * r3 * c * c);
    section[3] = (r3 / (2 * r1)) * section[0];

    ctx.Write(Format(
        "%2d(BP1)%s R1_%-d = %-9s C1_%-d = %-9s R2_%-d = %-9s R3_%-d = %-9s  誤差=%.2lf %%\n", n,
        ctx.rangeLabel.c_str(), n, Eng(r1).c_str(), n, Eng(c).c_str(), n, Eng(r2).c_str(), n,
        Eng(r3).c_str(), 100 * chosen.deviation));
    ctx.SetValue("R1_%-d", n, r1);
    ctx.SetValue("C1_%-d", n, c);
    ctx.SetValue("C2_%-d", n, c);
    ctx.SetValue("R2_%-d", n, r2);
    ctx.SetValue("R3_%-d", n, r3);
    return 0;
}

int Bpat2(SynthesisContext& ctx, int i) {
    Section& section = ctx.SectionAt(i);
    const int n = ctx.SectionNumber(i);
    const double w0 = std::sqrt(section[1]);
    const double q = w0 / section[0];
    const double h = section[3] / section[0];
    if (!(h >= 1)) return ctx.Unrealisable("bpat2", i);
    ctx.out.ResetToDefaultSeries();
    const double p0 = section[0];
    double c = 10 * InitialTableValue(kTableBP2, w0, q, ctx.rangeLabel);
    if (ctx.doc.fp1 < 1) c *= 10;
    double r1Start = 2 / (c * p0);
    if ((ctx.view.resultOddOrder + i) % 2 == 1 && i > 0) r1Start = 10000;

    // Values: [0] R1 = R11 = R12 (walked), [1] C = C1 = C2, [2] R2 = R21 = R22.
    CandidateStep pair;
    pair.dialogId = 741;
    pair.section = n;
    pair.slotA = 0;
    pair.slotB = 1;
    pair.derivedSlots = {2, -1, -1};
    pair.deviationSlots = {1, 2};
    pair.roundedSlots = {1, 2};
    pair.evaluate = [p0, q](double r1, std::vector<double>& v) {
        v[0] = r1;
        v[1] = 2 / (r1 * p0);
        v[2] = r1 / (2 * q);
    };
    pair.restartFromA = [](double r1) { return r1; };
    pair.restartFromB = [q, w0](double cTyped) { return 2 * q / (w0 * cTyped); };
    SeriesWalk pairWalk;
    const StepResult chosen = RunCandidateStep(ctx, pair, pairWalk, r1Start);
    const double r1 = chosen.values[0], cChosen = chosen.values[1], r2 = chosen.values[2];
    ctx.Write(Format(
        "%2d(BP2)%s R1_%-d（2 個）= %-9s  C1_%-d(2個)= %-9s  R2_%-d(2個)= %-9s  誤差=%.2lf %%\n", n,
        ctx.rangeLabel.c_str(), n, Eng(r1).c_str(), n, Eng(cChosen).c_str(), n, Eng(r2).c_str(),
        100 * chosen.deviation));
    ctx.SetValue("R11_%-d", n, r1);
    ctx.SetValue("R12_%-d", n, r1);
    ctx.SetValue("R21_%-d", n, r2);
    ctx.SetValue("R22_%-d", n, r2);
    ctx.SetValue("C1_%-d", n, cChosen);
    ctx.SetValue("C2_%-d", n, cChosen);

    // Gain stage, in the series the first step left. Values: [0] R4 (walked), [1] R3.
    CandidateStep gain;
    gain.dialogId = 742;
    gain.section = n;
    gain.slotA = 0;
    gain.derivedSlots = {1, -1, -1};
    gain.deviationSlots = {1};
    gain.roundedSlots = {1};
    gain.evaluate = [h](double r4, std::vector<double>& v) {
        v[0] = r4;
        v[1] = (h - 1) * r4;
    };
    gain.restartFromA = [](double r4) { return r4; };
    SeriesWalk gainWalk;
    const StepResult stage = RunCandidateStep(ctx, gain, gainWalk, 10000);
    const double r4 = stage.values[0];
    double r3 = stage.values[1];

    section[0] = 2 / (cChosen * r1);
    section[1] = 1 / ((cChosen * r2) * (cChosen * r2));
    section[3] = ((r3 + r4) / r4) * section[0];
    // A gain of exactly one needs no R3; the schematic gets a short of 10 mΩ instead.
    if (r3 < 0.1) r3 = 0.01;
    ctx.Write(Format("%2d  R3_%-d = %-9s  R4_%-d = %-9s   誤差 = %.2lf %%\n", n, n, Eng(r3).c_str(),
                     n, Eng(r4).c_str(), 100 * stage.deviation));
    ctx.SetValue("R3_%-d", n, r3);
    ctx.SetValue("R4_%-d", n, r4);
    return 0;
}

}  // namespace vorna
