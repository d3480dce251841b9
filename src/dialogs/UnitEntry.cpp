#include "dialogs/UnitEntry.h"

#include <optional>

#include "circuit/EngValue.h"
#include "platform/Ui.h"

namespace vorna {

namespace {

const char kComponentUnitMessage[] =
    "単位の記号は次に示すものが使用出来ます\n\nf p n u m (なし) K Meg G T";
const char kFrequencyUnitMessage[] =
    "単位の記号は次に示すものが使用出来ます\n\nmHz (なし) KHz Meg GHz";

void Apply(Ui& ui, std::optional<double> scaled, const char* message, double& value,
           double mantissa) {
    if (!scaled) ui.MessageBox(message, MessageButtons::Ok);
    value = scaled.value_or(mantissa);
}

}  // namespace

void ApplyEngUnit(Ui& ui, double& value, double mantissa, const std::string& unit) {
    Apply(ui, ScaleByEngUnit(mantissa, unit), kComponentUnitMessage, value, mantissa);
}

void ApplyFrequencyUnit(Ui& ui, double& value, double mantissa, const std::string& unit) {
    Apply(ui, ScaleByFrequencyUnit(mantissa, unit), kFrequencyUnitMessage, value, mantissa);
}

}  // namespace vorna
