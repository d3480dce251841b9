// The design procedures of the parameter dialogs (one row each in kParameterDialogs): the
// document's side of their loop. The design API checks the entries and designs; the
// procedure shows its notices and refusals and keeps what a refused design took over.

#include <algorithm>
#include <cmath>
#include <string>

#include "app/DesignDocument.h"
#include "app/DesignNoticeMessages.h"
#include "circuit/EngValue.h"
#include "design/Approximations.h"
#include "design/GroupDelayOrder.h"
#include "dialogs/FilterSelectDialog.h"
#include "dialogs/GroupDelayDialog.h"
#include "dialogs/ParameterDialog.h"
#include "platform/CLocale.h"
#include "text/Message.h"

namespace vorna {

namespace {

bool IsBand(const DesignDocument& doc) {
    return doc.kind == kBandPass || doc.kind == kBandEliminate;
}

// A dialog's mantissa and unit name in Hz (negative for a unit that names no frequency).
double EnteredHz(const DesignDocument& doc, double mantissa, const std::string& unit) {
    return UnitToHz(mantissa, FindFrequencyUnit(doc.unitNames, unit));
}

void FillParameterDialog(DesignDocument& doc, ParameterDialog& dialog,
                         const ParameterDialogSpec& procedure, double xsLimit) {
    switch (procedure.attp) {
        case AttpEntry::Shown3dB:
            dialog.attp = kThreeDecibels;
            break;
        case AttpEntry::Ripple:
            dialog.attp = doc.InitialRipple();
            break;
        case AttpEntry::Hidden3dB:
            break;
    }
    dialog.fpValue = HzToUnit(doc.fp, doc.unitFp);
    dialog.fcValue = dialog.fpValue;
    dialog.fpUnit = doc.unitNames.at(static_cast<std::size_t>(doc.unitFp));
    dialog.fp1Value = HzToUnit(doc.fp1, doc.unitFp1);
    dialog.fp1Unit = doc.unitNames.at(static_cast<std::size_t>(doc.unitFp1));
    dialog.fp2Value = HzToUnit(doc.fp2, doc.unitFp2);
    dialog.fp2Unit = doc.unitNames.at(static_cast<std::size_t>(doc.unitFp2));
    dialog.xs = doc.xs;
    dialog.atts = doc.atts;
    dialog.order = doc.figures.order;
    dialog.xsUpperLimit = xsLimit;
    dialog.besselNormText = BesselNormTexts().at(static_cast<std::size_t>(doc.besselNorm));
}

// The design the dialog's entries ask for.
DesignSpec EnteredSpec(const DesignDocument& doc, const ParameterDialog& dialog,
                       const ParameterDialogSpec& procedure) {
    DesignSpec spec = doc.Spec();
    if (IsBand(doc)) {
        spec.fp1 = EnteredHz(doc, dialog.fp1Value, dialog.fp1Unit);
        spec.fp2 = EnteredHz(doc, dialog.fp2Value, dialog.fp2Unit);
    } else {
        spec.fp =
            EnteredHz(doc, procedure.byOrder ? dialog.fcValue : dialog.fpValue, dialog.fpUnit);
    }
    spec.attp = procedure.attp == AttpEntry::Hidden3dB ? kThreeDecibels : dialog.attp;
    if (!procedure.byOrder) spec.atts = dialog.atts;
    spec.xs = dialog.xs;
    spec.order = dialog.order;
    const auto& norms = BesselNormTexts();
    const auto norm = std::find(norms.begin(), norms.end(), dialog.besselNormText);
    if (norm != norms.end()) spec.besselNorm = static_cast<BesselNorm>(norm - norms.begin());
    return spec;
}

Message GroupDelayRefusalMessage(const GroupDelayRefusal& refusal, double percent) {
    switch (refusal.rule) {
        case GroupDelayRule::DelayOutOfRange:
            return {TextId::GroupDelayDelayRange,
                    {Format("%.15g", refusal.minimum), Format("%.15g", refusal.maximum)}};
        case GroupDelayRule::FrequencyNotPositive:
            return TextId::GroupDelayFrequencyNotPositive;
        case GroupDelayRule::PercentOutOfRange:
            return TextId::GroupDelayPercentRange;
        case GroupDelayRule::OrderAboveLimit:
            break;
    }
    return {TextId::GroupDelayOrderAboveLimit,
            {std::to_string(static_cast<int>(refusal.maximum)), Format("%.15g", percent)}};
}

// Dialog 550 until its entries give an order and cut-off, which it then puts into the Bessel
// low-pass by-order dialog's entries with the delay normalisation, Fc in the largest unit
// that holds it in an entry. False on Cancel.
bool EnterByGroupDelay(Ui& ui, const DesignDocument& doc, ParameterDialog& byOrder,
                       GroupDelaySpec& entered) {
    for (;;) {
        GroupDelayDialog dialog;
        dialog.delay = entered.delay;
        dialog.hz = entered.hz;
        dialog.percent = entered.percent;
        if (dialog.DoModal(ui) != IDOK) return false;
        entered = {dialog.delay, dialog.hz, dialog.percent};
        const auto found = BesselOrderForGroupDelay(entered);
        if (const auto* refusal = std::get_if<GroupDelayRefusal>(&found)) {
            ui.MessageBox(GroupDelayRefusalMessage(*refusal, entered.percent), MessageButtons::Ok);
            continue;
        }
        const GroupDelayOrder& design = std::get<GroupDelayOrder>(found);
        int unit = 1;
        while (unit < 4 && HzToUnit(design.fc, unit) > kMaxFrequencyNumber) ++unit;
        byOrder.order = design.order;
        byOrder.fcValue = HzToUnit(design.fc, unit);
        byOrder.fpUnit = doc.unitNames.at(static_cast<std::size_t>(unit));
        byOrder.besselNormText = BesselNormTexts()[static_cast<std::size_t>(BesselNorm::Delay)];
        return true;
    }
}

}  // namespace

DesignRun DesignDocument::RunDesignProcedure(Ui& ui, const ParameterDialogSpec& procedure) {
    const ApproximationRow& row = ApproximationRowOf(Spec().approximation);
    ParameterDialog dialog(
        procedure.id,
        procedure.caption == ApproximationCaption::Named ? std::string(row.name) : std::string(),
        row.orderDialogs == OrderDialogs::Butterworth && row.id != Approximation::Butterworth
            ? ApproximationRadioText(static_cast<int>(row.id))
            : std::string(),
        procedure.byOrder && row.id == Approximation::Bessel, row.maxOrder);
    // The band-eliminate dialogs show the limit of the stored band, computed once.
    const double xsLimit = std::sqrt(fp2 / fp1);
    // On a first entry a Cancel goes on with the values shown, which are the document's.
    // When those are refused in turn, the next Cancel abandons: showing the same refused
    // values again and again would never end.
    bool cancelRefused = false;
    GroupDelaySpec groupDelay;
    for (;;) {
        FillParameterDialog(*this, dialog, procedure, xsLimit);
        const int result = dialog.DoModal(ui);
        if (result == kGroupDelayButton && !EnterByGroupDelay(ui, *this, dialog, groupDelay))
            continue;
        const bool ok = result == IDOK || result == kGroupDelayButton;
        if (!ok && (!firstEntry || cancelRefused)) return DesignRun::Cancelled;
        const DesignSpec spec = EnteredSpec(*this, dialog, procedure);
        const DesignOutcome outcome = DesignFilter(spec, figures);
        ShowDesignNotices(ui, outcome.notices);
        if (!outcome.Refused()) {
            TakeOver(spec, EntriesKept::All, outcome.Designed().figures);
            return DesignRun::Designed;
        }
        const DesignRefusal& refusal = outcome.Refusal();
        TakeOver(spec, refusal.kept, refusal.figures);
        if (const auto message = RefusalMessage(refusal))
            ui.MessageBox(*message, MessageButtons::Ok);
        if (!ok) cancelRefused = true;
    }
}

}  // namespace vorna
