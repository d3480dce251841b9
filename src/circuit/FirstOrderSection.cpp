#include "circuit/EngValue.h"
#include "circuit/SectionRoutines.h"
#include "circuit/TimeConstantStep.h"
#include "circuit/models/FirstOrderModel.h"
#include "platform/CLocale.h"
#include "text/Texts.h"

namespace vorna {

void SynthesizeFirstOrderSection(SynthesisContext& ctx, bool lowPass) {
    ctx.run.ResetToDefaultSeries();
    const double omega = ctx.results.p0;

    const StepResult chosen = RunTimeConstantStep(
        ctx, 710, 1, omega, ctx.StartCapacitor(FirstOrderStartCapacitor(omega / (2 * 3.141592))));
    const double c = chosen.values[0];
    const double r = chosen.values[1];
    const double dev = 100 * chosen.deviation;

    const FirstOrderSection realised =
        RealiseFirstOrder(lowPass, r, c, {ctx.results.p0, ctx.results.p1, ctx.results.p2});
    ctx.results.p0 = realised.p0;
    ctx.results.p1 = realised.p1;
    ctx.results.p2 = realised.p2;
    ctx.Write(Text(TextId::JournalFirstOrderCircuit));
    if (lowPass) {
        ctx.Write(Format(Text(TextId::JournalFirstOrderLowPass), 1, FormatEngValue(r).c_str(),
                         FormatEngValue(c).c_str(), dev));
    } else {
        ctx.Write(Format(Text(TextId::JournalFirstOrderHighPass), 1, FormatEngValue(r).c_str(),
                         FormatEngValue(c).c_str(), dev));
    }
    ctx.BeginSection(
        lowPass ? SectionCircuit::FirstOrderLowPass : SectionCircuit::FirstOrderHighPass, 1, -1);
    ctx.Settle({{"R1", r}, {"C1", c}});
    if (!lowPass) ctx.Settle({{"R2", r}});
    ctx.FinishSection();
}

}  // namespace vorna
