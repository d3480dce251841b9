#pragma once
// Conversion of an analog design to a digital filter: the bilinear transform with the
// design's characteristic frequencies pre-warped. The analog sections are computed again
// for the pre-warped frequencies and then mapped section by section to the forms
//   H0 = (P1 + P2 zm)/(1 + P0 zm),   Hn = (Pn_2 + Pn_3 zm + Pn_4 zm^2)/(1 + Pn_0 zm + Pn_1 zm^2)
// in zm = z^-1.

namespace vorna {

class CKorvelDoc;
class CKorvelView;
class DesignResults;

// Twice the highest frequency of the design (Hz); 0 for an unknown kind.
double SamplingFrequencyLowerLimit(const CKorvelDoc& doc);

// The analog angular frequency (rad/s) that the bilinear transform with sampling period T
// maps to the frequency f (Hz).
double Prewarp(double f, double samplingPeriod);

// Maps the first-order section, or second-order section `index`, in place.
void BilinearFirstOrder(DesignResults& results, double samplingPeriod);
void BilinearSecondOrder(DesignResults& results, int index, double samplingPeriod);

// Replaces the view's analog results by the digital filter for `samplingFrequency` (Hz,
// positive): pre-warps, recomputes the sections and maps them. The document is left as it
// was.
void ConvertToDigital(CKorvelView& view, double samplingFrequency);

}  // namespace vorna
