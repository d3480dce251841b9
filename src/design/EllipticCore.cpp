#include "design/EllipticCore.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "design/EllipticFunctions.h"
#include "design/OrderLimits.h"

namespace vorna {

namespace {

// Bairstow stops a factor when |da| + |db| falls to this, and gives up after this many steps.
constexpr double kBairstowStep = 1e-6;
constexpr int kBairstowIterations = 1000;
// A zero Bairstow denominator is replaced by this.
constexpr double kBairstowZeroDenominator = 0.001;
// The factorisation is accepted when the magnitude of the filter's denominator that it gives
// stays this close (dB) to that of the poles computed from the Jacobi functions.
constexpr double kFactorisationToleranceDb = 1e-3;

// Pole pairs (natural frequency r and quality factor q, normalised) and the real pole of an
// odd order.
struct Poles {
    std::vector<std::array<double, 2>> pairs;
    double sigma = 0;
};

// Multiplies the polynomial (constant term first) by x + t.
void MultiplyByLinear(std::vector<double>& poly, double t) {
    poly.push_back(0);
    for (size_t i = poly.size() - 1; i > 0; --i) poly[i] = poly[i - 1] + t * poly[i];
    poly[0] *= t;
}

// Product of the linear factors x + t for every t, constant term first.
std::vector<double> MultiplyOut(const std::vector<double>& constants) {
    std::vector<double> poly{1};
    for (double t : constants) MultiplyByLinear(poly, t);
    return poly;
}

// The characteristic polynomial P of degree m whose roots y = 1 - 1/w^2 are those of the
// squared magnitude of the filter's denominator, highest power first and made monic.
// d holds sqrt(1 - (k sn)^2) of every zero.
std::vector<double> CharacteristicPolynomial(const std::vector<double>& d, bool odd,
                                             double epsilon) {
    std::vector<double> numeratorRoots;
    std::vector<double> denominatorRoots;
    if (odd) {
        numeratorRoots.push_back(1);
        denominatorRoots.push_back(-1);
    }
    for (double di : d) {
        numeratorRoots.insert(numeratorRoots.end(), 2, di);
        denominatorRoots.insert(denominatorRoots.end(), 2, -di * di);
    }
    const std::vector<double> numerator = MultiplyOut(numeratorRoots);
    const std::vector<double> denominator = MultiplyOut(denominatorRoots);
    const size_t m = numerator.size() - 1;
    const size_t evenOrder = odd ? m - 1 : m;

    // Square of epsilon times the even part of the numerator: only even indices that exist.
    std::vector<double> square(2 * m + 1, 0);
    for (size_t i = 0; i <= evenOrder; i += 2) {
        for (size_t j = 0; j <= evenOrder; j += 2) {
            square[i + j] += epsilon * numerator[i] * epsilon * numerator[j];
        }
    }
    const double sign = odd ? -1 : 1;
    std::vector<double> p(m + 1);
    for (size_t n = 0; n <= m; ++n) p[m - n] = square[2 * n] + sign * denominator[n];
    const double lead = p[0];
    for (double& coefficient : p) coefficient /= lead;
    return p;
}

struct Factorisation {
    // Quadratic factors y^2 + b y + a as {b, a}.
    std::vector<std::array<double, 2>> quadratics;
    // Root of the linear factor of an odd degree.
    double root = 0;
};

// Bairstow's method on a monic polynomial (highest power first). Empty when a factor does
// not converge within the iteration bound or leaves the finite numbers.
std::optional<Factorisation> Bairstow(std::vector<double> coef) {
    Factorisation result;
    size_t n = coef.size() - 1;
    std::vector<double> s(n + 1);
    std::vector<double> q(n + 1);
    while (n > 2) {
        double b = 0;
        double a = 0;
        bool converged = false;
        for (int iteration = 0; iteration < kBairstowIterations && !converged; ++iteration) {
            s[0] = q[0] = 1;
            s[1] = coef[1] - b;
            q[1] = s[1] - b;
            // One loop for both recursions, so that the two chains run side by side, each
            // waiting only for the product with its last term.
            for (size_t i = 2; i < n; ++i) {
                s[i] = (coef[i] - a * s[i - 2]) - b * s[i - 1];
                q[i] = (s[i] - a * q[i - 2]) - b * q[i - 1];
            }
            s[n] = (coef[n] - a * s[n - 2]) - b * s[n - 1];
            double den = q[n - 2] * q[n - 2] + (s[n - 1] - q[n - 1]) * q[n - 3];
            if (den == 0) den = kBairstowZeroDenominator;
            const double db = (s[n - 1] * q[n - 2] - q[n - 3] * s[n]) / den;
            const double da = (q[n - 2] * s[n] - s[n - 1] * (q[n - 1] - s[n - 1])) / den;
            b += db;
            a += da;
            if (!std::isfinite(b) || !std::isfinite(a)) return std::nullopt;
            converged = std::abs(da) + std::abs(db) <= kBairstowStep;
        }
        if (!converged) return std::nullopt;
        result.quadratics.push_back({b, a});
        coef[1] -= b;
        for (size_t i = 2; i <= n - 2; ++i) coef[i] -= coef[i - 2] * a + coef[i - 1] * b;
        n -= 2;
    }
    if (n == 2) {
        result.quadratics.push_back({coef[1], coef[2]});
    } else {
        result.root = -coef[1];
    }
    return result;
}

// The poles that the factors of P stand for; empty when a factor is no pole pair of a
// stable filter (a Q or a real pole that would not be a positive real number).
std::optional<Poles> PolesFromFactors(const Factorisation& factors, bool odd) {
    Poles poles;
    for (const auto& [b, a] : factors.quadratics) {
        const double e = b + 1 + a;
        const double damping = 1 - (b / 2 + 1) / std::sqrt(e);
        if (!(e > 0) || !(damping > 0)) return std::nullopt;
        poles.pairs.push_back({1 / std::sqrt(std::sqrt(e)), 1 / std::sqrt(2 * damping)});
    }
    if (odd) {
        if (!(factors.root > 1)) return std::nullopt;
        poles.sigma = std::sqrt(1 / (factors.root - 1));
    }
    for (const auto& [r, q] : poles.pairs) {
        if (!std::isfinite(r) || !std::isfinite(q)) return std::nullopt;
    }
    if (odd && !std::isfinite(poles.sigma)) return std::nullopt;
    return poles;
}

struct Jacobi {
    double sn = 0;
    double cn = 1;
    double dn = 1;
};

// sn, cn and dn of u for modulus k with complement kc = sqrt(1 - k^2), by the arithmetic-
// geometric mean. The complement is passed in so that moduli near 1 keep their precision.
Jacobi JacobiFunctions(double u, double k, double kc) {
    constexpr int kMaxSteps = 40;
    std::array<double, kMaxSteps + 1> a{};
    std::array<double, kMaxSteps + 1> c{};
    a[0] = 1;
    c[0] = k;
    double b = kc;
    int n = 0;
    while (n < kMaxSteps && std::abs(c[n]) > 0x1p-53 * a[n]) {
        a[n + 1] = (a[n] + b) / 2;
        c[n + 1] = (a[n] - b) / 2;
        b = std::sqrt(a[n] * b);
        ++n;
    }
    double phi = std::ldexp(a[n] * u, n);
    double previous = phi;
    for (int i = n; i > 0; --i) {
        previous = phi;
        phi = (phi + std::asin(c[i] / a[i] * std::sin(phi))) / 2;
    }
    return {std::sin(phi), std::cos(phi), n == 0 ? 1 : std::cos(phi) / std::cos(previous - phi)};
}

// Carlson's symmetric elliptic integral R_F(x, y, z) by duplication.
double CarlsonRF(double x, double y, double z) {
    constexpr double kTolerance = 1e-3;
    double mean = 0;
    double dx = 0;
    double dy = 0;
    double dz = 0;
    for (int step = 0; step < 100; ++step) {
        const double rx = std::sqrt(x);
        const double ry = std::sqrt(y);
        const double rz = std::sqrt(z);
        const double lambda = rx * (ry + rz) + ry * rz;
        x = (x + lambda) / 4;
        y = (y + lambda) / 4;
        z = (z + lambda) / 4;
        mean = (x + y + z) / 3;
        dx = (mean - x) / mean;
        dy = (mean - y) / mean;
        dz = (mean - z) / mean;
        if (std::max({std::abs(dx), std::abs(dy), std::abs(dz)}) < kTolerance) break;
    }
    const double e2 = dx * dy - dz * dz;
    const double e3 = dx * dy * dz;
    return (1 + (e2 / 24 - 0.1 - 3 * e3 / 44) * e2 + e3 / 14) / std::sqrt(mean);
}

// The poles of the ideal elliptic filter of modulus k, ripple epsilon and order m, with the
// pass-band edge at 1 rad/s: p = -(c d sv cv + i s dv) / (1 - (d sv)^2), where s, c, d are
// sn, cn, dn of the zero's argument for modulus k and sv, cv, dv those of v0 for the
// complementary modulus; v0 = K F(atan(1/epsilon), k1') / (m K(k1)) with k1 = 1/selectivity.
Poles JacobiPoles(const EllipticModulus& modulus, double selectivity, int m,
                  const std::vector<double>& arguments, double epsilon) {
    const double k = modulus.k;
    const double kc = modulus.kc;
    const double k1 = 1 / selectivity;
    const double e2 = epsilon * epsilon;
    const double f = CarlsonRF(e2, e2 + k1 * k1, 1 + e2);
    const Jacobi v = JacobiFunctions(modulus.K * f / (m * EllipticK(k1)), kc, k);
    Poles poles;
    for (double u : arguments) {
        const Jacobi z = JacobiFunctions(u, k, kc);
        const double den = 1 - (z.dn * v.sn) * (z.dn * v.sn);
        const double re = z.cn * z.dn * v.sn * v.cn / den;
        const double im = z.sn * v.dn / den;
        const double r = std::hypot(re, im);
        poles.pairs.push_back({r, r / (2 * re)});
    }
    poles.sigma = v.sn / v.cn;
    return poles;
}

// The squared magnitude of the denominator at s = jw, for the pairs as their factors
// s^2 + (r/q) s + r^2 kept as r^2 and r/q. With at most 29 pairs of natural frequency near 1
// it stays far from the limits of a double over the checked range.
struct DenominatorFactors {
    // Frequencies evaluated side by side, each with its own chain of products.
    static constexpr std::size_t kLanes = 4;
    using Lanes = std::array<double, kLanes>;

