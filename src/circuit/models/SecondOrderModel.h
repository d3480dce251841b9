#pragma once
// Second-order low-pass and high-pass sections without zeros: multiple feedback and
// unity-gain Sallen-Key. Both set the section's Q by the ratio m = e Q^2 of two equal-kind
// elements, e = 9 for multiple feedback and 4 for Sallen-Key.

#include "design/DesignResults.h"

namespace vorna {

enum class SecondOrderForm { MultipleFeedback, SallenKey };

struct SecondOrderModel {
    SecondOrderModel(const Section& designed, SecondOrderForm form);

    SecondOrderForm form;
    double w0;  // sqrt(Pn_1)
    double q;   // w0 / Pn_0
    double m;   // e Q^2

    // Low-pass from C2: C1 = m C2 (no series value) and R1 = R2 = 1/(C2 w0 sqrt(m)).
    struct LowPass {
        double c2, c1, r1, r2;
    };
    LowPass LowPassFromC2(double c2) const;
    // The C1 whose candidates show R1 again: sqrt(m)/(R1 w0).
    double LowPassC1FromR1(double r1) const;

    // High-pass from R1: R2 = m R1 (no series value) and C1 = C2 (= C3) = 1/(R1 w0 sqrt(m)).
    struct HighPass {
        double r1, r2, c;
    };
    HighPass HighPassFromR1(double r1) const;
    // The R1 whose candidates show C again: 1/(C w0 sqrt(m)).
    double HighPassR1FromC(double c) const;
};

// What the low-pass elements realise: Pn_0, Pn_1 = Pn_4; Pn_2 and Pn_3 stay.
Section RealiseLowPass(SecondOrderForm form, double r1, double r2, double c1, double c2,
                       Section designed);
// What the high-pass elements realise: Pn_0, Pn_1 and Pn_2 = 1; Pn_3 and Pn_4 stay.
Section RealiseHighPass(SecondOrderForm form, double r1, double r2, double c1, double c2,
                        Section designed);

}  // namespace vorna
