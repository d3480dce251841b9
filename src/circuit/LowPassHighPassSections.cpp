// Second-order low-pass and high-pass sections without zeros: multiple feedback and
// unity-gain Sallen-Key, stepped over their circuit models.

#include "circuit/CandidateStep.h"
#include "circuit/EngValue.h"
#include "circuit/InitialValueTables.h"
#include "circuit/SectionRoutines.h"
#include "platform/CLocale.h"
#include "text/Texts.h"

namespace vorna {

namespace {

std::string Eng(double value) {
    return FormatEngValue(value);
}

}  // namespace

void SynthesizeLowPassSection(SynthesisContext& ctx, int i, SecondOrderForm form) {
    ctx.run.ResetToDefaultSeries();
    Section& section = ctx.SectionAt(i);
    const int n = ctx.SectionNumber(i);
    const bool feedback = form == SecondOrderForm::MultipleFeedback;
    const SecondOrderModel model(section, form);
    // The walk starts from C1 = m C2.
    const double c1Start = ctx.StartCapacitor(
        ctx.InitialValue(feedback ? kTableLP1 : kTableLP2, model.w0, model.q), model.m);

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
    step.evaluate = [&model](double c2, StepValues& v) {
        const auto values = model.LowPassFromC2(c2);
        v = {values.c2, values.c1, values.r1, values.r2};
    };
    step.restartFromA = [&model](double r1) { return model.LowPassC1FromR1(r1); };
    step.restartFromB = [](double c1) { return c1; };
    DescendingRatioWalk walk(model.m);
    const StepResult chosen = RunCandidateStep(ctx, step, walk, c1Start);
    const auto [c2, c1, r1, r2] = chosen.values;

    section = RealiseLowPass(model.form, r1, r2, c1, c2, section);

    const double dev = 100 * chosen.deviation;
    ctx.Write(Format(feedback ? "%2d (LP1)%s C1_%-d = %-9s  C2_%-d = %-9s\n"
                              : "%2d (LP2)%s C1_%-d = %-9s  C2_%-d = %-9s\n",
                     n, ctx.RangeLabel().c_str(), n, Eng(c1).c_str(), n, Eng(c2).c_str()));
    if (feedback) {
        ctx.Write(Format(Text(TextId::JournalFeedbackResistors), n, n, Eng(r1).c_str(), n,
                         Eng(r2).c_str(), dev));
    } else {
        ctx.Write(
            Format(Text(TextId::JournalResistors), n, Eng(r1).c_str(), n, Eng(r2).c_str(), dev));
    }
    ctx.BeginSection(
        feedback ? SectionCircuit::MultipleFeedbackLowPass : SectionCircuit::SallenKeyLowPass, n,
        i);
    ctx.Settle({{"R1", r1}, {"R2", r2}});
    if (feedback) ctx.Settle({{"R3", r1}});
    ctx.Settle({{"C1", c1}, {"C2", c2}});
    ctx.FinishSection();
}

void SynthesizeHighPassSection(SynthesisContext& ctx, int i, SecondOrderForm form) {
    ctx.run.ResetToDefaultSeries();
    Section& section = ctx.SectionAt(i);
    const int n = ctx.SectionNumber(i);
    const bool feedback = form == SecondOrderForm::MultipleFeedback;
    const SecondOrderModel model(section, form);
    const double cStart =
        ctx.StartCapacitor(ctx.InitialValue(feedback ? kTableHP1 : kTableHP2, model.w0, model.q));

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
    step.evaluate = [&model](double r1, StepValues& v) {
        const auto values = model.HighPassFromR1(r1);
        v = {values.r1, values.r2, values.c, 0};
    };
    step.restartFromA = [](double r1) { return r1; };
    // A typed C gives the R1 whose candidate shows that C again: R1 = 1/(C w0 sqrt(m)).
    // (sqrt(m)/(C w0), the low-pass relation, would show C/m instead of the typed value.)
    step.restartFromB = [&model](double c) { return model.HighPassR1FromC(c); };
    BoundedRepeatWalk walk(model.m);
    const StepResult chosen = RunCandidateStep(ctx, step, walk, model.HighPassR1FromC(cStart));
    const double r1 = chosen.values[0], r2 = chosen.values[1], c = chosen.values[2];

    section = RealiseHighPass(model.form, r1, r2, c, c, section);

    const double dev = 100 * chosen.deviation;
    ctx.Write(Format(feedback ? "%2d (HP1)%s R1_%-d = %-9s  R2_%-d = %-9s\n"
                              : "%2d (HP2)%s R1_%-d = %-9s  R2_%-d = %-9s\n",
                     n, ctx.RangeLabel().c_str(), n, Eng(r1).c_str(), n, Eng(r2).c_str()));
    if (feedback) {
        ctx.Write(Format(Text(TextId::JournalFeedbackCapacitors), n, n, Eng(c).c_str(), n,
                         Eng(c).c_str(), dev));
    } else {
        ctx.Write(
            Format(Text(TextId::JournalCapacitors), n, Eng(c).c_str(), n, Eng(c).c_str(), dev));
    }
    ctx.BeginSection(
        feedback ? SectionCircuit::MultipleFeedbackHighPass : SectionCircuit::SallenKeyHighPass, n,
        i);
    ctx.Settle({{"R1", r1}, {"R2", r2}, {"C1", c}, {"C2", c}});
    if (feedback) ctx.Settle({{"C3", c}});
    ctx.FinishSection();
}

}  // namespace vorna
