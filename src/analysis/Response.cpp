#include "analysis/Response.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <complex>
#include <cstdint>

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
// The same for squared magnitudes: kBlock factors within [2^-80, 2^80] keep a product from
// within [2^-300, 2^300] inside the normal numbers.
constexpr double kSmallestPlainSquare = 0x1p-80;
constexpr double kLargestPlainSquare = 0x1p+80;
// Frequencies evaluated side by side over a range.
constexpr std::size_t kLanes = 4;
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

    // Scaled by a power of two so that its larger part lies in [0.5, 1).
    void Rescale() {
        const double largest = Largest(value);
        const auto bits = std::bit_cast<std::uint64_t>(largest);
        const int biased = static_cast<int>(bits >> 52);
        int e = 0;
        if (biased > 0 && biased < 2045) {
            // A normal number, as the products are: its exponent read off, and 2^-e built,
            // without calls to the library.
            e = biased - 1022;
            value *= std::bit_cast<double>(static_cast<std::uint64_t>(2045 - biased) << 52);
        } else {
            std::frexp(largest, &e);
            value = {std::ldexp(value.real(), -e), std::ldexp(value.imag(), -e)};
        }
        exponent += e;
    }
    void KeepInRange() {
        const double p = Largest(value);
        if (!(p >= kLowest && p <= kHighest)) Rescale();
    }
    // Any factor, a zero or one far from 1 included.
    void MultiplyCarefully(Complex factor) {
        if (std::fabs(factor.real()) < kNegligible && std::fabs(factor.imag()) < kNegligible)
            factor = std::polar(kZeroModulus, std::atan2(factor.imag(), factor.real()));
        int e = 0;
        std::frexp(Largest(factor), &e);
        const double re = std::ldexp(factor.real(), -e);
        const double im = std::ldexp(factor.imag(), -e);
        value = {value.real() * re - value.imag() * im, value.real() * im + value.imag() * re};
        exponent += e;
        KeepInRange();
    }
};

// A product of squared magnitudes times 2^exponent, brought back into [2^-300, 2^300] by a
// power of two whenever it leaves that range; a factor beyond it is scaled on its own first,
// and one below kNegligible^2 is a zero and counts as kZeroModulus^2.
struct SquaredProduct {
    double value = 1;
    int exponent = 0;

    static constexpr double kLowest = 0x1p-300;
    static constexpr double kHighest = 0x1p+300;

    void Multiply(double factor) {
        if (!(factor >= kLowest && factor <= kHighest)) {
            if (factor < kNegligible * kNegligible) {
                factor = kZeroModulus * kZeroModulus;
            } else {
                int e = 0;
                factor = std::frexp(factor, &e);
                exponent += e;
            }
        }
        value *= factor;
        KeepInRange();
    }
    void KeepInRange() {
        if (!(value >= kLowest && value <= kHighest) && std::isfinite(value)) {
            // A positive normal number: its exponent read off, its mantissa kept in [1, 2).
            const auto bits = std::bit_cast<std::uint64_t>(value);
            exponent += static_cast<int>(bits >> 52) - 1023;
            value = std::bit_cast<double>((bits & ((std::uint64_t{1} << 52) - 1)) |
                                          (std::uint64_t{1023} << 52));
        }
    }
    // 10 log10 of the quotient.
    static double Decibels(const SquaredProduct& numerator, const SquaredProduct& denominator) {
        return 10 * std::log10(numerator.value / denominator.value) +
               kDbPerOctave / 2 * (numerator.exponent - denominator.exponent);
    }
};

using Factors = std::pair<Complex, Complex>;

// The numerators' and the denominators' products at `Lanes` frequencies side by side, held
// part by part in arrays so that the lanes' independent chains share vector registers and
// hide each other's latency. Factors come in blocks: a lane whose factors in a block all lie
// in the plain range multiplies them straight away, any other lane again with care from
// where the block started.
template <std::size_t Lanes>
class Products {
public:
    using Values = std::array<double, Lanes>;

