// The notch circuit families for sections with zeros on the imaginary axis. lpet1 is a
// state-variable section with a summing output; lpet2 sets its zero frequency with its own
// integrators and moves its poles with an extra R2/C2 pair.

#include <algorithm>
#include <cmath>

#include "circuit/CandidateStep.h"
#include "circuit/EngValue.h"
#include "circuit/InitialValueTables.h"
#include "circuit/SectionRoutines.h"
#include "circuit/TimeConstantStep.h"
#include "platform/CLocale.h"

namespace vorna {

namespace {

std::string Eng(double value) {
    return FormatEngValue(value);
}

// Whether section i starts from the low-pass table: only in the low-pass reference mode,
// for low-pass variants and for the one band section that the transformation centres.
bool UsesLowPassTable(const SynthesisContext& ctx, int v, int i) {
    const int odd = ctx.view.resultOddOrder;
    if (ctx.doc.referenceMode != 0) return false;
    return v == kNotchLP || (v == kNotchBP && i == odd) || (v == kNotchBE && (1 - odd) + i == 2);
}

// Both families need finite poles with positive Q and a pair of zeros at a positive
// frequency.
bool HasNotchShape(const Section& s) {
    return s[0] > 0 && s[1] > 0 && s[2] > 0 && s[4] > 0 && std::isfinite(s[0]) &&
           std::isfinite(s[1]) && std::isfinite(s[2]) && std::isfinite(s[4]);
}

// Capacitor scale of lpet1 band-eliminate sections: the decade of the band ratio for
// Butterworth and Chebyshev designs, at most 1000.
double BandRatioScale(const CKorvelDoc& doc) {
    if (doc.approximation != kButterworth && doc.approximation != kChebyshev) return 1;
    double ratio = doc.fp2 / doc.fp1;
    double scale = 1;
    while (scale < 1000 && ratio / 10 >= 1) {
        ratio /= 10;
        scale *= 10;
    }
    return scale;
}

double Lpet1Scale(const SynthesisContext& ctx, int v, int i) {
    const int odd = ctx.view.resultOddOrder;
    if (v == kNotchBP) return (odd + i) % 2 == 1 ? 10 : 1;
    if (v == kNotchBE) {
        const int r = (1 - odd) + i;
        return ((r + 1) % 2 == 0 || i < 1) ? BandRatioScale(ctx.doc) : 10;
    }
    return 1;
}

double Lpet2Scale(const SynthesisContext& ctx, int v, int i) {
    const int odd = ctx.view.resultOddOrder;
    if (v == kNotchBP) return (odd + i) % 2 == 0 ? 10 : 100;
    if (v == kNotchBE) return (((1 - odd) + i + 1) % 2 == 1 && i > 0) ? 10 : 1;
    return 1;
}

}  // namespace

int Lpet1(SynthesisContext& ctx, int v, int i) {
    Section& section = ctx.SectionAt(i);
    const int n = ctx.SectionNumber(i);
    const double w0 = std::sqrt(section[1]);
    const double q = w0 / section[0];
    if (!HasNotchShape(section) || !(q > 0.3333333333333333)) return ctx.Unrealisable("lpet1", i);
    const double pn1 = section[1], pn2 = section[2], pn4 = section[4];

    // Step A, the two integrators. Values: [0] Cb (walked), [1] Rb.
    ctx.out.ResetToDefaultSeries();
    const double cbStart = Lpet1Scale(ctx, v, i) *
                           InitialTableValue(UsesLowPassTable(ctx, v, i) ? kTableLP3 : kTableHP3,
                                             w0, q, ctx.rangeLabel);
    const StepResult a = RunTimeConstantStep(ctx, 731, n, w0, cbStart);
    const double cb = a.values[0], rb = a.values[1];
    ctx.Write(Format("%2d (et1)%s Rb_%-d(2個)=%-9s Cb_%-d(2個)=%-9s  誤差=%.2lf %%\n", n,
                     ctx.rangeLabel.c_str(), n, Eng(rb).c_str(), n, Eng(cb).c_str(),
                     100 * a.deviation));
    ctx.SetValue("Rb1_%-d", n, rb);
    ctx.SetValue("Rb2_%-d", n, rb);
    ctx.SetValue("Cb1_%-d", n, cb);
    ctx.SetValue("Cb2_%-d", n, cb);

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
    resistors.evaluate = [q, pn1, pn2, pn4](double r4, std::vector<double>& x) {
        x[0] = r4;
        x[1] = r4 / (3 * q - 1);
        x[2] = r4 * pn4 / (pn1 * pn2);
        x[3] = r4 * pn4 / pn1;
    };
    resistors.restartFromA = [q](double r1) { return r1 * (3 * q - 1); };
    SeriesWalk resistorWalk;
    const StepResult b = RunCandidateStep(ctx, resistors, resistorWalk, 10000);
    const double r4 = b.values[0], r1 = b.values[1], r2 = b.values[2], r3 = b.values[3];

    section[0] = 3 * r1 / ((r1 + r4) * cb * rb);
    section[1] = 1 / ((cb * rb) * (cb * rb));
    section[2] = r3 / r2;
    section[4] = (r3 / r4) * section[1];
    ctx.Write(
        Format("%2d R1_%-d = %-9s R2_%-d = %-9s R3_%-d = %-9s R4_%-d(5個)= %-9s  誤差=%.2lf %%\n",
               n, n, Eng(r1).c_str(), n, Eng(r2).c_str(), n, Eng(r3).c_str(), n, Eng(r4).c_str(),
               100 * b.deviation));
    ctx.SetValue("R1_%-d", n, r1);
    ctx.SetValue("R2_%-d", n, r2);
    ctx.SetValue("R3_%-d", n, r3);
    for (const char* name : {"R41_%-d", "R42_%-d", "R43_%-d", "R44_%-d", "R45_%-d"})
        ctx.SetValue(name, n, r4);
    return 0;
}

int Lpet2(SynthesisContext& ctx, int v, int i) {
    Section& section = ctx.SectionAt(i);
    const int n = ctx.SectionNumber(i);
    const double w0 = std::sqrt(section[1]);
    const double q = w0 / section[0];
    if (!HasNotchShape(section) || !(q > 0.5)) return ctx.Unrealisable("lpet2", i);
    const double wz2 = section[4] / section[2];
    const double wz = std::sqrt(wz2);
    const double w02 = section[1];
    const double pn2 = section[2];

    // Step A, the zero integrators. Values: [0] Cb (walked), [1] Rb, [2] C1 = 2 Cb,
    // [3] R1 = Rb / 2. One pass shows N + 1 candidates.
    ctx.out.ResetToDefaultSeries();
    const double cbStart = Lpet2Scale(ctx, v, i) *
                           InitialTableValue(UsesLowPassTable(ctx, v, i) ? kTableLP4 : kTableHP4,
                                             wz, q, ctx.rangeLabel);
    CandidateStep integrators;
    integrators.dialogId = 732;
    integrators.section = n;
    integrators.slotA = 1;
    integrators.slotB = 0;
    integrators.derivedSlots = {2, 3, -1};
    integrators.deviationSlots = {1, 2, 3};
    integrators.roundedSlots = {1};
    integrators.evaluate = [wz](double cb, std::vector<double>& x) {
        x[0] = cb;
        x[1] = 1 / (cb * wz);
        x[2] = 2 * cb;
        x[3] = x[1] / 2;
    };
    integrators.restartFromA = [wz](double rb) { return 1 / (rb * wz); };
    integrators.restartFromB = [](double cb) { return cb; };
    SeriesWalk integratorWalk(true);
    const StepResult a = RunCandidateStep(ctx, integrators, integratorWalk, cbStart);
    const double cb = a.values[0], rb = a.values[1], c1 = a.values[2], r1 = a.values[3];
    ctx.Write(
        Format("%2d (et2)%s Rb_%-d(2個)= %-9s Cb_%-d(2個)= %-9s R1_%-d = %-9s C1_%-d = %-9s  "
               "誤差=%.2lf %%\n",
               n, ctx.rangeLabel.c_str(), n, Eng(rb).c_str(), n, Eng(cb).c_str(), n,
               Eng(r1).c_str(), n, Eng(c1).c_str(), 100 * a.deviation));
    ctx.SetValue("Rb1_%-d", n, rb);
    ctx.SetValue("Cb1_%-d", n, cb);
    ctx.SetValue("Rb2_%-d", n, rb);
    ctx.SetValue("Cb2_%-d", n, cb);
    ctx.SetValue("R1_%-d", n, r1);
    ctx.SetValue("C1_%-d", n, c1);

    // Step B, the pole shift by R2/C2: d2 = 2 C2 / Cb and d3 = 2 Rb / R2 are tied by
    // (d3 + 1) wz^2 = (d2 + 1) w0^2, and the stepped one must exceed the bound x.
    auto c2FromR2 = [=](double r2) { return ((2 * rb / r2 + 1) * wz2 / w02 - 1) * cb / 2; };
    auto r2FromC2 = [=](double c2) { return 2 * rb / ((2 * c2 / cb + 1) * w02 / wz2 - 1); };
    ctx.out.ResetToDefaultSeries();
    const bool zerosAbovePoles = wz2 >= w02;
    double x = 0;
    if (wz2 == w02) {
        x = 1 / (2 * q - 1);
    } else {
        const double spread = zerosAbovePoles ? wz2 - w02 : w02 - wz2;
        const double ratio = zerosAbovePoles ? wz2 / w02 - 1 : w02 / wz2 - 1;
        x = std::max((wz * w0 + spread * q) / ((wz2 + w02) * q - wz * w0), ratio);
    }
    x *= 1.1;
    CandidateStep shift;
    shift.section = n;
    shift.deviationSlots = {1};
    shift.roundedSlots = {1};
    double shiftStart = 0;
    if (zerosAbovePoles) {
        // Values: [0] C2 (walked upward), [1] R2.
        shift.dialogId = 733;
        shift.slotA = 1;
        shift.slotB = 0;
        shift.evaluate = [=](double c2, std::vector<double>& y) {
            y[0] = c2;
            y[1] = r2FromC2(c2);
        };
        shift.restartFromA = c2FromR2;
        shift.restartFromB = [](double c2) { return c2; };
        shift.bound = [=] { return x * cb / 2; };
        shiftStart = x * cb / 2;
    } else {
        // Values: [0] R2 (walked downward), [1] C2.
        shift.dialogId = 734;
        shift.slotA = 0;
        shift.slotB = 1;
        shift.evaluate = [=](double r2, std::vector<double>& y) {
            y[0] = r2;
            y[1] = c2FromR2(r2);
        };
        shift.restartFromA = [](double r2) { return r2; };
        shift.restartFromB = r2FromC2;
        shift.bound = [=] { return 2 * rb / x; };
        shiftStart = 2 * rb / x;
    }
    FilteredDecadeWalk shiftWalk(
        zerosAbovePoles ? FilteredDecadeWalk::Direction::Up : FilteredDecadeWalk::Direction::Down,
        [=](double walked) { return (zerosAbovePoles ? 2 * walked / cb : 2 * rb / walked) > x; });
    const StepResult b = RunCandidateStep(ctx, shift, shiftWalk, shiftStart);
    if (!b.accepted) return ctx.Unrealisable("lpet2", i);
    const double c2 = zerosAbovePoles ? b.values[0] : b.values[1];
    const double r2 = zerosAbovePoles ? b.values[1] : b.values[0];
    const double d2 = 2 * c2 / cb;
    const double d3 = 2 * rb / r2;
    const double d1 = ((d3 + d2 + 4) - (d2 + 1) * (w0 / wz) / q) / 4;
    ctx.Write(Format("%2d  R2_%-d = %-9s  C2_%-d = %-9s   誤差 = %.2lf %%\n", n, n, Eng(r2).c_str(),
                     n, Eng(c2).c_str(), 100 * b.deviation));
    ctx.SetValue("R2_%-d", n, r2);
    ctx.SetValue("C2_%-d", n, c2);

    // Steps C and D, the gain pairs. Values: [0] the walked resistor, [1] the derived one.
    auto runGainPair = [&](int dialogId, double factor) {
        ctx.out.ResetToDefaultSeries();
        CandidateStep pair;
        pair.dialogId = dialogId;
        pair.section = n;
        pair.slotA = 1;
        pair.slotB = 0;
        pair.deviationSlots = {1};
        pair.roundedSlots = {1};
        pair.evaluate = [factor](double walked, std::vector<double>& y) {
            y[0] = walked;
            y[1] = factor * walked;
        };
        pair.restartFromA = [factor](double derived) { return derived / factor; };
        pair.restartFromB = [](double walked) { return walked; };
        SeriesWalk walk;
        return RunCandidateStep(ctx, pair, walk, 10000);
    };
    const StepResult c = runGainPair(735, d1 - 1);
    const double r5 = c.values[0], r3 = c.values[1];
    ctx.Write(Format("%2d  R3_%-d = %-9s  R5_%-d = %-9s   誤差 = %.2lf %%\n", n, n, Eng(r3).c_str(),
                     n, Eng(r5).c_str(), 100 * c.deviation));
    ctx.SetValue("R3_%-d", n, r3);
    ctx.SetValue("R5_%-d", n, r5);

    const StepResult d = runGainPair(736, (d2 + 1) * pn2 / d1);
    const double r6 = d.values[0], r4 = d.values[1];
    ctx.Write(Format("%2d  R4_%-d = %-9s  R6_%-d = %-9s   誤差 = %.2lf %%\n", n, n, Eng(r4).c_str(),
                     n, Eng(r6).c_str(), 100 * d.deviation));
    ctx.SetValue("R4_%-d", n, r4);
    ctx.SetValue("R6_%-d", n, r6);

    // The realised coefficients of the chosen elements.
    const double e1 = r3 / r5 + 1;
    const double e2 = 2 * c2 / cb;
    const double e3 = 2 * rb / r2;
    const double d4 = 1 / (cb * rb);
    section[0] = ((e2 + e3 + 4) - 4 * e1) * d4 / (e2 + 1);
    section[1] = ((e3 + 1) / (e2 + 1)) * d4 * d4;
    section[2] = e1 * r4 / ((e2 + 1) * r6);
    section[4] = d4 * d4 * section[2];
    return 0;
}

}  // namespace vorna
