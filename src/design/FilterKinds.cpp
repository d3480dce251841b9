#include "design/FilterKinds.h"

#include "design/Approximations.h"

namespace vorna {

std::optional<FilterKind> FilterKindOf(int id) {
    if (id < static_cast<int>(FilterKind::LowPass) ||
        id > static_cast<int>(FilterKind::BandEliminate)) {
        return std::nullopt;
    }
    return static_cast<FilterKind>(id);
}

std::optional<Approximation> ApproximationOf(int id) {
    for (const ApproximationRow& row : Approximations()) {
        if (static_cast<int>(row.id) == id) return row.id;
    }
    return std::nullopt;
}

}  // namespace vorna
