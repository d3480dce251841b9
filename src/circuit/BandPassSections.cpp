// Band-pass sections without zeros: the multiple-feedback circuit (bpat1) and the
// dual-amplifier circuit with a gain stage (bpat2), stepped over their circuit models.

#include "circuit/CandidateStep.h"
#include "circuit/EngValue.h"
#include "circuit/InitialValueTables.h"
#include "circuit/SectionRoutines.h"
#include "circuit/models/BandPassModel.h"
#include "platform/CLocale.h"
#include "text/Texts.h"

namespace vorna {

namespace {

std::string Eng(double value) {
    return FormatEngValue(value);
}

}  // namespace

bool SynthesizeMultipleFeedbackBandPass(SynthesisContext& ctx, int i) {
    ctx.run.ResetToDefaultSeries();
    Section& section = ctx.SectionAt(i);
    const int n = ctx.SectionNumber(i);
    const MultipleFeedbackBandPass model{BandPassShape(section)};
    if (!model.Realisable()) return ctx.Unrealisable("bpat1", i);
    const double cStart =
        ctx.StartCapacitor(ctx.InitialValue(kTableBP1, model.shape.w0, model.shape.q));

    // Values: [0] R1 (walked), [1] C = C1 = C2, [2] R2, [3] R3.
    CandidateStep step;
    step.dialogId = 740;
    step.section = n;
    step.slotA = 0;
    step.slotB = 1;
    step.derivedSlots = {2, 3, -1};
    step.deviationSlots = {1, 2, 3};
    step.roundedSlots = {1, 2, 3};
    step.evaluate = [&model](double r1, StepValues& v) {
        const auto values = model.FromR1(r1);
        v = {values.r1, values.c, values.r2, values.r3};
    };
    step.restartFromA = [](double r1) { return r1; };
    step.restartFromB = [&model](double c) { return model.R1FromC(c); };
    SeriesWalk walk;
    const StepResult chosen = RunCandidateStep(ctx, step, walk, model.R1FromC(cStart));
    const auto [r1, c, r2, r3] = chosen.values;

    section = RealiseMultipleFeedbackBandPass(r1, r2, r3, c, section);

    ctx.Write(Format(Text(TextId::JournalMultipleFeedbackBandPass), n, ctx.RangeLabel().c_str(), n,
                     Eng(r1).c_str(), n, Eng(c).c_str(), n, Eng(r2).c_str(), n, Eng(r3).c_str(),
                     100 * chosen.deviation));
    ctx.BeginSection(SectionCircuit::MultipleFeedbackBandPass, n, i);
    ctx.Settle({{"R1", r1}, {"C1", c}, {"C2", c}, {"R2", r2}, {"R3", r3}});
    ctx.FinishSection();
    return true;
}

bool SynthesizeDualAmplifierBandPass(SynthesisContext& ctx, int i) {
    Section& section = ctx.SectionAt(i);
    const int n = ctx.SectionNumber(i);
    const DualAmplifierBandPass model{BandPassShape(section)};
    if (!model.Realisable()) return ctx.Unrealisable("bpat2", i);
    ctx.run.ResetToDefaultSeries();
    double c = 10 * ctx.InitialValue(kTableBP2, model.shape.w0, model.shape.q);
    if (ctx.design.fp1 < 1) c *= 10;
    c = ctx.StartCapacitor(c);
    double r1Start = 2 / (c * model.shape.p0);
    if ((ctx.results.resultOddOrder + i) % 2 == 1 && i > 0 && !(ctx.design.startCapacitor > 0))
        r1Start = 10000;

    // Values: [0] R1 = R11 = R12 (walked), [1] C = C1 = C2, [2] R2 = R21 = R22.
    CandidateStep pair;
    pair.dialogId = 741;
    pair.section = n;
    pair.slotA = 0;
    pair.slotB = 1;
    pair.derivedSlots = {2, -1, -1};
    pair.deviationSlots = {1, 2};
    pair.roundedSlots = {1, 2};
    pair.evaluate = [&model](double r1, StepValues& v) {
        const auto values = model.FromR1(r1);
        v = {values.r1, values.c, values.r2, 0};
    };
    pair.restartFromA = [](double r1) { return r1; };
    pair.restartFromB = [&model](double cTyped) { return model.R1FromC(cTyped); };
    SeriesWalk pairWalk;
    const StepResult chosen = RunCandidateStep(ctx, pair, pairWalk, r1Start);
    const double r1 = chosen.values[0], cChosen = chosen.values[1], r2 = chosen.values[2];
    ctx.Write(Format(Text(TextId::JournalDualAmplifierBandPass), n, ctx.RangeLabel().c_str(), n,
                     Eng(r1).c_str(), n, Eng(cChosen).c_str(), n, Eng(r2).c_str(),
                     100 * chosen.deviation));
    ctx.BeginSection(SectionCircuit::DualAmplifierBandPass, n, i);
    ctx.Settle(
        {{"R11", r1}, {"R12", r1}, {"R21", r2}, {"R22", r2}, {"C1", cChosen}, {"C2", cChosen}});

    // Gain stage, in the series the first step left. Values: [0] R4 (walked), [1] R3.
    CandidateStep gain;
    gain.dialogId = 742;
    gain.section = n;
    gain.slotA = 0;
    gain.derivedSlots = {1, -1, -1};
    gain.deviationSlots = {1};
    gain.roundedSlots = {1};
    gain.evaluate = [&model](double r4, StepValues& v) { v = {r4, model.R3FromR4(r4), 0, 0}; };
    gain.restartFromA = [](double r4) { return r4; };
    SeriesWalk gainWalk;
    const StepResult stage = RunCandidateStep(ctx, gain, gainWalk, 10000);
    const double r4 = stage.values[0];
    const double r3 = stage.values[1];

    section = RealiseDualAmplifierBandPass(r1, r2, cChosen, r3, r4, section);
    const double r3Drawn = GainStageR3(r3);
    ctx.Write(Format(Text(TextId::JournalGainStageR3R4), n, n, Eng(r3Drawn).c_str(), n,
                     Eng(r4).c_str(), 100 * stage.deviation));
    ctx.Settle({{"R3", r3Drawn}, {"R4", r4}});
    ctx.FinishSection();
    return true;
}

}  // namespace vorna
