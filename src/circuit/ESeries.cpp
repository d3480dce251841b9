#include "circuit/ESeries.h"

#include <cmath>

namespace vorna {

namespace {

// IEC 60063 values in hundredths (E6 .. E24 have two significant digits, E48 and E96 three).
constexpr std::array<int, 6> kE6 = {100, 150, 220, 330, 470, 680};
constexpr std::array<int, 12> kE12 = {100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820};
constexpr std::array<int, 24> kE24 = {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                      330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
constexpr std::array<int, 48> kE48 = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                      178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                      316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                      562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<int, 96> kE96 = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

// Both decades as doubles; dividing the exact integers gives the same doubles as the
// decimal literals would.
template <std::size_t N>
std::array<double, 2 * N> TwoDecades(const std::array<int, N>& hundredths) {
    std::array<double, 2 * N> table{};
    for (std::size_t i = 0; i < N; ++i) {
        table[i] = hundredths[i] / 100.0;
        table[i + N] = hundredths[i] / 10.0;
    }
    return table;
}

// Relative deviations this small are the rounding noise of the decade split, not a
// difference from the series value.
constexpr double kDeviationNoise = 1e-12;

}  // namespace

const double* SeriesTable(int series) {
    static const auto e6 = TwoDecades(kE6);
    static const auto e12 = TwoDecades(kE12);
    static const auto e24 = TwoDecades(kE24);
    static const auto e48 = TwoDecades(kE48);
    static const auto e96 = TwoDecades(kE96);
    switch (series) {
        case 1:
            return e6.data();
        case 2:
            return e12.data();
        case 3:
            return e24.data();
        case 4:
            return e48.data();
        case 5:
            return e96.data();
        default:
            return nullptr;
    }
}

int SeriesSize(int series) {
    return 6 << (series - 1);
}

ESeriesState::ESeriesState() : eTable(SeriesTable(3)) {}

SeriesPosition ESeriesState::NearestSeriesValue(double v) const {
    SeriesPosition position;
    if (!(v > 0) || !std::isfinite(v)) {
        position.decade = 0;
        return position;
    }
    // Decade exponent a and mantissa b in [1, 10).
    int a = static_cast<int>(std::floor(std::log10(v)));
    double b = v / std::pow(10.0, a);
    if (b < 1) {
        --a;
        b = v / std::pow(10.0, a);
    } else if (b >= 10) {
        ++a;
        b = v / std::pow(10.0, a);
    }
    const int n = eSize;
    int p = static_cast<int>(n * std::log10(b) + 0.5);
    if (p > n) p = n;
    while (p > 0 && b < eTable[p]) --p;
    const double below = (b - eTable[p]) / b;
    const double above = (eTable[p + 1] - b) / b;
    double d = below;
    if (below > above) {
        ++p;
        d = above;
    }
    if (p >= n) {
        ++a;
        p -= n;
    }
    position.decade = std::pow(10.0, a);
    position.index = p;
    position.deviation = d < kDeviationNoise ? 0.0 : d;
    return position;
}

double ESeriesState::SeriesCeiling(double v, SeriesPosition& position) const {
    position = NearestSeriesValue(v);
    if (eTable[position.index] * position.decade < v) {
        ++position.index;
        if (position.index >= eSize) {
            position.decade *= 10;
            position.index -= eSize;
        }
    }
    return eTable[position.index] * position.decade;
}

int ESeriesState::SetSeries(int code, int position) {
    if (code == eSeries) return position;
    bool makeDefault = false;
    if (code > 10) {
        code -= 10;
        makeDefault = true;
    }
    const double x = eTable[position];
    if (const double* table = SeriesTable(code)) {
        eTable = table;
        eSeries = code;
        eSize = SeriesSize(code);
    }
    const int translated = NearestSeriesValue(x).index;
    if (makeDefault) eDefault = eSeries;
    return translated;
}

std::string SeriesOfValue(double value) {
    if (!(value > 0) || !std::isfinite(value)) return "";
    for (int series = 1; series <= 5; ++series) {
        const double* table = SeriesTable(series);
        for (int i = 0; i < SeriesSize(series); ++i) {
            const double ratio = value / table[i];
            const double decade = std::pow(10.0, std::round(std::log10(ratio)));
            if (std::fabs(ratio / decade - 1) < 1e-9)
                return "E" + std::to_string(SeriesSize(series));
        }
    }
    return "";
}

}  // namespace vorna
