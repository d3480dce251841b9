#include "circuit/InitialValueTables.h"

#include <algorithm>
#include <cmath>

namespace vorna {

namespace {

constexpr std::array<std::array<double, 3>, 4> kSameInRow(double b0, double b1, double b2,
                                                          double b3) {
    return {{{b0, b0, b0}, {b1, b1, b1}, {b2, b2, b2}, {b3, b3, b3}}};
}

// The lookup's own 2π, kept apart from the design code's.
constexpr double kLookupTwoPi = 6.283184;

}  // namespace

const InitialValueTable kTableLP1{
    "LP1", {{{1e-8, 1e-9, 5e-10}, {1e-9, 1e-10, 1e-10}, {1e-9, 1e-9, 1e-10}, {1e-9, 1e-9, 1e-10}}}};
const InitialValueTable kTableLP2{
    "LP2", {{{1e-8, 1e-9, 1e-9}, {1e-9, 1e-9, 1e-9}, {1e-9, 1e-9, 1e-10}, {1e-9, 1e-10, 1e-10}}}};
const InitialValueTable kTableLP3{"LP3",
                                  {{{1e-7, 8.2e-8, 3e-8},
                                    {1.2e-8, 9e-9, 4e-9},
                                    {1.2e-9, 9e-10, 4e-10},
                                    {1.8e-10, 1e-10, 4e-11}}}};
const InitialValueTable kTableLP4{
    "LP4", {{{1.5e-6, 5e-7, 5e-8}, {1e-7, 5e-8, 1e-8}, {1e-8, 5e-9, 1e-9}, {1e-9, 5e-10, 1e-10}}}};
const InitialValueTable kTableHP1{"HP1", kSameInRow(1e-9, 1e-10, 5e-11, 3e-11)};
const InitialValueTable kTableHP2{"HP2", kSameInRow(1e-9, 1e-10, 5e-11, 3e-11)};
const InitialValueTable kTableHP3{"HP3", kSameInRow(1e-9, 1e-10, 5e-11, 3e-11)};
const InitialValueTable kTableHP4{"HP4", kSameInRow(1e-9, 1e-10, 7.5e-11, 2e-10)};
const InitialValueTable kTableBP1{"BP1", kSameInRow(1e-9, 1e-10, 5e-11, 3e-11)};
const InitialValueTable kTableBP2{"BP2", kSameInRow(1e-9, 1e-10, 5e-11, 3e-11)};

InitialValue InitialTableValue(const InitialValueTable& table, double omega, double q) {
    // Bring the frequency up to at least 1 kHz, remembering the scale.
    double f = omega / kLookupTwoPi;
    if (!(f >= 0.001)) f = 0.001;
    double scale = 1;
    while (f < 1000) {
        f *= 10;
        scale *= 10;
    }
    int band = 3;
    double base = 1e6;
    if (f < 1e4) {
        band = 0;
        base = 1000;
    } else if (f < 1e5) {
        band = 1;
        base = 1e4;
    } else if (f < 1e6) {
        band = 2;
        base = 1e5;
    }
    const int qClass = q > 3.5 ? 0 : (q > 1.5 ? 1 : 2);
    const auto b = static_cast<std::size_t>(band);
    const auto h = static_cast<std::size_t>(qClass);
    double v = table.values[b][h];
    if (f > 3.5e6) v /= 10;
    if (band < 3 && table.values[b][h] != table.values[b + 1][h]) {
        const double m = table.values[b][h];
        const double t = table.values[b + 1][h];
        const double u = std::pow(1 - std::log10(f / base), 2);
        v = m > t ? std::clamp((m + t) * u, t, m) : std::clamp((m + t) * (1 - u), m, t);
    }
    return {v * scale, {table.name, band, qClass}};
}

}  // namespace vorna
