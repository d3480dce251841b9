#pragma once
// The section routines of the synthesis, one per circuit step family. Each realises one
// section of the view's design: it proposes element values until the user accepts, writes
// the journal lines and the schematic values, and replaces the section's coefficients by
// those of the chosen elements. The routines that can meet an unrealisable section return
// false after writing its failure line, true when they realised it.

#include "circuit/models/SecondOrderModel.h"
#include "design/FilterKinds.h"

namespace vorna {

struct SynthesisContext;

// The first-order section (section number 1) in low-pass or high-pass form.
void SynthesizeFirstOrderSection(SynthesisContext& ctx, bool lowPass);
// Second-order section i by multiple feedback or unity-gain Sallen-Key.
void SynthesizeLowPassSection(SynthesisContext& ctx, int i, SecondOrderForm form);
void SynthesizeHighPassSection(SynthesisContext& ctx, int i, SecondOrderForm form);
// Band-pass section i by multiple feedback (bpat1) or the dual-amplifier circuit with its
// gain stage (bpat2).
bool SynthesizeMultipleFeedbackBandPass(SynthesisContext& ctx, int i);
bool SynthesizeDualAmplifierBandPass(SynthesisContext& ctx, int i);

// Section i by the notch families, in the variant of the basic circuit's filter kind.
bool SynthesizeStateVariableNotch(SynthesisContext& ctx, FilterKind variant, int i);
bool SynthesizeIntegratorNotch(SynthesisContext& ctx, FilterKind variant, int i);

}  // namespace vorna
