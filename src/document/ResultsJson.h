#pragma once
// The design results of a window as JSON, for other programs: the section coefficients and
// what the presentation derives from them. A number that is not finite is written as null.

#include <nlohmann/json.hpp>

namespace vorna {

class DesignResults;

nlohmann::json DesignResultsJson(const DesignResults& results);

}  // namespace vorna
