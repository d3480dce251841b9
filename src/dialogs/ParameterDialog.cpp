#include "dialogs/ParameterDialog.h"

#include <cmath>

#include "dialogs/DataExchange.h"
#include "platform/CLocale.h"

namespace vorna {

namespace {

// The limit update reads at most this many characters of a frequency text.
constexpr std::size_t kFrequencyTextLimit = 31;

// Factor of a unit combo selection for the limit update; an index past "Meg", or no
// selection at all, counts as GHz.
double SelectionFactor(int index) {
    switch (index) {
        case 0:
            return 0.001;
        case 1:
            return 1;
        case 2:
            return 1000;
        case 3:
            return 1000000;
        default:
            return 1000000000;
    }
}

}  // namespace

ParameterDialog::ParameterDialog(int id, std::string name, const std::string& captionName,
                                 bool besselNorm, int maxOrder)
    : Dialog(ParameterDialogResource(ParameterDialogSpecOf(id), captionName, besselNorm, maxOrder)),
      approximationName(std::move(name)),
      spec_(ParameterDialogSpecOf(id)) {}

void ParameterDialog::DoDataExchange(DataExchange& dx) {
    if (Controls().count(kBesselNormCombo) != 0) dx.ComboText(kBesselNormCombo, besselNormText);
    for (int control : spec_.exchangeOrder) {
        // An edit box with its number and the range the number must lie in.
        auto number = [&dx, control](auto& value, auto minimum, auto maximum) {
            dx.Text(control, value);
            dx.Range(value, minimum, maximum);
        };
        switch (control) {
            case kFpValueEdit:
                number(fpValue, 0.0, kMaxFrequencyNumber);
                break;
            case kFcValueEdit:
                number(fcValue, 0.0, kMaxFrequencyNumber);
                break;
            case kFp1ValueEdit:
                number(fp1Value, 0.0, kMaxFrequencyNumber);
                break;
            case kFp2ValueEdit:
                number(fp2Value, 0.0, kMaxFrequencyNumber);
                break;
            case kFpUnitCombo:
                dx.ComboText(control, fpUnit);
                break;
            case kFp1UnitCombo:
                dx.ComboText(control, fp1Unit);
                break;
            case kFp2UnitCombo:
                dx.ComboText(control, fp2Unit);
                break;
            case kAttpEdit:
                number(attp, 0.0, kMaxAttp);
                break;
            case kAttsEdit:
                number(atts, 0.0, kMaxAtts);
                break;
            case kXsEdit:
                number(xs, 1.0, spec_.xsLimit == XsLimit::Bounds ? xsUpperLimit : kMaxXs);
                break;
            case kOrderEdit:
                number(order, kMinOrderEntry, kMaxOrderEntry);
                break;
            default:
                break;
        }
    }
}

void ParameterDialog::OnInitDialog() {
    if (spec_.caption == ApproximationCaption::Named)
        SetText(kApproximationStatic, approximationName);
    if (spec_.xsLimit != XsLimit::None) ShowXsLimit();
}

void ParameterDialog::OnCommand(int controlId, Notification what) {
    Dialog::OnCommand(controlId, what);
    if (controlId == kGroupDelayButton && what == Notification::Clicked) {
        EndDialog(kGroupDelayButton);
        return;
    }
    if (spec_.xsLimit == XsLimit::None || Ended()) return;
    const bool bandEdgeTyped = what == Notification::TextChanged &&
                               (controlId == kFp1ValueEdit || controlId == kFp2ValueEdit ||
                                (spec_.id == 506 && controlId == kXsEdit));
    const bool unitPicked = what == Notification::SelectionChanged &&
                            (controlId == kFp1UnitCombo || controlId == kFp2UnitCombo);
    if (bandEdgeTyped || unitPicked) UpdateXsLimit();
}

void ParameterDialog::OnOK() {
    const auto filled =
        std::apply([](const auto&... field) { return std::make_tuple(field...); }, Entries());
    if (UpdateData(true)) {
        EndDialog(IDOK);
    } else {
        Entries() = filled;
    }
}

std::optional<double> XsLimitOfTypedEdges(const std::string& fp1Text, int fp1Unit,
                                          const std::string& fp2Text, int fp2Unit) {
    const double fp1 = LeadingNumber(fp1Text.substr(0, kFrequencyTextLimit));
    const double fp2 = LeadingNumber(fp2Text.substr(0, kFrequencyTextLimit));
    if (!(fp1 > 0)) return std::nullopt;
    const double fp1Hz = fp1 * SelectionFactor(fp1Unit);
    const double fp2Hz = fp2 * SelectionFactor(fp2Unit);
    if (!(fp2Hz > fp1Hz)) return std::nullopt;
    return std::sqrt(fp2Hz / fp1Hz);
}

void ParameterDialog::UpdateXsLimit() {
    const std::optional<double> limit =
        XsLimitOfTypedEdges(Text(kFp1ValueEdit), Control(kFp1UnitCombo).selection,
                            Text(kFp2ValueEdit), Control(kFp2UnitCombo).selection);
    if (!limit) return;
    xsUpperLimit = *limit;
    ShowXsLimit();
}

void ParameterDialog::ShowXsLimit() {
    SetText(kXsLimitStatic, Format("%8.4lf", xsUpperLimit));
}

}  // namespace vorna
