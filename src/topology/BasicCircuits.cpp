#include "topology/BasicCircuits.h"

namespace vorna {

std::array<int, kBasicCircuitChoiceCount> FirstCircuitIdOfEveryChoice() {
    std::array<int, kBasicCircuitChoiceCount> ids{};
    for (std::size_t choice = 0; choice < ids.size(); ++choice)
        ids[choice] = BasicCircuitId(2 * choice);
    return ids;
}

std::optional<std::size_t> BasicCircuitRowOf(int id) {
    for (std::size_t row = 0; row < kBasicCircuits.size(); ++row) {
        if (BasicCircuitId(row) == id) return row;
    }
    return std::nullopt;
}

std::optional<std::size_t> BasicCircuitRowOf(std::string_view code) {
    for (std::size_t row = 0; row < kBasicCircuits.size(); ++row) {
        if (kBasicCircuits[row].code == code) return row;
    }
    return std::nullopt;
}

}  // namespace vorna
