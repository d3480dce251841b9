#pragma once
// The notch sections, for sections with zeros on the imaginary axis. The state-variable
// notch has two equal integrators Rb/Cb, a Q resistor R1, numerator resistors R2 and R3 and
// five equal resistors R4. The integrator notch sets its zero frequency with its own
// integrators Rb/Cb (and R1 = Rb/2, C1 = 2 Cb), moves its poles with an R2/C2 pair and sets
// its gains with the pairs R3/R5 and R4/R6.

#include "design/DesignResults.h"

namespace vorna {

// Finite poles with positive Q and a pair of zeros at a positive frequency.
bool HasNotchShape(const Section& s);

struct StateVariableNotch {
    explicit StateVariableNotch(const Section& designed);
    // Needs the notch shape and Q > 1/3.
    bool Realisable() const;
    Section designed;
    double w0;
    double q;

    // The resistors from R4: R1 = R4/(3Q - 1), R2 = R4 Pn_4/(Pn_1 Pn_2), R3 = R4 Pn_4/Pn_1.
    struct Resistors {
        double r4, r1, r2, r3;
    };
    Resistors FromR4(double r4) const;
    double R4FromR1(double r1) const { return r1 * (3 * q - 1); }
};
// Pn_0 = 3 R1/((R1 + R4) Cb Rb), Pn_1 = 1/(Cb Rb)^2, Pn_2 = R3/R2, Pn_4 = (R3/R4) Pn_1;
// Pn_3 stays.
Section RealiseStateVariableNotch(double rb, double cb, double r1, double r2, double r3, double r4,
                                  Section designed);

struct IntegratorNotch {
    explicit IntegratorNotch(const Section& designed);
    // Needs the notch shape and Q > 0.5.
    bool Realisable() const;
    Section designed;
    double w0;
    double q;
    double w02;  // w0^2 = Pn_1
    double wz2;  // wz^2 = Pn_4 / Pn_2
    double wz;

    // The zero integrators from Cb: Rb = 1/(Cb wz), C1 = 2 Cb, R1 = Rb/2.
    struct Integrators {
        double cb, rb, c1, r1;
    };
    Integrators FromCb(double cb) const;
    double CbFromRb(double rb) const { return 1 / (rb * wz); }

    // The pole shift by R2/C2 on integrators Rb/Cb: d2 = 2 C2/Cb and d3 = 2 Rb/R2 are tied by
    // (d3 + 1) wz^2 = (d2 + 1) w0^2. With the zeros at or above the poles C2 is stepped
    // upward from its lower bound, otherwise R2 downward from its upper bound; the stepped
    // one keeps d2 (or d3) above Bound().
    bool ZerosAbovePoles() const { return wz2 >= w02; }
    double Bound() const;
    double C2FromR2(double rb, double cb, double r2) const;
    double R2FromC2(double rb, double cb, double c2) const;
    // d1 of the gain pairs from d2 and d3 of the chosen pair.
    double D1(double d2, double d3) const;
    // The gain pairs: R3 = (d1 - 1) R5 and R4 = ((d2 + 1) Pn_2/d1) R6.
    static double R3Factor(double d1) { return d1 - 1; }
    double R4Factor(double d1, double d2) const { return (d2 + 1) * designed.num2 / d1; }
};
// From d1' = R3/R5 + 1, d2' = 2 C2/Cb, d3' = 2 Rb/R2 and d4 = 1/(Cb Rb): Pn_0, Pn_1, Pn_2,
// Pn_4; Pn_3 stays.
Section RealiseIntegratorNotch(double rb, double cb, double r2, double c2, double r3, double r4,
                               double r5, double r6, Section designed);

}  // namespace vorna
