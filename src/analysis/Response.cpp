#include "analysis/Response.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace vorna::analysis {

namespace {

using Complex = std::complex<double>;

// Factors outside [2^-256, 2^256] take the slow path; so do running products leaving it.
constexpr double kLowest = 0x1p-256;
constexpr double kHighest = 0x1p+256;
// A factor whose parts are both below this is a zero; it counts as kZeroModulus.
constexpr double kNegligible = 1e-150;
constexpr double kZeroModulus = 1e-30;
const double kDbPerOctave = 20 * std::log10(2.0);

double Largest(const Complex& c) {
    return std::max(std::fabs(c.real()), std::fabs(c.imag()));
}

// A complex number times 2^exponent, so that products of many factors neither overflow nor
// underflow.
struct ScaledProduct {
    Complex value{1, 0};
    int exponent = 0;

    void Rescale() {
        int e = 0;
        std::frexp(Largest(value), &e);
        value = {std::ldexp(value.real(), -e), std::ldexp(value.imag(), -e)};
        exponent += e;
    }
    // Rare: a zero, or a factor or product far from 1.
    void MultiplyCarefully(Complex factor) {
        if (std::fabs(factor.real()) < kNegligible && std::fabs(factor.imag()) < kNegligible) {
            factor = std::polar(kZeroModulus, std::atan2(factor.imag(), factor.real()));
        }
        int e = 0;
        std::frexp(Largest(factor), &e);
        value *= Complex(std::ldexp(factor.real(), -e), std::ldexp(factor.imag(), -e));
        exponent += e;
        Rescale();
    }
    void Multiply(const Complex& factor) {
        const double f = Largest(factor);
        if (f < kLowest || f > kHighest) {
            MultiplyCarefully(factor);
            return;
        }
        // Written out: std::complex's operator* checks for infinities and NaNs on every call.
        value = {value.real() * factor.real() - value.imag() * factor.imag(),
                 value.real() * factor.imag() + value.imag() * factor.real()};
        const double p = Largest(value);
        if (p < kLowest || p > kHighest) Rescale();
    }
};

struct Products {
    ScaledProduct numerator;
    ScaledProduct denominator;
    void Multiply(const Complex& n, const Complex& d) {
        numerator.Multiply(n);
        denominator.Multiply(d);
    }
};

// Analog terms at s = j omega.
Products AnalogProducts(const Cascade& c, double omega) {
    Products products;
    if (c.first) {
        const FirstOrderSection& f = *c.first;
        products.Multiply({f.p2, f.p1 * omega}, {f.p0, omega});
    }
    const double omega2 = omega * omega;
    for (const Section& p : c.sections) {
        products.Multiply({p[4] - p[2] * omega2, p[3] * omega}, {p[1] - omega2, p[0] * omega});
    }
    return products;
}

// Digital terms at zm = exp(-j omega T).
Products DigitalProducts(const Cascade& c, double omega) {
    Products products;
    const double angle = omega * c.samplingPeriod;
    const Complex zm(std::cos(angle), -std::sin(angle));
    const Complex zm2(zm.real() * zm.real() - zm.imag() * zm.imag(), 2 * zm.real() * zm.imag());
    if (c.first) {
        const FirstOrderSection& f = *c.first;
        products.Multiply({f.p1 + f.p2 * zm.real(), f.p2 * zm.imag()},
                          {1 + f.p0 * zm.real(), f.p0 * zm.imag()});
    }
    for (const Section& p : c.sections) {
        products.Multiply(
            {p[2] + p[3] * zm.real() + p[4] * zm2.real(), p[3] * zm.imag() + p[4] * zm2.imag()},
            {1 + p[0] * zm.real() + p[1] * zm2.real(), p[0] * zm.imag() + p[1] * zm2.imag()});
    }
    return products;
}

GainPhase Quotient(Products products) {
    ScaledProduct& n = products.numerator;
    ScaledProduct& d = products.denominator;
    n.Rescale();
    d.Rescale();
    const double ratio = std::norm(n.value) / std::norm(d.value);
    const Complex q = n.value * std::conj(d.value);
    return {10 * std::log10(ratio) + kDbPerOctave * (n.exponent - d.exponent),
            std::atan2(q.imag(), q.real())};
}

}  // namespace

GainPhase GainPhaseAt(const Cascade& cascade, double omega) {
    return Quotient(cascade.IsDigital() ? DigitalProducts(cascade, omega)
                                        : AnalogProducts(cascade, omega));
}

void GainPhaseOver(const Cascade& cascade, std::span<const double> omegas,
                   std::span<GainPhase> out) {
    const std::size_t n = std::min(omegas.size(), out.size());
    for (std::size_t i = 0; i < n; ++i) out[i] = GainPhaseAt(cascade, omegas[i]);
}

double GroupDelayAt(const Cascade&, double) {
    return 0;
}

std::vector<double> GroupDelayOver(const Cascade& cascade, std::span<const double> omegas) {
    std::vector<double> delays;
    delays.reserve(omegas.size());
    for (double omega : omegas) delays.push_back(GroupDelayAt(cascade, omega));
    return delays;
}

std::vector<double> UnwrappedPhaseOver(const Cascade&, std::span<const double> omegas) {
    return std::vector<double>(omegas.size());
}

std::vector<double> LogSpaced(double low, double high, int points) {
    std::vector<double> values(static_cast<std::size_t>(std::max(points, 2)));
    const double ratio = std::log(high / low);
    const double last = static_cast<double>(values.size() - 1);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = low * std::exp(ratio * static_cast<double>(i) / last);
    values.back() = high;
    return values;
}

}  // namespace vorna::analysis
