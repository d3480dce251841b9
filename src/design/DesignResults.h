#pragma once
// The section coefficients of a design and what the presentation needs besides them,
// computed by the design API (ComputeDesignResults). The realised transfer function is
// H0 (odd orders only) times every used Hn, with s in rad/s:
//   H0 = (P1 s + P2) / (s + P0),   Hn = (Pn_2 s^2 + Pn_3 s + Pn_4) / (s^2 + Pn_0 s + Pn_1).

#include <array>
#include <initializer_list>
#include <vector>

namespace vorna {

// One second-order section (N(x) / D(x) with x = s, or z after the digital conversion):
//   (num2 x^2 + num1 x + num0) / (x^2 + den1 x + den0); files list Pn_0 .. Pn_4 in this order.
struct Section {
    double den1 = 0;
    double den0 = 0;
    double num2 = 0;
    double num1 = 0;
    double num0 = 0;

    bool operator==(const Section&) const = default;
};

// The five coefficients in the order files and reports list them (Pn_0 .. Pn_4).
constexpr std::array<double, 5> InFileOrder(const Section& s) {
    return {s.den1, s.den0, s.num2, s.num1, s.num0};
}

// The first-order section of an odd order: (p1 x + p2) / (x + p0).
struct FirstOrderSection {
    double p0 = 0;
    double p1 = 0;
    double p2 = 0;

    bool operator==(const FirstOrderSection&) const = default;
};

constexpr double kTwoPi = 6.283185307179586;
constexpr double kPi = 3.141592653589793;

class DesignResults {
public:
    double fc = 0;
    double invTwoPi = 0.15915494309189535;
    double bandwidth = 0;
    double omegaC = 0;
    double sectionGain = 0;
    double graphFreqMin = 0;
    double graphFreqMax = 0;
    double graphAttMax = 0;
    int resultOddOrder = 0;
    int resultOrder = 0;
    int halfOrder = 0;
    int evenOrder = 0;
    int sectionLast = 0;
    bool convertedToDigital = false;
    bool approximatedByCircuit = false;
    bool noDesignYet = true;
    double p0 = 0;
    double p1 = 0;
    double p2 = 0;
    // The second-order sections 0 .. sectionLast (those in use).
    std::vector<Section> sections;

    // The graph limits for the frequencies `low` and `high` (Hz) and the attenuation reached.
    void ComputeGraphRanges(double attsAchieved, double low, double high);

    bool operator==(const DesignResults&) const = default;
};

// Whether every value is finite. A band too narrow for its order overflows to infinity or
// loses itself in NaN; such results must never reach the view, the reports or the files.
bool AllFinite(std::initializer_list<double> values);
bool AllFinite(const DesignResults& results);

// Whether the first-order section is part of the transfer function of a design of `kind`.
bool HasFirstOrderTerm(const DesignResults& results, int kind);
// Index of the last second-order section in use, within the section table (-1: none).
int LastSectionIndex(const DesignResults& results);

}  // namespace vorna
