#include "analysis/Response.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "design/DesignResults.h"

namespace vorna::analysis {

namespace {

using Complex = std::complex<double>;

// Running products are brought back into [2^-256, 2^256] by a power of two when they
// leave it; factors within [2^-90, 2^90] need no other care, so that a block of kBlock
// of them can neither overflow nor underflow a product.
constexpr double kLowest = 0x1p-256;
constexpr double kHighest = 0x1p+256;
constexpr double kSmallestPlain = 0x1p-90;
constexpr double kLargestPlain = 0x1p+90;
constexpr std::size_t kBlock = 8;
// A factor whose parts are both below this is a zero; it counts as kZeroModulus.
constexpr double kNegligible = 1e-150;
constexpr double kZeroModulus = 1e-30;
const double kDbPerOctave = 20 * std::log10(2.0);

double Largest(const Complex& c) {
    return std::max(std::fabs(c.real()), std::fabs(c.imag()));
}

// A complex number times 2^exponent.
struct ScaledProduct {
    Complex value{1, 0};
    int exponent = 0;

    void Rescale() {
        int e = 0;
        std::frexp(Largest(value), &e);
        value = {std::ldexp(value.real(), -e), std::ldexp(value.imag(), -e)};
        exponent += e;
    }
    void KeepInRange() {
        const double p = Largest(value);
        if (!(p >= kLowest && p <= kHighest)) Rescale();
    }
    // Written out: std::complex's operator* checks for infinities and NaNs on every call.
    void MultiplyPlain(const Complex& f) {
        value = {value.real() * f.real() - value.imag() * f.imag(),
                 value.real() * f.imag() + value.imag() * f.real()};
    }
    // Any factor, a zero or one far from 1 included.
    void MultiplyCarefully(Complex factor) {
        if (std::fabs(factor.real()) < kNegligible && std::fabs(factor.imag()) < kNegligible)
            factor = std::polar(kZeroModulus, std::atan2(factor.imag(), factor.real()));
        int e = 0;
        std::frexp(Largest(factor), &e);
        MultiplyPlain({std::ldexp(factor.real(), -e), std::ldexp(factor.imag(), -e)});
        exponent += e;
        KeepInRange();
    }
};

// The numerators' and the denominators' products. Factors come in blocks: a block whose
// factors all lie in the plain range is multiplied straight away, any other block again
// with care from where it started.
class Products {
public:
    template <typename Factors>
    void MultiplyBlock(std::size_t count, Factors factors) {
        const Products start = *this;
        double smallest = kLargestPlain;
        double largest = kSmallestPlain;
        for (std::size_t i = 0; i < count; ++i) {
            const auto [n, d] = factors(i);
            const double sizeN = std::fabs(n.real()) + std::fabs(n.imag());
            const double sizeD = std::fabs(d.real()) + std::fabs(d.imag());
            smallest = std::min(smallest, std::min(sizeN, sizeD));
            largest = std::max(largest, std::max(sizeN, sizeD));
            numerator_.MultiplyPlain(n);
            denominator_.MultiplyPlain(d);
        }
        if (smallest >= kSmallestPlain && largest <= kLargestPlain) {
            numerator_.KeepInRange();
            denominator_.KeepInRange();
            return;
        }
        *this = start;
        for (std::size_t i = 0; i < count; ++i) {
            const auto [n, d] = factors(i);
            numerator_.MultiplyCarefully(n);
            denominator_.MultiplyCarefully(d);
        }
    }
    // Every factor of `items`, kBlock at a time.
    template <typename Item, typename Factor>
    void MultiplyAll(const std::vector<Item>& items, Factor factor) {
        for (std::size_t begin = 0; begin < items.size(); begin += kBlock) {
            const std::size_t count = std::min(kBlock, items.size() - begin);
            MultiplyBlock(count, [&](std::size_t i) { return factor(items[begin + i]); });
        }
    }
    GainPhase Quotient();

private:
    ScaledProduct numerator_;
    ScaledProduct denominator_;
};

using Factors = std::pair<Complex, Complex>;

// Analog terms at s = j omega.
Products AnalogProducts(const Cascade& c, double omega) {
    Products products;
    if (c.first) {
        const FirstOrderSection& f = *c.first;
        products.MultiplyBlock(1, [&](std::size_t) {
            return Factors{{f.p2, f.p1 * omega}, {f.p0, omega}};
        });
    }
    const double omega2 = omega * omega;
    products.MultiplyAll(c.sections, [omega, omega2](const Section& p) {
        return Factors{{p[4] - p[2] * omega2, p[3] * omega}, {p[1] - omega2, p[0] * omega}};
    });
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
        products.MultiplyBlock(1, [&](std::size_t) {
            return Factors{{f.p1 + f.p2 * zm.real(), f.p2 * zm.imag()},
                           {1 + f.p0 * zm.real(), f.p0 * zm.imag()}};
        });
    }
    products.MultiplyAll(c.sections, [&zm, &zm2](const Section& p) {
        // Summed in this order, the terms are those of the per-section evaluation to the bit.
        return Factors{
            {p[3] * zm.real() + p[4] * zm2.real() + p[2], p[3] * zm.imag() + p[4] * zm2.imag()},
            {p[0] * zm.real() + p[1] * zm2.real() + 1, p[0] * zm.imag() + p[1] * zm2.imag()}};
    });
    return products;
}

GainPhase Products::Quotient() {
    ScaledProduct& n = numerator_;
    ScaledProduct& d = denominator_;
    n.Rescale();
    d.Rescale();
    const double ratio = std::norm(n.value) / std::norm(d.value);
    const Complex q = n.value * std::conj(d.value);
    return {10 * std::log10(ratio) + kDbPerOctave * (n.exponent - d.exponent),
            std::atan2(q.imag(), q.real())};
}

// Re(X' conj X)/|X|^2 for a term X and its derivative X': the rate of change of its angle
// up to the factor of the domain; 0 at an exact zero of X.
double AngleRate(const Complex& x, const Complex& derivative) {
    const double norm = std::norm(x);
    if (norm == 0) return 0;
    return (derivative.real() * x.real() + derivative.imag() * x.imag()) / norm;
}

// tau = sum Re(D'/D) - sum Re(N'/N) at s = j omega (derivatives in s).
double AnalogGroupDelay(const Cascade& c, double omega) {
    double delay = 0;
    if (c.first) {
        const FirstOrderSection& f = *c.first;
        delay += AngleRate({f.p0, omega}, {1, 0}) - AngleRate({f.p2, f.p1 * omega}, {f.p1, 0});
    }
    const double omega2 = omega * omega;
    for (const Section& p : c.sections) {
        delay += AngleRate({p[1] - omega2, p[0] * omega}, {p[0], 2 * omega}) -
                 AngleRate({p[4] - p[2] * omega2, p[3] * omega}, {p[3], 2 * p[2] * omega});
    }
    return delay;
}

// tau = T (sum Re(zm N'/N) - sum Re(zm D'/D)) at zm = exp(-j omega T) (derivatives in zm).
double DigitalGroupDelay(const Cascade& c, double omega) {
    const double angle = omega * c.samplingPeriod;
    const Complex zm(std::cos(angle), -std::sin(angle));
    const Complex zm2 = zm * zm;
    double rate = 0;
    if (c.first) {
        const FirstOrderSection& f = *c.first;
        rate += AngleRate(f.p1 + f.p2 * zm, f.p2 * zm) - AngleRate(1.0 + f.p0 * zm, f.p0 * zm);
    }
    for (const Section& p : c.sections) {
        rate += AngleRate(p[2] + p[3] * zm + p[4] * zm2, p[3] * zm + 2 * p[4] * zm2) -
                AngleRate(1.0 + p[0] * zm + p[1] * zm2, p[0] * zm + 2 * p[1] * zm2);
    }
    return c.samplingPeriod * rate;
}

// The angle of every numerator and (negated) of every denominator, in the cascade's order.
std::vector<double> TermAngles(const Cascade& c, double omega) {
    std::vector<double> angles;
    angles.reserve(2 * static_cast<std::size_t>(c.SectionCount()));
    auto add = [&angles](const Complex& n, const Complex& d) {
        angles.push_back(std::arg(n));
        angles.push_back(-std::arg(d));
    };
    if (c.IsDigital()) {
        const double angle = omega * c.samplingPeriod;
        const Complex zm(std::cos(angle), -std::sin(angle));
        const Complex zm2 = zm * zm;
        if (c.first) add(c.first->p1 + c.first->p2 * zm, 1.0 + c.first->p0 * zm);
        for (const Section& p : c.sections)
            add(p[2] + p[3] * zm + p[4] * zm2, 1.0 + p[0] * zm + p[1] * zm2);
    } else {
        const double omega2 = omega * omega;
        if (c.first) add({c.first->p2, c.first->p1 * omega}, {c.first->p0, omega});
        for (const Section& p : c.sections)
            add({p[4] - p[2] * omega2, p[3] * omega}, {p[1] - omega2, p[0] * omega});
    }
    return angles;
}

}  // namespace

