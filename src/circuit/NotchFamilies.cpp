// The notch circuit families for sections with zeros on the imaginary axis. lpet1 is a
// state-variable section with a summing output; lpet2 sets its zero frequency with its own
// integrators and moves its poles with an extra R2/C2 pair. Both step over their circuit
// models.

#include "circuit/CandidateStep.h"
#include "circuit/EngValue.h"
#include "circuit/InitialValueTables.h"
#include "circuit/SectionRoutines.h"
#include "circuit/TimeConstantStep.h"
#include "circuit/models/NotchModel.h"
#include "design/Approximations.h"
#include "platform/CLocale.h"
#include "text/Texts.h"

namespace vorna {

namespace {

std::string Eng(double value) {
    return FormatEngValue(value);
}

// Whether section i starts from the low-pass table: only in the low-pass reference mode,
// for low-pass variants and for the one band section that the transformation centres.
bool UsesLowPassTable(const SynthesisContext& ctx, FilterKind variant, int i) {
    const int odd = ctx.results.resultOddOrder;
    if (ctx.design.referenceMode != 0) return false;
    return variant == FilterKind::LowPass || (variant == FilterKind::BandPass && i == odd) ||
           (variant == FilterKind::BandEliminate && (1 - odd) + i == 2);
}

// Capacitor scale of lpet1 band-eliminate sections: the decade of the band ratio for
// all-pole designs, at most 1000.
double BandRatioScale(const SynthesisInput& design) {
    if (HasFiniteZeros(design.approximation)) return 1;
    double ratio = design.fp2 / design.fp1;
    double scale = 1;
    while (scale < 1000 && ratio / 10 >= 1) {
        ratio /= 10;
        scale *= 10;
    }
    return scale;
}

double StateVariableNotchScale(const SynthesisContext& ctx, FilterKind variant, int i) {
    const int odd = ctx.results.resultOddOrder;
    if (variant == FilterKind::BandPass) return (odd + i) % 2 == 1 ? 10 : 1;
    if (variant == FilterKind::BandEliminate) {
        const int r = (1 - odd) + i;
        return ((r + 1) % 2 == 0 || i < 1) ? BandRatioScale(ctx.design) : 10;
    }
    return 1;
}

double IntegratorNotchScale(const SynthesisContext& ctx, FilterKind variant, int i) {
    const int odd = ctx.results.resultOddOrder;
    if (variant == FilterKind::BandPass) return (odd + i) % 2 == 0 ? 10 : 100;
    if (variant == FilterKind::BandEliminate)
        return (((1 - odd) + i + 1) % 2 == 1 && i > 0) ? 10 : 1;
    return 1;
}

}  // namespace

bool SynthesizeStateVariableNotch(SynthesisContext& ctx, FilterKind variant, int i) {
    Section& section = ctx.SectionAt(i);
    const int n = ctx.SectionNumber(i);
    const StateVariableNotch model(section);
    if (!model.Realisable()) return ctx.Unrealisable("lpet1", i);

    // Step A, the two integrators. Values: [0] Cb (walked), [1] Rb.
    ctx.run.ResetToDefaultSeries();
    const double cbStart = ctx.StartCapacitor(
        StateVariableNotchScale(ctx, variant, i) *
        ctx.InitialValue(UsesLowPassTable(ctx, variant, i) ? kTableLP3 : kTableHP3, model.w0,
                         model.q));
    const StepResult a = RunTimeConstantStep(ctx, 731, n, model.w0, cbStart);
    const double cb = a.values[0], rb = a.values[1];
    ctx.Write(Format(Text(TextId::JournalStateVariableNotchTwinT), n, ctx.RangeLabel().c_str(), n,
                     Eng(rb).c_str(), n, Eng(cb).c_str(), 100 * a.deviation));
    ctx.BeginSection(SectionCircuit::StateVariableNotch, n, i);
    ctx.Settle({{"Rb1", rb}, {"Rb2", rb}, {"Cb1", cb}, {"Cb2", cb}});

    // Step B, the resistors, in the series step A left. Values: [0] R4 (walked), [1] R1,
    // [2] R2, [3] R3. A typed R1 sets R4 through the Q equation; rounding sets R1, R2 and R3
    // to series values.
    CandidateStep resistors;
    resistors.dialogId = 730;
    resistors.section = n;
    resistors.slotA = 1;
    resistors.derivedSlots = {2, 3, 0};
    resistors.deviationSlots = {1, 2, 3};
    resistors.roundedSlots = {1, 2, 3};
    resistors.evaluate = [&model](double r4, StepValues& x) {
        const auto values = model.FromR4(r4);
        x = {values.r4, values.r1, values.r2, values.r3};
    };
    resistors.restartFromA = [&model](double r1) { return model.R4FromR1(r1); };
    SeriesWalk resistorWalk;
    const StepResult b = RunCandidateStep(ctx, resistors, resistorWalk, 10000);
    const auto [r4, r1, r2, r3] = b.values;

    section = RealiseStateVariableNotch(rb, cb, r1, r2, r3, r4, section);
    ctx.Write(Format(Text(TextId::JournalStateVariableNotchResistors), n, n, Eng(r1).c_str(), n,
                     Eng(r2).c_str(), n, Eng(r3).c_str(), n, Eng(r4).c_str(), 100 * b.deviation));
    ctx.Settle({{"R1", r1},
                {"R2", r2},
                {"R3", r3},
                {"R41", r4},
                {"R42", r4},
                {"R43", r4},
                {"R44", r4},
                {"R45", r4}});
    ctx.FinishSection();
    return true;
}

bool SynthesizeIntegratorNotch(SynthesisContext& ctx, FilterKind variant, int i) {
    Section& section = ctx.SectionAt(i);
    const int n = ctx.SectionNumber(i);
    const IntegratorNotch model(section);
    if (!model.Realisable()) return ctx.Unrealisable("lpet2", i);

    // Step A, the zero integrators. Values: [0] Cb (walked), [1] Rb, [2] C1 = 2 Cb,
    // [3] R1 = Rb / 2. One pass shows N + 1 candidates.
    ctx.run.ResetToDefaultSeries();
    const double cbStart = ctx.StartCapacitor(
        IntegratorNotchScale(ctx, variant, i) *
        ctx.InitialValue(UsesLowPassTable(ctx, variant, i) ? kTableLP4 : kTableHP4, model.wz,
                         model.q));
    CandidateStep integrators;
    integrators.dialogId = 732;
    integrators.section = n;
    integrators.slotA = 1;
    integrators.slotB = 0;
    integrators.derivedSlots = {2, 3, -1};
    integrators.deviationSlots = {1, 2, 3};
    integrators.roundedSlots = {1};
    integrators.evaluate = [&model](double cb, StepValues& x) {
        const auto values = model.FromCb(cb);
        x = {values.cb, values.rb, values.c1, values.r1};
    };
    integrators.restartFromA = [&model](double rb) { return model.CbFromRb(rb); };
    integrators.restartFromB = [](double cb) { return cb; };
    SeriesWalk integratorWalk(true);
    const StepResult a = RunCandidateStep(ctx, integrators, integratorWalk, cbStart);
    const auto [cb, rb, c1, r1] = a.values;
    ctx.Write(Format(Text(TextId::JournalIntegratorNotchTwinT), n, ctx.RangeLabel().c_str(), n,
                     Eng(rb).c_str(), n, Eng(cb).c_str(), n, Eng(r1).c_str(), n, Eng(c1).c_str(),
                     100 * a.deviation));
    ctx.BeginSection(SectionCircuit::IntegratorNotch, n, i);
    ctx.Settle({{"Rb1", rb}, {"Cb1", cb}, {"Rb2", rb}, {"Cb2", cb}, {"R1", r1}, {"C1", c1}});

    // Step B, the pole shift by R2/C2, the stepped one kept beyond the bound x.
    ctx.run.ResetToDefaultSeries();
    const bool zerosAbovePoles = model.ZerosAbovePoles();
    const double x = model.Bound();
    auto c2FromR2 = [&model, rb, cb](double r2) { return model.C2FromR2(rb, cb, r2); };
    auto r2FromC2 = [&model, rb, cb](double c2) { return model.R2FromC2(rb, cb, c2); };
    CandidateStep shift;
    shift.section = n;
    shift.deviationSlots = {1};
    shift.roundedSlots = {1};
    if (zerosAbovePoles) {
        // Values: [0] C2 (walked upward), [1] R2.
        shift.dialogId = 733;
        shift.slotA = 1;
        shift.slotB = 0;
        shift.evaluate = [=](double c2, StepValues& y) { y = {c2, r2FromC2(c2), 0, 0}; };
        shift.restartFromA = c2FromR2;
        shift.restartFromB = [](double c2) { return c2; };
        shift.bound = x * cb / 2;
    } else {
        // Values: [0] R2 (walked downward), [1] C2.
        shift.dialogId = 734;
        shift.slotA = 0;
        shift.slotB = 1;
        shift.evaluate = [=](double r2, StepValues& y) { y = {r2, c2FromR2(r2), 0, 0}; };
        shift.restartFromA = [](double r2) { return r2; };
        shift.restartFromB = r2FromC2;
        shift.bound = 2 * rb / x;
    }
    FilteredDecadeWalk shiftWalk(
        zerosAbovePoles ? FilteredDecadeWalk::Direction::Up : FilteredDecadeWalk::Direction::Down,
        [=](double walked) { return (zerosAbovePoles ? 2 * walked / cb : 2 * rb / walked) > x; });
    const StepResult b = RunCandidateStep(ctx, shift, shiftWalk, shift.bound);
    if (!b.accepted) return ctx.Unrealisable("lpet2", i);
    const double c2 = zerosAbovePoles ? b.values[0] : b.values[1];
    const double r2 = zerosAbovePoles ? b.values[1] : b.values[0];
    const double d2 = 2 * c2 / cb;
    const double d3 = 2 * rb / r2;
    const double d1 = model.D1(d2, d3);
    ctx.Write(Format(Text(TextId::JournalIntegratorNotchR2C2), n, n, Eng(r2).c_str(), n,
                     Eng(c2).c_str(), 100 * b.deviation));
    ctx.Settle({{"R2", r2}, {"C2", c2}});

    // Steps C and D, the gain pairs. Values: [0] the walked resistor, [1] the derived one.
    auto runGainPair = [&](int dialogId, double factor) {
        ctx.run.ResetToDefaultSeries();
        CandidateStep pair;
        pair.dialogId = dialogId;
        pair.section = n;
        pair.slotA = 1;
        pair.slotB = 0;
        pair.deviationSlots = {1};
        pair.roundedSlots = {1};
        pair.evaluate = [factor](double walked, StepValues& y) {
            y = {walked, factor * walked, 0, 0};
        };
        pair.restartFromA = [factor](double derived) { return derived / factor; };
        pair.restartFromB = [](double walked) { return walked; };
        SeriesWalk walk;
        return RunCandidateStep(ctx, pair, walk, 10000);
    };
    const StepResult c = runGainPair(735, IntegratorNotch::R3Factor(d1));
    const double r5 = c.values[0], r3 = c.values[1];
    ctx.Write(Format(Text(TextId::JournalIntegratorNotchR3R5), n, n, Eng(r3).c_str(), n,
                     Eng(r5).c_str(), 100 * c.deviation));
    ctx.Settle({{"R3", r3}, {"R5", r5}});

    const StepResult d = runGainPair(736, model.R4Factor(d1, d2));
    const double r6 = d.values[0], r4 = d.values[1];
    ctx.Write(Format(Text(TextId::JournalIntegratorNotchR4R6), n, n, Eng(r4).c_str(), n,
                     Eng(r6).c_str(), 100 * d.deviation));
    ctx.Settle({{"R4", r4}, {"R6", r6}});

    section = RealiseIntegratorNotch(rb, cb, r2, c2, r3, r4, r5, r6, section);
    ctx.FinishSection();
    return true;
}

}  // namespace vorna
