#include "circuit/ESeries.h"

namespace vorna {

ESeriesState::ESeriesState() = default;

}  // namespace vorna
