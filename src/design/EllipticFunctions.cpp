#include "design/EllipticFunctions.h"

#include <array>
#include <cmath>

#include "design/DesignResults.h"
#include "design/OrderLimits.h"

namespace vorna {

namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr int kLandenSteps = 50;
constexpr int kNomeTerms = 50;
// Convergence limit of the Landen sequence and of the nome series.
constexpr double kTolerance = 1e-16;
// Above this start order, or above this required attenuation, the search starts at 58.
constexpr int kSearchFullRangeAbove = 45;
constexpr double kSearchFullRangeAtts = 300;

}  // namespace

double EllipticK(double k) {
    // Modular angles and amplitudes of the ascending Landen sequence.
    std::array<double, kLandenSteps + 1> theta{};
    std::array<double, kLandenSteps + 1> phi{};
    theta[0] = std::atan2(k, std::sqrt(1 - k * k));
    phi[0] = kHalfPi;
    int i = 0;
    for (; i < kLandenSteps; ++i) {
        const double g = 2 / (std::sin(theta[i]) + 1) - 1;
        theta[i + 1] = std::atan2(std::sqrt(1 - g * g), g);
        const double p = std::sin(phi[i]) * std::sin(theta[i]);
        phi[i + 1] = (std::atan2(p, std::sqrt(1 - p * p)) + phi[i]) / 2;
        if (1 - 2 * theta[i + 1] / kPi < kTolerance) break;
    }
    double product = 1;
    for (int j = 1; j <= i; ++j) product *= 1 + std::cos(theta[j]);
    // ln(tan(phi/2 + pi/4)) written as asinh(tan(phi)): the same function, but exact for
    // the tiny amplitudes of small moduli, where 1 + tan would round away the result.
    return std::asinh(std::tan(phi[i])) * product;
}

double ComplementaryModulus(double inverseModulus) {
    // sqrt(1 - k^2) with k = 1/x, written so that x just above 1 keeps its digits.
    return std::sqrt((inverseModulus - 1) * (inverseModulus + 1)) / inverseModulus;
}

EllipticModulus ModulusOfRatio(double xs) {
    EllipticModulus modulus;
    modulus.k = 1 / xs;
    modulus.kc = ComplementaryModulus(xs);
    modulus.K = EllipticK(modulus.k);
    modulus.Kc = EllipticK(modulus.kc);
    return modulus;
}

double EllipticSn(const EllipticModulus& modulus, double u) {
    const double q = std::exp(-kPi * modulus.Kc / modulus.K);
    const double v = u * kHalfPi / modulus.K;
    double sum = 0;
    // t = q^(n + 1/2), one factor q a term.
    double t = std::sqrt(q);
    for (int n = 0; n < kNomeTerms; ++n, t *= q) {
        sum += std::sin((2 * n + 1) * v) * t / (1 - t * t);
        if (t < kTolerance) break;
    }
    return sum * kTwoPi / (modulus.k * modulus.K);
}

std::vector<double> OddMultipleSines(const EllipticModulus& modulus, int order) {
    std::vector<double> sines;
    for (int i = 0; i < order / 2; ++i)
        sines.push_back(EllipticSn(modulus, (2 * i + 1) * modulus.K / order));
    return sines;
}

EllipticStopband EllipticStopbandOf(const EllipticModulus& modulus, int order, double epsP2) {
    return EllipticStopbandOf(modulus, order, epsP2, OddMultipleSines(modulus, order));
}

EllipticStopband EllipticStopbandOf(const EllipticModulus& modulus, int order, double epsP2,
                                    const std::vector<double>& sines) {
    const int m = order;
    double product = 1;
    for (double sn : sines) product *= sn * sn * sn * sn;
    EllipticStopband result;
    result.selectivity = 1 / (std::pow(modulus.k, m) * product);
    result.atts = 10 * std::log10(1 + epsP2 * result.selectivity * result.selectivity);
    return result;
}

EllipticOrderResult EllipticOrder(double epsP2, double epsS2, double xs) {
    EllipticOrderResult result;
    result.selectivity = std::sqrt(epsS2 / epsP2);
    const double k1 = 1 / result.selectivity;
    const double k1c = ComplementaryModulus(result.selectivity);
    result.modulus = ModulusOfRatio(xs);
    const double orderExact =
        (result.modulus.K * EllipticK(k1c)) / (result.modulus.Kc * EllipticK(k1));
    result.order = OrderFromExact(orderExact);
    return result;
}

EllipticSearchResult SearchEllipticOrder(const EllipticModulus& modulus, double epsP2, int start,
                                         double required) {
    int lo = kMinOrder;
    int hi = start;
    if (hi > kSearchFullRangeAbove || required > kSearchFullRangeAtts) hi = kMaxOrder;
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        if (EllipticStopbandOf(modulus, mid, epsP2).atts >= required) {
            hi = (lo + hi + 1) / 2;
        } else {
            lo = mid;
        }
    }
    return {hi, EllipticStopbandOf(modulus, hi, epsP2)};
}

}  // namespace vorna