    // factors(i, lane): the numerator and denominator of the block's i-th item at the
    // lane's frequency.
    template <typename FactorsAt>
    void MultiplyBlock(std::size_t count, FactorsAt factors) {
        const Products start = *this;
        Values smallest;
        Values largest;
        smallest.fill(kLargestPlain);
        largest.fill(kSmallestPlain);
        // Locals, which nothing else can alias, for the compiler's sake.
        Values nr = nr_, ni = ni_, dr = dr_, di = di_;
        for (std::size_t i = 0; i < count; ++i) {
            for (std::size_t lane = 0; lane < Lanes; ++lane) {
                const auto [n, d] = factors(i, lane);
                const double sizeN = std::fabs(n.real()) + std::fabs(n.imag());
                const double sizeD = std::fabs(d.real()) + std::fabs(d.imag());
                smallest[lane] = std::min(smallest[lane], std::min(sizeN, sizeD));
                largest[lane] = std::max(largest[lane], std::max(sizeN, sizeD));
                const double nextNr = nr[lane] * n.real() - ni[lane] * n.imag();
                ni[lane] = nr[lane] * n.imag() + ni[lane] * n.real();
                nr[lane] = nextNr;
                const double nextDr = dr[lane] * d.real() - di[lane] * d.imag();
                di[lane] = dr[lane] * d.imag() + di[lane] * d.real();
                dr[lane] = nextDr;
            }
        }
        nr_ = nr;
        ni_ = ni;
        dr_ = dr;
        di_ = di;
        for (std::size_t lane = 0; lane < Lanes; ++lane) {
            const bool plain = smallest[lane] >= kSmallestPlain && largest[lane] <= kLargestPlain;
            ScaledProduct numerator = plain ? Numerator(lane) : start.Numerator(lane);
            ScaledProduct denominator = plain ? Denominator(lane) : start.Denominator(lane);
            if (plain) {
                numerator.KeepInRange();
                denominator.KeepInRange();
            } else {
                for (std::size_t i = 0; i < count; ++i) {
                    const auto [n, d] = factors(i, lane);
                    numerator.MultiplyCarefully(n);
                    denominator.MultiplyCarefully(d);
                }
            }
            Set(lane, numerator, denominator);
        }
    }
    // Every factor of `items`, kBlock at a time; factor(item, lane) as above.
    template <typename Item, typename FactorAt>
    void MultiplyAll(const std::vector<Item>& items, FactorAt factor) {
        for (std::size_t begin = 0; begin < items.size(); begin += kBlock) {
            const std::size_t count = std::min(kBlock, items.size() - begin);
            MultiplyBlock(count, [&](std::size_t i, std::size_t lane) {
                return factor(items[begin + i], lane);
            });
        }
    }
    // Gain (dB) and, when `withPhase`, phase of the quotient at the lane.
    GainPhase Quotient(std::size_t lane, bool withPhase) const;

private:
    ScaledProduct Numerator(std::size_t lane) const { return {{nr_[lane], ni_[lane]}, ne_[lane]}; }
    ScaledProduct Denominator(std::size_t lane) const {
        return {{dr_[lane], di_[lane]}, de_[lane]};
    }
    void Set(std::size_t lane, const ScaledProduct& numerator, const ScaledProduct& denominator) {
        nr_[lane] = numerator.value.real();
        ni_[lane] = numerator.value.imag();
        ne_[lane] = numerator.exponent;
        dr_[lane] = denominator.value.real();
        di_[lane] = denominator.value.imag();
        de_[lane] = denominator.exponent;
    }

    Values nr_ = Ones(), ni_{}, dr_ = Ones(), di_{};
    std::array<int, Lanes> ne_{}, de_{};

    static Values Ones() {
        Values ones;
        ones.fill(1);
        return ones;
    }
};

template <std::size_t Lanes>
using Omegas = std::array<double, Lanes>;

// Analog terms at s = j omega.
template <std::size_t Lanes>
Products<Lanes> AnalogProducts(const Cascade& c, const Omegas<Lanes>& omega) {
    Products<Lanes> products;
    if (c.first) {
        const FirstOrderSection& f = *c.first;
        products.MultiplyBlock(1, [&](std::size_t, std::size_t lane) {
            return Factors{{f.p2, f.p1 * omega[lane]}, {f.p0, omega[lane]}};
        });
    }
    Omegas<Lanes> omega2;
    for (std::size_t lane = 0; lane < Lanes; ++lane) omega2[lane] = omega[lane] * omega[lane];
    products.MultiplyAll(c.sections, [&](const Section& p, std::size_t lane) {
        return Factors{{p.num0 - p.num2 * omega2[lane], p.num1 * omega[lane]},
                       {p.den0 - omega2[lane], p.den1 * omega[lane]}};
    });
    return products;
}

