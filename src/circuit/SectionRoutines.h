#pragma once
// The section routines of the synthesis, one per circuit step family. Each realises one
// section of the view's design: it proposes element values until the user accepts, writes
// the journal lines and the schematic values, and replaces the section's coefficients by
// those of the chosen elements. The routines that can meet an unrealisable section return
// 1 after writing its failure line, 0 otherwise.

#include "circuit/models/SecondOrderModel.h"

namespace vorna {

struct SynthesisContext;

// The first-order section (section number 1): low-pass form for low-pass designs,
// high-pass form otherwise.
void SynthesizeFirstOrderSection(SynthesisContext& ctx);
// Second-order section i by multiple feedback or unity-gain Sallen-Key.
void SynthesizeLowPassSection(SynthesisContext& ctx, int i, SecondOrderForm form);
void SynthesizeHighPassSection(SynthesisContext& ctx, int i, SecondOrderForm form);
// Band-pass section i by multiple feedback (bpat1) or the dual-amplifier circuit with its
// gain stage (bpat2).
int SynthesizeMultipleFeedbackBandPass(SynthesisContext& ctx, int i);
int SynthesizeDualAmplifierBandPass(SynthesisContext& ctx, int i);

// Variants of the notch families.
enum NotchVariant : int { kNotchLP = 1, kNotchHP = 2, kNotchBP = 3, kNotchBE = 4 };
int SynthesizeStateVariableNotch(SynthesisContext& ctx, int v, int i);
int SynthesizeIntegratorNotch(SynthesisContext& ctx, int v, int i);

}  // namespace vorna