    std::vector<std::array<double, 2>> pairs;
    double sigmaSquared = 0;
    bool odd = false;

    DenominatorFactors(const Poles& poles, bool isOdd)
        : sigmaSquared(poles.sigma * poles.sigma), odd(isOdd) {
        for (const auto& [r, q] : poles.pairs) pairs.push_back({r * r, r / q});
    }

    Lanes Squared(const Lanes& w) const {
        Lanes w2;
        Lanes product;
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            w2[lane] = w[lane] * w[lane];
            product[lane] = odd ? sigmaSquared + w2[lane] : 1;
        }
        for (const auto& [r2, damping] : pairs) {
            for (std::size_t lane = 0; lane < kLanes; ++lane) {
                const double real = r2 - w2[lane];
                const double imag = damping * w[lane];
                product[lane] *= real * real + imag * imag;
            }
        }
        return product;
    }
};

// True when the two pole sets give the same denominator magnitude within the tolerance over
// four decades around the pass-band edge and at and beside every reference resonance. The
// decibel difference is that of the magnitudes' ratio, so the ratio of two products is
// compared with the tolerance's ratio instead of taking a logarithm per pole pair. A product
// that overflows or underflows gives a ratio outside the limits (or NaN) and fails.
bool SameResponse(const Poles& candidate, const Poles& reference, bool odd) {
    // The four decades, computed once.
    constexpr int kPoints = 400;
    static const std::vector<double> kDecades = [] {
        std::vector<double> w;
        for (int i = 0; i <= kPoints; ++i) w.push_back(std::pow(10, -2 + 4.0 * i / kPoints));
        return w;
    }();
    std::vector<double> omegas;
    omegas.reserve(kDecades.size() + 3 * reference.pairs.size() + DenominatorFactors::kLanes);
    omegas = kDecades;
    for (const auto& [r, q] : reference.pairs) {
        omegas.insert(omegas.end(), {r, r * (1 - 0.5 / q), r * (1 + 0.5 / q)});
    }
    // A short last group repeats the last frequency.
    constexpr std::size_t kLanes = DenominatorFactors::kLanes;
    while (omegas.size() % kLanes != 0) omegas.push_back(omegas.back());

    const double limit = std::pow(10, kFactorisationToleranceDb / 10);
    const DenominatorFactors candidateFactors(candidate, odd);
    const DenominatorFactors referenceFactors(reference, odd);
    for (std::size_t begin = 0; begin < omegas.size(); begin += kLanes) {
        DenominatorFactors::Lanes w;
        std::copy_n(omegas.begin() + static_cast<std::ptrdiff_t>(begin), kLanes, w.begin());
        const DenominatorFactors::Lanes c = candidateFactors.Squared(w);
        const DenominatorFactors::Lanes r = referenceFactors.Squared(w);
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            const double ratio = c[lane] / r[lane];
            if (!(ratio <= limit && ratio * limit >= 1)) return false;
        }
    }
    return true;
}

}  // namespace

