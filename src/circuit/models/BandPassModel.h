#pragma once
// Band-pass sections without zeros: the multiple-feedback circuit (R1 input, R2 to ground,
// R3 feedback, two equal capacitors) and the dual-amplifier circuit (equal pairs R1, R2, C)
// with its gain stage R3/R4.

#include "design/DesignResults.h"

namespace vorna {

// The designed section's pole frequency, Q and centre gain H = Pn_3 / Pn_0.
struct BandPassShape {
    explicit BandPassShape(const Section& designed);
    double w0;
    double q;
    double h;
    double p0;  // Pn_0
};

// Multiple feedback: needs Q > sqrt(H/2).
struct MultipleFeedbackBandPass {
    explicit MultipleFeedbackBandPass(const BandPassShape& shape);
    bool Realisable() const;
    BandPassShape shape;
    double d;  // Q / (H w0) = R1 C

    // From R1: C = d/R1, R2 = H R1/(2 Q^2 - H), R3 = 2 H R1.
    struct Values {
        double r1, c, r2, r3;
    };
    Values FromR1(double r1) const;
    double R1FromC(double c) const { return d / c; }
};
// Pn_0 = 2/(C R3), Pn_1 = (R1 + R2)/(R1 R2 R3 C^2), Pn_3 = (R3/(2 R1)) Pn_0.
Section RealiseMultipleFeedbackBandPass(double r1, double r2, double r3, double c,
                                        Section designed);

// Dual amplifier: needs H >= 1.
struct DualAmplifierBandPass {
    explicit DualAmplifierBandPass(const BandPassShape& shape) : shape(shape) {}
    bool Realisable() const { return shape.h >= 1; }
    BandPassShape shape;

    // From R1: C = 2/(R1 Pn_0), R2 = R1/(2 Q).
    struct Values {
        double r1, c, r2;
    };
    Values FromR1(double r1) const;
    double R1FromC(double c) const { return 2 * shape.q / (shape.w0 * c); }
    // The gain stage from R4: R3 = (H - 1) R4.
    double R3FromR4(double r4) const { return (shape.h - 1) * r4; }
};
// Pn_0 = 2/(C R1), Pn_1 = 1/(C R2)^2, Pn_3 = ((R3 + R4)/R4) Pn_0.
Section RealiseDualAmplifierBandPass(double r1, double r2, double c, double r3, double r4,
                                     Section designed);

// The schematic value of the gain stage's R3: a unity gain (R3 = 0) is drawn as a short of
// 10 mOhm.
double GainStageR3(double r3);
// Whether a schematic R3 is that short.
inline bool IsGainStageShort(double r3) {
    return r3 < 0.1;
}

}  // namespace vorna