// Digital terms at zm = exp(-j omega T).
template <std::size_t Lanes>
Products<Lanes> DigitalProducts(const Cascade& c, const Omegas<Lanes>& omega) {
    Products<Lanes> products;
    Omegas<Lanes> zr, zi, z2r, z2i;
    for (std::size_t lane = 0; lane < Lanes; ++lane) {
        const double angle = omega[lane] * c.samplingPeriod;
        zr[lane] = std::cos(angle);
        zi[lane] = -std::sin(angle);
        z2r[lane] = zr[lane] * zr[lane] - zi[lane] * zi[lane];
        z2i[lane] = 2 * zr[lane] * zi[lane];
    }
    if (c.first) {
        const FirstOrderSection& f = *c.first;
        products.MultiplyBlock(1, [&](std::size_t, std::size_t lane) {
            return Factors{{f.p1 + f.p2 * zr[lane], f.p2 * zi[lane]},
                           {1 + f.p0 * zr[lane], f.p0 * zi[lane]}};
        });
    }
    products.MultiplyAll(c.sections, [&](const Section& p, std::size_t lane) {
        // Summed in this order, the terms are those of the per-section evaluation to the bit.
        return Factors{
            {p.num1 * zr[lane] + p.num0 * z2r[lane] + p.num2,
             p.num1 * zi[lane] + p.num0 * z2i[lane]},
            {p.den1 * zr[lane] + p.den0 * z2r[lane] + 1, p.den1 * zi[lane] + p.den0 * z2i[lane]}};
    });
    return products;
}

template <std::size_t Lanes>
Products<Lanes> ProductsAt(const Cascade& c, const Omegas<Lanes>& omega) {
    return c.IsDigital() ? DigitalProducts(c, omega) : AnalogProducts(c, omega);
}

template <std::size_t Lanes>
GainPhase Products<Lanes>::Quotient(std::size_t lane, bool withPhase) const {
    ScaledProduct n = Numerator(lane);
    ScaledProduct d = Denominator(lane);
    n.Rescale();
    d.Rescale();
    const double ratio = std::norm(n.value) / std::norm(d.value);
    const double gainDb = 10 * std::log10(ratio) + kDbPerOctave * (n.exponent - d.exponent);
    if (!withPhase) return {gainDb, 0};
    const Complex q = n.value * std::conj(d.value);
    return {gainDb, std::atan2(q.imag(), q.real())};
}

// Every omega's products, four frequencies side by side; `store(i, products, lane)` keeps
// the i-th.
template <typename Store>
void OverOmegas(const Cascade& cascade, std::span<const double> omegas, std::size_t n,
                Store store) {
    for (std::size_t begin = 0; begin < n; begin += kLanes) {
        // A short last group repeats its last frequency.
        const std::size_t count = std::min(kLanes, n - begin);
        Omegas<kLanes> group;
        for (std::size_t lane = 0; lane < kLanes; ++lane)
            group[lane] = omegas[begin + std::min(lane, count - 1)];
        const Products<kLanes> products = ProductsAt(cascade, group);
        for (std::size_t lane = 0; lane < count; ++lane) store(begin + lane, products, lane);
    }
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
        delay +=
            AngleRate({p.den0 - omega2, p.den1 * omega}, {p.den1, 2 * omega}) -
            AngleRate({p.num0 - p.num2 * omega2, p.num1 * omega}, {p.num1, 2 * p.num2 * omega});
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
        rate += AngleRate(p.num2 + p.num1 * zm + p.num0 * zm2, p.num1 * zm + 2 * p.num0 * zm2) -
                AngleRate(1.0 + p.den1 * zm + p.den0 * zm2, p.den1 * zm + 2 * p.den0 * zm2);
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
            add(p.num2 + p.num1 * zm + p.num0 * zm2, 1.0 + p.den1 * zm + p.den0 * zm2);
    } else {
        const double omega2 = omega * omega;
        if (c.first) add({c.first->p2, c.first->p1 * omega}, {c.first->p0, omega});
        for (const Section& p : c.sections)
            add({p.num0 - p.num2 * omega2, p.num1 * omega}, {p.den0 - omega2, p.den1 * omega});
    }
    return angles;
}

}  // namespace