EllipticPrototypeResult EllipticPrototype(const EllipticRequest& request) {
    EllipticPrototypeResult result;
    LowPassPrototype& prototype = result.prototype;
    prototype.hasZeros = true;
    const int m = request.order;
    const double epsilon = std::sqrt(request.epsP2);
    if (m < kMinOrder || m > kMaxOrder || !(epsilon > 0) || !std::isfinite(epsilon) ||
        !(request.xs > 1) || !std::isfinite(request.xs)) {
        return result;
    }
    const EllipticModulus modulus = ModulusOfRatio(request.xs);
    result.modulus = modulus;
    const std::vector<double> sines = OddMultipleSines(modulus, m);
    result.reached = EllipticStopbandOf(modulus, m, request.epsP2, sines);
    const bool odd = m % 2 != 0;
    const int half = m / 2;
    const double k = modulus.k;

    // Zeros at 1/(k sn(u)) for u = 2iK/m (odd m) or (2i - 1)K/m (even m, the stop band's sines).
    std::vector<double> arguments;
    std::vector<double> zeros;
    std::vector<double> d;
    for (int i = 1; i <= half; ++i) {
        const double u = (odd ? 2 * i : 2 * i - 1) * modulus.K / m;
        const double ks =
            k * (odd ? EllipticSn(modulus, u) : sines[static_cast<std::size_t>(i - 1)]);
        arguments.push_back(u);
        zeros.push_back(1 / ks);
        d.push_back(std::sqrt(1 - ks * ks));
    }

    const Poles reference = JacobiPoles(modulus, result.reached.selectivity, m, arguments, epsilon);
    const std::optional<Factorisation> factors =
        Bairstow(CharacteristicPolynomial(d, odd, epsilon));
    std::optional<Poles> factorised;
    if (factors) factorised = PolesFromFactors(*factors, odd);
    result.polesFromFactorisation = factorised && SameResponse(*factorised, reference, odd);
    const Poles& poles = result.polesFromFactorisation ? *factorised : reference;

    // Log-gain sum at the pass-band edge (w = 1) and the gain constant that makes the
    // attenuation there attp, worked out in logarithms so that no power over- or underflows.
    double logGain = 0;
    for (int i = 0; i < half; ++i) {
        const auto& [r, q] = poles.pairs[i];
        const double real = 1 - r * r;
        const double imag = r / q;
        const double zeroTerm = 1 - zeros[i] * zeros[i];
        logGain += 10 * std::log10(real * real + imag * imag);
        logGain -= 10 * std::log10(zeroTerm * zeroTerm);
    }
    if (odd) logGain += 10 * std::log10(poles.sigma * poles.sigma + 1);
    // G0^half = 1/c for an even order and 1/(c sigma) for an odd one (whose first-order
    // section is sigma/(s + sigma)), with c = 10^((attp - L)/20).
    double logG0 = (logGain - request.attp) * 0.05;
    if (odd) logG0 -= std::log10(poles.sigma);
    prototype.sectionGain = std::pow(10, logG0 / half);

    prototype.odd = odd;
    prototype.sigma = poles.sigma;
    for (int i = 0; i < half; ++i) {
        const auto& [r, q] = poles.pairs[i];
        prototype.pairs.push_back({r, q, zeros[i], *prototype.sectionGain});
    }
    return result;
}

}  // namespace vorna
