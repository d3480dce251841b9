#pragma once
// The bilinear transform of an analog design's sections to a digital filter, section by
// section, to the forms
//   H0 = (P1 + P2 zm)/(1 + P0 zm),   Hn = (Pn_2 + Pn_3 zm + Pn_4 zm^2)/(1 + Pn_0 zm + Pn_1 zm^2)
// in zm = z^-1. The design's characteristic frequencies are pre-warped first and its analog
// sections computed again for them.

namespace vorna {

class DesignResults;

// The analog angular frequency (rad/s) that the bilinear transform with sampling period T
// maps to the frequency f (Hz).
double Prewarp(double f, double samplingPeriod);

// Maps the first-order section, or second-order section `index`, in place.
void BilinearFirstOrder(DesignResults& results, double samplingPeriod);
void BilinearSecondOrder(DesignResults& results, int index, double samplingPeriod);

}  // namespace vorna
