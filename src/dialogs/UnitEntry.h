#pragma once
// A value typed into a dialog as a mantissa and a unit: the unit's factor applied, or a unit
// that is not one of the table's reported to the user.

#include <string>

namespace vorna {

class Ui;

// value = mantissa * factor of `unit`; an unknown unit is reported and taken as factor 1.
void ApplyEngUnit(Ui& ui, double& value, double mantissa, const std::string& unit);
// The same for the frequency units.
void ApplyFrequencyUnit(Ui& ui, double& value, double mantissa, const std::string& unit);

}  // namespace vorna
