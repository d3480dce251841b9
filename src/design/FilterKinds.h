#pragma once
// The filter kinds and approximations of a design. Their values are the ids that users and
// files see (the radio buttons of the filter selection, the JSON `kind` and `approximation`).

#include <optional>
#include <string_view>

namespace vorna {

enum class FilterKind { LowPass = 101, HighPass = 102, BandPass = 103, BandEliminate = 104 };

enum class Approximation {
    Butterworth = 111,
    Chebyshev = 112,
    InverseChebyshev = 113,
    Elliptic = 114,
    Bessel = 116,
    Legendre = 117,
};

// What the cut-off of a Bessel design fixes: its gain of -3.01 dB (Magnitude), its group
// delay at DC of 1 / wc (Delay), or the high-frequency asymptote of its phase, that of the
// Butterworth design of the same order and cut-off (Phase).
enum class BesselNorm { Magnitude, Delay, Phase };

// The normalisation's name as the command line and design files write it (mag, delay,
// phase), and the normalisation of a name; empty for a name that names none.
std::string_view BesselNormName(BesselNorm norm);
std::optional<BesselNorm> BesselNormOfName(std::string_view name);

// The kind or approximation of a stored id; empty for an id that names none.
std::optional<FilterKind> FilterKindOf(int id);
std::optional<Approximation> ApproximationOf(int id);

inline bool IsBand(FilterKind kind) {
    return kind == FilterKind::BandPass || kind == FilterKind::BandEliminate;
}

}  // namespace vorna
