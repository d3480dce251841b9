#include "design/FilterKinds.h"

#include <array>
#include <utility>

#include "design/Approximations.h"

namespace vorna {

namespace {

constexpr std::array<std::pair<BesselNorm, std::string_view>, 3> kBesselNormNames{{
    {BesselNorm::Magnitude, "mag"},
    {BesselNorm::Delay, "delay"},
    {BesselNorm::Phase, "phase"},
}};

}  // namespace

std::string_view BesselNormName(BesselNorm norm) {
    for (const auto& [named, name] : kBesselNormNames) {
        if (named == norm) return name;
    }
    return {};
}

std::optional<BesselNorm> BesselNormOfName(std::string_view name) {
    for (const auto& [norm, named] : kBesselNormNames) {
        if (named == name) return norm;
    }
    return std::nullopt;
}

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
