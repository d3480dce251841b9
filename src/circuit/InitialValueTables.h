#pragma once
// Starting capacitor values of the synthesis, by frequency band (rows) and Q class
// (columns: Q > 3.5, 1.5 < Q <= 3.5, Q <= 1.5), one table per circuit name.

#include <array>

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

// Where a lookup took its value: the table, the frequency band (0..3) and the Q class (0..2).
struct InitialValueRange {
    const char* table = "";
    int band = 0;
    int qClass = 0;
};

struct InitialValue {
    double value = 0;
    InitialValueRange range;
};

// The starting value for a section at `omega` (rad/s) with `q`, interpolated between the
// band of the frequency and the next one, and where in the table it was found.
InitialValue InitialTableValue(const InitialValueTable& table, double omega, double q);

}  // namespace vorna
