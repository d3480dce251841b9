#pragma once
// The failures the module raises as its own Python exceptions: a refused design
// (vorna.DesignError, a ValueError) with its rule, field and limits, and a circuit that could
// not be realised or verified (vorna.CircuitError).

#include <optional>
#include <stdexcept>
#include <string>

namespace vorna::python {

struct DesignFailure : std::runtime_error {
    DesignFailure(const std::string& message, std::string rule, std::optional<std::string> field,
                  std::optional<double> minimum = std::nullopt,
                  std::optional<double> maximum = std::nullopt)
        : std::runtime_error(message),
          rule(std::move(rule)),
          field(std::move(field)),
          minimum(minimum),
          maximum(maximum) {}

    std::string rule;                  // "entry_out_of_range", "band_edges_reversed", ...
    std::optional<std::string> field;  // "fp", "order", ...; none for the design as a whole
    std::optional<double> minimum;
    std::optional<double> maximum;
};

struct CircuitFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A file that could not be read or written (raised as OSError).
struct FileFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace vorna::python
