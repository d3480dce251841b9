#pragma once
// Starting capacitor values of the synthesis, by frequency band (rows) and Q class
// (columns: Q > 3.5, 1.5 < Q <= 3.5, Q <= 1.5), one table per circuit name.

#include <array>
#include <string>

namespace vorna {

// The start capacitors (F) a user may give instead of the tables'.
inline constexpr double kSmallestStartCapacitor = 1e-12;
inline constexpr double kLargestStartCapacitor = 1;

struct InitialValueTable {
    const char* name;
    std::array<std::array<double, 3>, 4> values;
};

extern const InitialValueTable kTableLP1, kTableLP2, kTableLP3, kTableLP4;
extern const InitialValueTable kTableHP1, kTableHP2, kTableHP3, kTableHP4;
extern const InitialValueTable kTableBP1, kTableBP2;

// The starting value for a section at `omega` (rad/s) with `q`, interpolated between the
// band of the frequency and the next one. Sets `rangeLabel` to the table's name, band and class, in
// corner brackets.
double InitialTableValue(const InitialValueTable& table, double omega, double q,
                         std::string& rangeLabel);

}  // namespace vorna
