#include "design/AllPolePrototype.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vorna {

namespace {

// Halving or doubling the frequency this often goes past the range of double.
constexpr int kBracketSteps = 1100;
constexpr int kBisectionSteps = 200;

}  // namespace

LowPassPrototype AllPolePrototype(const std::vector<ExtendedComplex>& poles, long double scale) {
    LowPassPrototype prototype;
    if (poles.empty()) return prototype;
    prototype.odd = poles.size() % 2 != 0;
    // The real pole of an odd order is the one nearest the real axis; the pairs are the
    // others above it.
    auto nearestReal = poles.end();
    if (prototype.odd) {
        nearestReal = std::min_element(poles.begin(), poles.end(), [](auto a, auto b) {
            return std::abs(a.imag()) < std::abs(b.imag());
        });
        prototype.sigma = static_cast<double>(-nearestReal->real() / scale);
    }
    for (auto pole = poles.begin(); pole != poles.end(); ++pole) {
        if (pole == nearestReal || pole->imag() <= 0) continue;
        const long double r = std::abs(*pole) / scale;
        const long double sigma = -pole->real() / scale;
        prototype.pairs.push_back({static_cast<double>(r), static_cast<double>(r / (2 * sigma))});
    }
    std::sort(prototype.pairs.begin(), prototype.pairs.end(),
              [](const PrototypePair& a, const PrototypePair& b) { return a.q > b.q; });
    return prototype;
}

double PrototypeAttenuation(const LowPassPrototype& prototype, double omega) {
    const double w2 = omega * omega;
    double db = prototype.odd ? 10 * std::log10(1 + w2 / (prototype.sigma * prototype.sigma)) : 0;
    for (const PrototypePair& pair : prototype.pairs) {
        const double r2 = pair.r * pair.r;
        const double damping = pair.r * omega / pair.q;
        db += 10 * std::log10(((r2 - w2) * (r2 - w2) + damping * damping) / (r2 * r2));
    }
    return db;
}

double PrototypeEdge(const LowPassPrototype& prototype, double attenuation) {
    if (!(attenuation > 0)) return 0;
    double low = 1;
    double high = 1;
    for (int i = 0; i < kBracketSteps && PrototypeAttenuation(prototype, low) > attenuation; ++i)
        low /= 2;
    for (int i = 0; i < kBracketSteps && PrototypeAttenuation(prototype, high) < attenuation; ++i)
        high *= 2;
    if (!(PrototypeAttenuation(prototype, high) >= attenuation))
        return std::numeric_limits<double>::infinity();
    for (int i = 0; i < kBisectionSteps; ++i) {
        const double middle = std::sqrt(low * high);
        if (!(middle > low && middle < high)) break;
        (PrototypeAttenuation(prototype, middle) < attenuation ? low : high) = middle;
    }
    return std::sqrt(low * high);
}

}  // namespace vorna
