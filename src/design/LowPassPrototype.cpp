#include "design/LowPassPrototype.h"

#include <cmath>

namespace vorna {

namespace {

bool PositiveFinite(double x) {
    return std::isfinite(x) && x > 0;
}

}  // namespace

bool LowPassPrototype::IsUsable() const {
    if (pairs.empty()) return false;
    if (odd && !PositiveFinite(sigma)) return false;
    if (sectionGain && !PositiveFinite(*sectionGain)) return false;
    for (const PrototypePair& pair : pairs) {
        if (!PositiveFinite(pair.r) || !PositiveFinite(pair.q)) return false;
        if (hasZeros && (!PositiveFinite(pair.zero) || !PositiveFinite(pair.hfGain))) return false;
    }
    return true;
}

double InvSinh(double x) {
    return std::log(x + std::sqrt(x * x + 1.0));
}

}  // namespace vorna
