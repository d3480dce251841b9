#pragma once
// Elliptic functions of the order determination and of the elliptic approximation, and the
// elliptic order of a specification.

#include <vector>

namespace vorna {

// Complete elliptic integral of the first kind K(k) by the ascending Landen transformation.
double EllipticK(double k);

// The complementary modulus sqrt(1 - k^2) of k = 1/inverseModulus (inverseModulus >= 1).
double ComplementaryModulus(double inverseModulus);

// The modulus k = 1/xs of a stop-band ratio, its complement and both complete integrals.
struct EllipticModulus {
    double k = 0;
    double kc = 0;
    double K = 0;   // K(k)
    double Kc = 0;  // K(k')
};
EllipticModulus ModulusOfRatio(double xs);

// Jacobi elliptic sine sn(u, k) by its nome series.
double EllipticSn(const EllipticModulus& modulus, double u);

// What an elliptic filter of one order reaches at the modulus's stop-band ratio: the
// selectivity 1/k1 of the degree equation and the stop-band attenuation (dB) for epsP2.
struct EllipticStopband {
    double selectivity = 0;
    double atts = 0;
};
EllipticStopband EllipticStopbandOf(const EllipticModulus& modulus, int order, double epsP2);
// The same from the sines that it needs, sn((2i + 1) K/order) for i = 0 .. order/2 - 1, as
// OddMultipleSines gives them (the zeros of an even order use the same ones).
std::vector<double> OddMultipleSines(const EllipticModulus& modulus, int order);
EllipticStopband EllipticStopbandOf(const EllipticModulus& modulus, int order, double epsP2,
                                    const std::vector<double>& sines);

// Closed-form elliptic order of a specification (ceiling; a result that is not finite counts
// as an order above the limit), with the modulus of xs and the selectivity sqrt(epsS2/epsP2).
struct EllipticOrderResult {
    EllipticModulus modulus;
    double selectivity = 0;
    int order = 0;
};
EllipticOrderResult EllipticOrder(double epsP2, double epsS2, double xs);

// Smallest elliptic order reaching `required` dB, by bisection between 2 and `start` (58 when
// start is above 45 or more than 300 dB are required), and what that order reaches.
struct EllipticSearchResult {
    int order = 0;
    EllipticStopband reached;
};
EllipticSearchResult SearchEllipticOrder(const EllipticModulus& modulus, double epsP2, int start,
                                         double required);

}  // namespace vorna
