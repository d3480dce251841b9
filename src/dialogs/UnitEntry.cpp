#include "dialogs/UnitEntry.h"

#include <optional>

#include "circuit/EngValue.h"
#include "platform/Ui.h"

namespace vorna {

namespace {

void Apply(Ui& ui, std::optional<double> scaled, TextId message, double& value, double mantissa) {
    if (!scaled) ui.MessageBox(message, MessageButtons::Ok);
    value = scaled.value_or(mantissa);
}

}  // namespace

void ApplyEngUnit(Ui& ui, double& value, double mantissa, const std::string& unit) {
    Apply(ui, ScaleByEngUnit(mantissa, unit), TextId::UnitSymbolsComponent, value, mantissa);
}

void ApplyFrequencyUnit(Ui& ui, double& value, double mantissa, const std::string& unit) {
    Apply(ui, ScaleByFrequencyUnit(mantissa, unit), TextId::UnitSymbolsFrequency, value, mantissa);
}

}  // namespace vorna