GainPhase GainPhaseAt(const Cascade& cascade, double omega) {
    return (cascade.IsDigital() ? DigitalProducts(cascade, omega) : AnalogProducts(cascade, omega))
        .Quotient();
}

void GainPhaseOver(const Cascade& cascade, std::span<const double> omegas,
                   std::span<GainPhase> out) {
    const std::size_t n = std::min(omegas.size(), out.size());
    for (std::size_t i = 0; i < n; ++i) out[i] = GainPhaseAt(cascade, omegas[i]);
}

double GroupDelayAt(const Cascade& cascade, double omega) {
    return cascade.IsDigital() ? DigitalGroupDelay(cascade, omega)
                               : AnalogGroupDelay(cascade, omega);
}

std::vector<double> GroupDelayOver(const Cascade& cascade, std::span<const double> omegas) {
    std::vector<double> delays;
    delays.reserve(omegas.size());
    for (double omega : omegas) delays.push_back(GroupDelayAt(cascade, omega));
    return delays;
}

std::vector<double> UnwrappedPhaseOver(const Cascade& cascade, std::span<const double> omegas) {
    std::vector<double> phases(omegas.size());
    if (omegas.empty()) return phases;
    // Each term's angle moves by less than pi between neighbouring frequencies (a section
    // has at most two poles and two zeros), so each is unwrapped on its own and summed.
    std::vector<double> previous;
    std::vector<double> offsets;
    for (std::size_t i = 0; i < omegas.size(); ++i) {
        const std::vector<double> angles = TermAngles(cascade, omegas[i]);
        if (i == 0) {
            previous = angles;
            offsets.assign(angles.size(), 0);
        }
        double sum = 0;
        for (std::size_t k = 0; k < angles.size(); ++k) {
            const double step = angles[k] - previous[k];
            offsets[k] -= kTwoPi * std::round(step / kTwoPi);
            previous[k] = angles[k];
            sum += angles[k] + offsets[k];
        }
        phases[i] = sum;
    }
    // Anchored so that the first value is the wrapped phase there.
    const double shift = kTwoPi * std::round(phases[0] / kTwoPi);
    for (double& phase : phases) phase -= shift;
    return phases;
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
