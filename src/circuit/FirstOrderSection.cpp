#include <cmath>

#include "circuit/EngValue.h"
#include "circuit/SectionRoutines.h"
#include "circuit/TimeConstantStep.h"
#include "platform/CLocale.h"

namespace vorna {

namespace {

// Starting capacitor of a first-order section at f Hz: 10 pF from 100 kHz up, ten times
// more for every decade below, 10 mF below 1 mHz.
double FirstOrderStartCapacitor(double f) {
    if (f >= 1e5) return 1e-11;
    if (f < 0.001) return 1e-2;
    double c = 1e-10;
    for (int decade = 4; decade >= -2 && f < std::pow(10.0, decade); --decade) c *= 10;
    return c;
}

}  // namespace

void SynthesizeFirstOrderSection(SynthesisContext& ctx) {
    ctx.out.ResetToDefaultSeries();
    const double omega = ctx.view.p0;
    const bool lowPass = ctx.doc.kind == kLowPass;

    const StepResult chosen =
        RunTimeConstantStep(ctx, 710, 1, omega, FirstOrderStartCapacitor(omega / (2 * 3.141592)));
    const double c = chosen.values[0];
    const double r = chosen.values[1];
    const double dev = 100 * chosen.deviation;

    ctx.Write("１次のフィルタ回路\n");
    if (lowPass) {
        ctx.view.p2 = 1 / (c * r);
        ctx.view.p0 = ctx.view.p2;
        ctx.Write(Format("%2d(lp1) R1_1 = %-9s C1_1 = %-9s  誤差 = %.2lf %%\n", 1,
                         FormatEngValue(r).c_str(), FormatEngValue(c).c_str(), dev));
    } else {
        ctx.view.p0 = 1 / (c * r);
        ctx.view.p1 = 1;
        ctx.Write(Format("%2d (hp1) R1_1 = R1_2 = %-9s C1_1 = %-9s  誤差 = %.4lf %%\n", 1,
                         FormatEngValue(r).c_str(), FormatEngValue(c).c_str(), dev));
    }
    ctx.SetValue("R1_%-d", 1, r);
    ctx.SetValue("C1_%-d", 1, c);
    if (ctx.doc.kind == kHighPass) ctx.SetValue("R2_%-d", 1, r);
}

}  // namespace vorna
