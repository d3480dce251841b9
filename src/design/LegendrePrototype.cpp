// The Legendre (optimum-L) approximation: |H(jw)|^2 = 1 / (1 + L_n(w^2)) with Papoulis's
// polynomial L_n, the steepest cut-off of a monotonic pass band, -3.01 dB at w = 1. With
// x = 2 w^2 - 1,
//   odd n = 2k + 1:   L_n = integral from -1 to x of (sum_i a_i P_i(t))^2 dt,
//                     a_i = (2i + 1) / (sqrt 2 (k + 1)), i = 0..k
//   even n = 2k + 2:  L_n = integral from -1 to x of (t + 1) (sum_i a_i P_i(t))^2 dt,
//                     a_i = (2i + 1) / sqrt((k + 1)(k + 2)) for i of k's parity, else 0
// with the Legendre polynomials P_i. L_n is kept as a Legendre series in x, which stays
// accurate near [-1, 1] where the roots of 1 + L_n lie; the poles are the left-half-plane
// roots s = -sqrt(-w^2) of 1 + L_n(-s^2).

#include <cmath>
#include <vector>

#include "design/AllPolePrototype.h"
#include "design/LowPassPrototype.h"

namespace vorna {

namespace {

constexpr long double kPi = 3.141592653589793238462643383279503L;

// P_0..P_n at x (real or complex) by the three-term recurrence, with their derivatives.
template <typename T>
void LegendreValues(int n, T x, std::vector<T>& p, std::vector<T>& dp) {
    p.assign(static_cast<std::size_t>(n) + 1, T(0));
    dp.assign(p.size(), T(0));
    p[0] = 1;
    if (n >= 1) {
        p[1] = x;
        dp[1] = 1;
    }
    for (int j = 1; j < n; ++j) {
        const auto k = static_cast<std::size_t>(j);
        p[k + 1] = ((2.0L * j + 1) * x * p[k] - static_cast<long double>(j) * p[k - 1]) /
                   static_cast<long double>(j + 1);
        dp[k + 1] = dp[k - 1] + (2.0L * j + 1) * p[k];
    }
}

struct Quadrature {
    std::vector<long double> nodes;
    std::vector<long double> weights;
};

// Gauss–Legendre quadrature of `count` nodes: exact for polynomials up to degree 2 count - 1.
Quadrature GaussLegendre(int count) {
    Quadrature q;
    std::vector<long double> p;
    std::vector<long double> dp;
    for (int i = 0; i < count; ++i) {
        long double x = std::cos(kPi * (i + 0.75L) / (count + 0.5L));
        for (int step = 0; step < 100; ++step) {
            LegendreValues(count, x, p, dp);
            const long double dx = p.back() / dp.back();
            x -= dx;
            if (std::abs(dx) < 1e-19L) break;
        }
        LegendreValues(count, x, p, dp);
        q.nodes.push_back(x);
        q.weights.push_back(2 / ((1 - x * x) * dp.back() * dp.back()));
    }
    return q;
}

// The coefficients b_0..b_n of L_n = sum b_j P_j(x).
std::vector<long double> OptimumLSeries(int n) {
    const int k = n % 2 != 0 ? (n - 1) / 2 : (n - 2) / 2;
    std::vector<long double> a(static_cast<std::size_t>(k) + 1, 0);
    for (int i = 0; i <= k; ++i) {
        if (n % 2 != 0) {
            a[static_cast<std::size_t>(i)] = (2.0L * i + 1) / (std::sqrt(2.0L) * (k + 1));
        } else if (i % 2 == k % 2) {
            a[static_cast<std::size_t>(i)] = (2.0L * i + 1) / std::sqrt((k + 1.0L) * (k + 2.0L));
        }
    }
    // The integrand, of degree n - 1, in Legendre coefficients d_j by quadrature.
    const Quadrature quadrature = GaussLegendre(n);
    std::vector<long double> d(static_cast<std::size_t>(n), 0);
    std::vector<long double> p;
    std::vector<long double> dp;
    for (std::size_t node = 0; node < quadrature.nodes.size(); ++node) {
        const long double x = quadrature.nodes[node];
        LegendreValues(n, x, p, dp);
        long double g = 0;
        for (int i = 0; i <= k; ++i)
            g += a[static_cast<std::size_t>(i)] * p[static_cast<std::size_t>(i)];
        const long double integrand = (n % 2 != 0 ? 1 : x + 1) * g * g;
        for (int j = 0; j < n; ++j) {
            d[static_cast<std::size_t>(j)] += (2.0L * j + 1) / 2 * quadrature.weights[node] *
                                              integrand * p[static_cast<std::size_t>(j)];
        }
    }
    // The integral from -1: P_0 -> P_0 + P_1, P_j -> (P_(j+1) - P_(j-1)) / (2j + 1).
    std::vector<long double> b(static_cast<std::size_t>(n) + 1, 0);
    b[0] += d[0];
    b[1] += d[0];
    for (int j = 1; j < n; ++j) {
        const long double share = d[static_cast<std::size_t>(j)] / (2.0L * j + 1);
        b[static_cast<std::size_t>(j) + 1] += share;
        b[static_cast<std::size_t>(j) - 1] -= share;
    }
    return b;
}

}  // namespace

double OptimumLPolynomial(int order, double omegaSquared) {
    if (order < 1) return 0;
    const std::vector<long double> b = OptimumLSeries(order);
    std::vector<long double> p;
    std::vector<long double> dp;
    LegendreValues(order, 2.0L * omegaSquared - 1, p, dp);
    long double sum = 0;
    for (std::size_t j = 0; j < b.size(); ++j) sum += b[j] * p[j];
    return static_cast<double>(sum);
}

LowPassPrototype LegendrePrototype(int order) {
    if (order < 1) return {};
    const std::vector<long double> b = OptimumLSeries(order);
    auto onePlusL = [order, &b](ExtendedComplex x) {
        std::vector<ExtendedComplex> p;
        std::vector<ExtendedComplex> dp;
        LegendreValues(order, x, p, dp);
        PolynomialValue sum{1, 0};
        for (std::size_t j = 0; j < b.size(); ++j) {
            sum.value += b[j] * p[j];
            sum.derivative += b[j] * dp[j];
        }
        return sum;
    };
    // The roots in x surround [-1, 1]; the low-Q ones lie below -1.
    const std::vector<ExtendedComplex> roots =
        PolynomialRoots(order, onePlusL, ExtendedComplex(-0.5L, 0), 2.0L, 1.0L);
    std::vector<ExtendedComplex> poles;
    for (const ExtendedComplex& x : roots) {
        const ExtendedComplex s = std::sqrt(-(x + 1.0L) / 2.0L);
        poles.push_back(s.real() > 0 ? -s : s);
    }
    return AllPolePrototype(poles);
}

}  // namespace vorna
