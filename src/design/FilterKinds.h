#pragma once
// The filter kinds and approximations of a design. Their values are the ids that users and
// files see (the radio buttons of the filter selection, the JSON `kind` and `approximation`).

#include <optional>

namespace vorna {

enum class FilterKind { LowPass = 101, HighPass = 102, BandPass = 103, BandEliminate = 104 };

enum class Approximation {
    Butterworth = 111,
    Chebyshev = 112,
    InverseChebyshev = 113,
    Elliptic = 114,
};

// The kind or approximation of a stored id; empty for an id that names none.
std::optional<FilterKind> FilterKindOf(int id);
std::optional<Approximation> ApproximationOf(int id);

inline bool IsBand(FilterKind kind) {
    return kind == FilterKind::BandPass || kind == FilterKind::BandEliminate;
}

}  // namespace vorna
