#include "design/FilterKinds.h"

namespace vorna {

std::optional<FilterKind> FilterKindOf(int id) {
    if (id < static_cast<int>(FilterKind::LowPass) ||
        id > static_cast<int>(FilterKind::BandEliminate)) {
        return std::nullopt;
    }
    return static_cast<FilterKind>(id);
}

std::optional<Approximation> ApproximationOf(int id) {
    if (id < static_cast<int>(Approximation::Butterworth) ||
        id > static_cast<int>(Approximation::Elliptic)) {
        return std::nullopt;
    }
    return static_cast<Approximation>(id);
}

}  // namespace vorna
