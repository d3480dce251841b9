// Second-order low-pass and high-pass sections without zeros: multiple feedback (e = 9)
// and unity-gain Sallen-Key (e = 4). Both set the section's Q by the ratio m = e * Q^2 of
// two equal-kind elements.

#include <cmath>

#include "circuit/CandidateStep.h"
#include "circuit/EngValue.h"
#include "circuit/InitialValueTables.h"
#include "circuit/SectionRoutines.h"
#include "platform/CLocale.h"

namespace vorna {

namespace {

constexpr int kMultipleFeedback = 9;

std::string Eng(double value) {
    return FormatEngValue(value);
}

}  // namespace

void SynthesizeLowPassSection(SynthesisContext& ctx, int i, int e) {
    ctx.out.ResetToDefaultSeries();
    Section& section = ctx.SectionAt(i);
    const int n = ctx.SectionNumber(i);
    const double w0 = std::sqrt(section[1]);
    const double q = w0 / section[0];
    const double m = e * q * q;
    const bool feedback = e == kMultipleFeedback;
    const double c1Start =
        InitialTableValue(feedback ? kTableLP1 : kTableLP2, w0, q, ctx.rangeLabel);

    // Values: [0] C2 (walked downward), [1] C1 = m * C2, [2] R1, [3] R2 = R1.
    CandidateStep step;
    step.dialogId = 720;
    step.section = n;
    step.slotA = 2;
    step.slotB = 1;
    step.derivedSlots = {0, 3, -1};
    step.deviationSlots = {2, 3};
    step.roundedSlots = {2, 3};
    step.restartSlot = 1;
    step.evaluate = [w0, m](double c2, std::vector<double>& v) {
        v[0] = c2;
        v[1] = m * c2;
        v[2] = 1 / (c2 * w0 * std::sqrt(m));
        v[3] = v[2];
    };
    step.restartFromA = [w0, m](double r1) { return std::sqrt(m) / (r1 * w0); };
    step.restartFromB = [](double c1) { return c1; };
    DescendingRatioWalk walk(m);
    const StepResult chosen = RunCandidateStep(ctx, step, walk, c1Start);
    const double c2 = chosen.values[0], c1 = chosen.values[1], r1 = chosen.values[2],
                 r2 = chosen.values[3];

    section[0] = feedback ? (2 * r2 + r1) / (r1 * r2 * c1) : (r1 + r2) / (r1 * r2 * c1);
    section[4] = 1 / (r1 * r2 * c1 * c2);
    section[1] = section[4];

    const double dev = 100 * chosen.deviation;
    ctx.Write(Format(feedback ? "%2d (LP1)%s C1_%-d = %-9s  C2_%-d = %-9s\n"
                              : "%2d (LP2)%s C1_%-d = %-9s  C2_%-d = %-9s\n",
                     n, ctx.rangeLabel.c_str(), n, Eng(c1).c_str(), n, Eng(c2).c_str()));
    if (feedback) {
        ctx.Write(Format("   R1_%-d = R3_%-d = %-9s  R2_%-d = %-9s  誤差 = %.2lf %%\n", n, n,
                         Eng(r1).c_str(), n, Eng(r2).c_str(), dev));
    } else {
        ctx.Write(Format("  R1_%-d = %-9s  R2_%-d = %-9s  誤差 = %.2lf %%\n", n, Eng(r1).c_str(), n,
                         Eng(r2).c_str(), dev));
    }
    ctx.SetValue("R1_%-d", n, r1);
    ctx.SetValue("R2_%-d", n, r2);
    if (feedback) ctx.SetValue("R3_%-d", n, r1);
    ctx.SetValue("C1_%-d", n, c1);
    ctx.SetValue("C2_%-d", n, c2);
}

void SynthesizeHighPassSection(SynthesisContext& ctx, int i, int e) {
    ctx.out.ResetToDefaultSeries();
    Section& section = ctx.SectionAt(i);
    const int n = ctx.SectionNumber(i);
    const double w0 = std::sqrt(section[1]);
    const double q = w0 / section[0];
    const double m = e * q * q;
    const bool feedback = e == kMultipleFeedback;
    const double cStart =
        InitialTableValue(feedback ? kTableHP1 : kTableHP2, w0, q, ctx.rangeLabel);
    const double r1Start = 1 / (cStart * w0 * std::sqrt(m));

    // Values: [0] R1 (walked), [1] R2 = m * R1, [2] C = C1 = C2 (= C3).
    // The deviation figure covers both derived elements, and rounding sets both to series
    // values (all capacitors to the same one).
    CandidateStep step;
    step.dialogId = 720;
    step.section = n;
    step.slotA = 0;
    step.slotB = 2;
    step.derivedSlots = {2, 1, -1};
    step.deviationSlots = {2, 1};
    step.roundedSlots = {2, 1};
    step.evaluate = [w0, m](double r1, std::vector<double>& v) {
        v[0] = r1;
        v[1] = m * r1;
        v[2] = 1 / (r1 * w0 * std::sqrt(m));
    };
    step.restartFromA = [](double r1) { return r1; };
    // A typed C gives the R1 whose candidate shows that C again: R1 = 1/(C w0 sqrt(m)).
    // (sqrt(m)/(C w0), the low-pass relation, would show C/m instead of the typed value.)
    step.restartFromB = [w0, m](double c) { return 1 / (c * w0 * std::sqrt(m)); };
    BoundedRepeatWalk walk(m);
    const StepResult chosen = RunCandidateStep(ctx, step, walk, r1Start);
    const double r1 = chosen.values[0], r2 = chosen.values[1], c = chosen.values[2];

    section[0] = feedback ? (2 * c + c) / (c * c * r2) : (c + c) / (c * c * r2);
    section[2] = 1;
    section[1] = 1 / (r1 * r2 * c * c);

    const double dev = 100 * chosen.deviation;
    ctx.Write(Format(feedback ? "%2d (HP1)%s R1_%-d = %-9s  R2_%-d = %-9s\n"
                              : "%2d (HP2)%s R1_%-d = %-9s  R2_%-d = %-9s\n",
                     n, ctx.rangeLabel.c_str(), n, Eng(r1).c_str(), n, Eng(r2).c_str()));
    if (feedback) {
        ctx.Write(Format("   C1_%-d = C3_%-d = %-9s  C2_%-d = %-9s  誤差 = %.2lf %%\n", n, n,
                         Eng(c).c_str(), n, Eng(c).c_str(), dev));
    } else {
        ctx.Write(Format("   C1_%-d = %-9s  C2_%-d = %-9s  誤差 = %.2lf %%\n", n, Eng(c).c_str(), n,
                         Eng(c).c_str(), dev));
    }
    ctx.SetValue("R1_%-d", n, r1);
    ctx.SetValue("R2_%-d", n, r2);
    ctx.SetValue("C1_%-d", n, c);
    ctx.SetValue("C2_%-d", n, c);
    if (feedback) ctx.SetValue("C3_%-d", n, c);
}

}  // namespace vorna
