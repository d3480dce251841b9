#include "design/FrequencyTransformation.h"

#include <algorithm>
#include <cmath>

#include "design/DesignResults.h"
#include "design/LowPassPrototype.h"
#include "design/OrderLimits.h"

namespace vorna {

namespace {

constexpr double kSqrt2 = 1.4142135623730951;

bool Transformable(const LowPassPrototype& prototype, const DesignResults& results) {
    return prototype.IsUsable() && std::isfinite(results.omegaC) && results.omegaC > 0;
}

// Makes room for sections 0 .. count - 1; sections added are zero.
void UseSections(DesignResults& results, size_t count) {
    if (results.sections.size() < count) results.sections.resize(count);
}

// The band filters realise twice the prototype's order in as many sections.
size_t BandSectionCount(const LowPassPrototype& prototype) {
    return (prototype.odd ? 1 : 0) + 2 * prototype.pairs.size();
}

// The band filter's order must stay within the limit.
bool BandTransformable(const LowPassPrototype& prototype, const DesignResults& results) {
    return Transformable(prototype, results) &&
           BandSectionCount(prototype) <= static_cast<size_t>(kMaxOrder) &&
           std::isfinite(results.bandwidth) && results.bandwidth >= 0;
}

// Writes the denominators of a transformed pair into its two sections.
PolePairSplit SetPairDenominators(double b, double q, double w, Section& a, Section& c) {
    const PolePairSplit split = SplitPolePair(b, q, w);
    a.den1 = split.alpha * split.d;
    a.den0 = split.alpha * w * w;
    c.den1 = split.d;
    c.den0 = w * w / split.alpha;
    return split;
}

void KeepSectionGain(const LowPassPrototype& prototype, DesignResults& results, double pairGain) {
    results.sectionGain = prototype.sectionGain.value_or(pairGain);
}

}  // namespace

PolePairSplit SplitPolePair(double b, double q, double w) {
    const double qw = q * w;
    const double bq = b * q;
    const double d = 16 * (qw * w) * (qw * w) + 8 * (bq * w) * (bq * w) + (b * bq) * (b * bq) -
                     4 * (b * w) * (b * w);
    const double rootD = std::sqrt(std::max(0.0, d));
    // A pole pair close to the real axis (q near 1/2) narrowly keeps this sum positive;
    // rounding must not turn it into the root of a negative number.
    const double e = std::sqrt(std::max(0.0, q * rootD + 4 * qw * qw + bq * bq - 2 * w * w));
    PolePairSplit split;
    split.alpha = (b * bq + kSqrt2 * b * e + rootD) / (4 * qw * w);
    split.d = b / ((split.alpha + 1) * q);
    return split;
}

double SplitZeroPair(double x, double w) {
    return (std::sqrt(4 * w * w + x * x) * x + 2 * w * w + x * x) / (2 * w * w);
}

void LowPassFromPrototype(const LowPassPrototype& prototype, DesignResults& results) {
    if (!Transformable(prototype, results)) return;
    UseSections(results, prototype.pairs.size());
    const double w = results.omegaC;
    if (prototype.odd) {
        results.p0 = prototype.sigma * w;
        results.p2 = results.p0;
    }
    for (size_t i = 0; i < prototype.pairs.size(); ++i) {
        const PrototypePair& pair = prototype.pairs[i];
        Section& section = results.sections[i];
        const double omega0 = pair.r * w;
        section.den1 = omega0 / pair.q;
        section.den0 = omega0 * omega0;
        if (prototype.hasZeros) {
            const double zero = pair.zero * w;
            section.num2 = pair.hfGain;
            section.num0 = pair.hfGain * zero * zero;
        } else {
            section.num0 = omega0 * omega0;
        }
    }
    if (prototype.sectionGain) results.sectionGain = *prototype.sectionGain;
}

void HighPassFromPrototype(const LowPassPrototype& prototype, DesignResults& results) {
    if (!Transformable(prototype, results)) return;
    UseSections(results, prototype.pairs.size());
    const double w = results.omegaC;
    results.p1 = 1;
    if (prototype.odd) results.p0 = w / prototype.sigma;
    for (size_t i = 0; i < prototype.pairs.size(); ++i) {
        const PrototypePair& pair = prototype.pairs[i];
        Section& section = results.sections[i];
        const double omega0 = w / pair.r;
        section.den1 = omega0 / pair.q;
        section.den0 = omega0 * omega0;
        if (prototype.hasZeros) {
            const double zero = w / pair.zero;
            section.num2 = pair.hfGain * (pair.zero / pair.r) * (pair.zero / pair.r);
            section.num0 = section.num2 * zero * zero;
        } else {
            section.num2 = 1;
        }
    }
    if (prototype.sectionGain) results.sectionGain = *prototype.sectionGain;
}

void BandPassFromPrototype(const LowPassPrototype& prototype, DesignResults& results) {
    if (!BandTransformable(prototype, results)) return;
    UseSections(results, std::max(BandSectionCount(prototype),
                                  static_cast<size_t>(std::max(results.resultOrder, 0))));
    const double w = results.omegaC;
    const double bw = results.bandwidth;
    size_t next = 0;
    if (prototype.odd) {
        Section& section = results.sections[next++];
        section.den1 = bw * prototype.sigma;
        section.den0 = w * w;
        section.num1 = bw * prototype.sigma;
    }
    for (const PrototypePair& pair : prototype.pairs) {
        Section& a = results.sections[next++];
        Section& c = results.sections[next++];
        const double b = bw * pair.r;
        const PolePairSplit split = SetPairDenominators(b, pair.q, w, a, c);
        const double rootAlpha = std::sqrt(split.alpha);
        if (!prototype.hasZeros) {
            // Numerators b sqrt(alpha) s and b / sqrt(alpha) s: unity gain at the centre.
            a.num1 = b * rootAlpha;
            c.num1 = b / rootAlpha;
            KeepSectionGain(prototype, results, (split.alpha + 1) * pair.q / rootAlpha);
            continue;
        }
        const double beta = SplitZeroPair(pair.zero * bw, w);
        const double gain = std::sqrt(pair.hfGain * beta / split.alpha);
        a.num2 = split.alpha * gain / beta;
        a.num0 = a.num2 * w * w * beta;
        c.num2 = gain;
        c.num0 = gain * w * w / beta;
        KeepSectionGain(prototype, results, gain);
    }
    results.sectionLast = results.resultOrder - 1;
}

void BandEliminateFromPrototype(const LowPassPrototype& prototype, DesignResults& results) {
    if (!BandTransformable(prototype, results)) return;
    UseSections(results, std::max(BandSectionCount(prototype),
                                  static_cast<size_t>(std::max(results.resultOrder, 0))));
    const double w = results.omegaC;
    const double bw = results.bandwidth;
    size_t next = 0;
    if (prototype.odd) {
        Section& section = results.sections[next++];
        section.den1 = bw / prototype.sigma;
        section.den0 = w * w;
        section.num2 = 1;
        section.num0 = w * w;
    }
    for (const PrototypePair& pair : prototype.pairs) {
        Section& a = results.sections[next++];
        Section& c = results.sections[next++];
        const PolePairSplit split = SetPairDenominators(bw / pair.r, pair.q, w, a, c);
        const double rootAlpha = std::sqrt(split.alpha);
        if (!prototype.hasZeros) {
            // Numerators sqrt(alpha) (s^2 + W^2) and (s^2 + W^2) / sqrt(alpha).
            a.num2 = rootAlpha;
            a.num0 = rootAlpha * w * w;
            c.num2 = 1 / rootAlpha;
            c.num0 = w * w / rootAlpha;
            KeepSectionGain(prototype, results, rootAlpha);
            continue;
        }
        const double beta = SplitZeroPair(bw / pair.zero, w);
        const double gain =
            pair.zero * std::sqrt(split.alpha * pair.hfGain / (pair.r * pair.r * beta));
        a.num2 = gain;
        a.num0 = gain * w * w * beta;
        c.num2 = gain * beta / split.alpha;
        c.num0 = c.num2 * w * w / beta;
        KeepSectionGain(prototype, results, gain);
    }
    results.sectionLast = results.resultOrder - 1;
}

}  // namespace vorna
