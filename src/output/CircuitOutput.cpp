#include "output/CircuitOutput.h"

#include "platform/CLocale.h"

namespace vorna {

CircuitOutput::CircuitOutput() = default;

void CircuitOutput::SetComponentValue(const char* nameFormat, int section, double value) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    elementValues.push_back({Format(nameFormat, section), value});
#pragma GCC diagnostic pop
}

}  // namespace vorna
