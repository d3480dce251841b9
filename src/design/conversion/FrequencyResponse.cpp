#include "design/conversion/FrequencyResponse.h"

#include <algorithm>
#include <cmath>

#include "app/CKorvelDoc.h"
#include "design/DesignResults.h"
#include "design/conversion/ComplexArithmetic.h"

namespace vorna {

namespace {

struct Term {
    Complex numerator;
    Complex denominator;
};

// H0 = (P1 s + P2)/(s + P0) and Hn = (Pn_2 s^2 + Pn_3 s + Pn_4)/(s^2 + Pn_0 s + Pn_1).
struct AnalogTerms {
    Complex s;
    Term FirstOrder(const DesignResults& r) const { return {r.p1 * s + r.p2, s + r.p0}; }
    Term SecondOrder(const Section& p) const {
        const Complex s2 = s * s;
        return {p[2] * s2 + p[3] * s + p[4], s2 + p[0] * s + p[1]};
    }
};

// H0 = (P1 + P2 zm)/(1 + P0 zm) and Hn = (Pn_2 + Pn_3 zm + Pn_4 zm^2)/(1 + Pn_0 zm + Pn_1 zm^2).
struct DigitalTerms {
    Complex zm;
    Term FirstOrder(const DesignResults& r) const { return {r.p2 * zm + r.p1, r.p0 * zm + 1.0}; }
    Term SecondOrder(const Section& p) const {
        const Complex zm2 = zm * zm;
        return {p[3] * zm + p[4] * zm2 + p[2], p[0] * zm + p[1] * zm2 + 1.0};
    }
};

template <typename Terms, typename Visit>
void ForEachTerm(const DesignResults& results, int kind, const Terms& terms, Visit visit) {
    if (HasFirstOrderTerm(results, kind)) visit(terms.FirstOrder(results));
    const int last = LastSectionIndex(results);
    for (int i = 0; i <= last; ++i)
        visit(terms.SecondOrder(results.sections[static_cast<std::size_t>(i)]));
}

// 20 log10 of a modulus; an exact zero counts as 1e-30 (-600 dB) so that a zero of the
// transfer function gives a deep, finite gain.
double Decibels(Complex value) {
    double modulus = Modulus(value);
    if (modulus == 0) modulus = 1e-30;
    return 20 * std::log10(modulus);
}

// Brings an angle that left [-pi, pi] by less than a turn back into it.
double Wrap(double phase) {
    if (phase > kPi) return phase - kTwoPi;
    if (phase < -kPi) return phase + kTwoPi;
    return phase;
}

template <typename Terms>
double GainDb(const DesignResults& results, int kind, const Terms& terms) {
    double gain = 0;
    ForEachTerm(results, kind, terms,
                [&](const Term& t) { gain += Decibels(t.numerator) - Decibels(t.denominator); });
    return gain;
}

template <typename Terms>
double Phase(const DesignResults& results, int kind, const Terms& terms) {
    double phase = 0;
    ForEachTerm(results, kind, terms, [&](const Term& t) {
        phase = Wrap(phase + Argument(t.numerator));
        phase = Wrap(phase - Argument(t.denominator));
    });
    return phase;
}

DigitalTerms DigitalAt(double omega, double samplingPeriod) {
    return {Exp({0, -omega * samplingPeriod})};
}

}  // namespace

bool HasFirstOrderTerm(const DesignResults& results, int kind) {
    return results.resultOddOrder == 1 && (kind == kLowPass || kind == kHighPass);
}

int LastSectionIndex(const DesignResults& results) {
    return std::min(results.sectionLast, static_cast<int>(results.sections.size()) - 1);
}

double AnalogGainDb(const DesignResults& results, int kind, double omega) {
    return GainDb(results, kind, AnalogTerms{{0, omega}});
}

double AnalogPhase(const DesignResults& results, int kind, double omega) {
    return Phase(results, kind, AnalogTerms{{0, omega}});
}

double DigitalGainDb(const DesignResults& results, int kind, double omega, double samplingPeriod) {
    return GainDb(results, kind, DigitalAt(omega, samplingPeriod));
}

double DigitalPhase(const DesignResults& results, int kind, double omega, double samplingPeriod) {
    return Phase(results, kind, DigitalAt(omega, samplingPeriod));
}

}  // namespace vorna