GainPhase GainPhaseAt(const Cascade& cascade, double omega) {
    return ProductsAt<1>(cascade, {omega}).Quotient(0, true);
}

void GainPhaseOver(const Cascade& cascade, std::span<const double> omegas,
                   std::span<GainPhase> out) {
    OverOmegas(cascade, omegas, std::min(omegas.size(), out.size()),
               [&](std::size_t i, const Products<kLanes>& products, std::size_t lane) {
                   out[i] = products.Quotient(lane, true);
               });
}

void GainOver(const Cascade& cascade, std::span<const double> omegas, std::span<double> gainsDb) {
    const std::size_t n = std::min(omegas.size(), gainsDb.size());
    if (cascade.IsDigital()) {
        OverOmegas(cascade, omegas, n,
                   [&](std::size_t i, const Products<kLanes>& products, std::size_t lane) {
                       gainsDb[i] = products.Quotient(lane, false).gainDb;
                   });
        return;
    }
    for (std::size_t begin = 0; begin < n; begin += kLanes) {
        // A short last group repeats its last frequency.
        const std::size_t count = std::min(kLanes, n - begin);
        Omegas<kLanes> omega, omega2;
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            omega[lane] = omegas[begin + std::min(lane, count - 1)];
            omega2[lane] = omega[lane] * omega[lane];
        }
        std::array<SquaredProduct, kLanes> numerators, denominators;
        if (cascade.first) {
            const FirstOrderSection& f = *cascade.first;
            for (std::size_t lane = 0; lane < kLanes; ++lane) {
                const double ni = f.p1 * omega[lane];
                numerators[lane].Multiply(f.p2 * f.p2 + ni * ni);
                denominators[lane].Multiply(f.p0 * f.p0 + omega2[lane]);
            }
        }
        // The squared magnitudes of a section's terms at the lane's frequency.
        const auto squares = [&](const Section& p, std::size_t lane) {
            const double nr = p.num0 - p.num2 * omega2[lane], ni = p.num1 * omega[lane];
            const double dr = p.den0 - omega2[lane], di = p.den1 * omega[lane];
            return std::pair{nr * nr + ni * ni, dr * dr + di * di};
        };
        // Sections in blocks: a lane whose factors in a block all lie within the plain range
        // multiplies them straight away (a block of them cannot take a product from within
        // [2^-300, 2^300] out of the normal numbers), any other lane again with care.
        const std::vector<Section>& sections = cascade.sections;
        for (std::size_t first = 0; first < sections.size(); first += kBlock) {
            const std::size_t end = std::min(sections.size(), first + kBlock);
            std::array<double, kLanes> n, d, smallest, largest;
            for (std::size_t lane = 0; lane < kLanes; ++lane) {
                n[lane] = numerators[lane].value;
                d[lane] = denominators[lane].value;
                smallest[lane] = kLargestPlainSquare;
                largest[lane] = kSmallestPlainSquare;
            }
            for (std::size_t i = first; i < end; ++i) {
                for (std::size_t lane = 0; lane < kLanes; ++lane) {
                    const auto [n2, d2] = squares(sections[i], lane);
                    smallest[lane] = std::min(smallest[lane], std::min(n2, d2));
                    largest[lane] = std::max(largest[lane], std::max(n2, d2));
                    n[lane] *= n2;
                    d[lane] *= d2;
                }
            }
            for (std::size_t lane = 0; lane < kLanes; ++lane) {
                if (smallest[lane] >= kSmallestPlainSquare &&
                    largest[lane] <= kLargestPlainSquare) {
                    numerators[lane].value = n[lane];
                    denominators[lane].value = d[lane];
                    numerators[lane].KeepInRange();
                    denominators[lane].KeepInRange();
                    continue;
                }
                for (std::size_t i = first; i < end; ++i) {
                    const auto [n2, d2] = squares(sections[i], lane);
                    numerators[lane].Multiply(n2);
                    denominators[lane].Multiply(d2);
                }
            }
        }
        for (std::size_t lane = 0; lane < count; ++lane)
            gainsDb[begin + lane] = SquaredProduct::Decibels(numerators[lane], denominators[lane]);
    }
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
