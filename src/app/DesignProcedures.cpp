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
#include "dialogs/FilterSelectDialog.h"
#include "dialogs/ParameterDialog.h"
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
    dialog.order = doc.order;
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

}  // namespace

int DesignDocument::RunDesignProcedure(Ui& ui, const ParameterDialogSpec& procedure) {
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
    for (;;) {
        FillParameterDialog(*this, dialog, procedure, xsLimit);
        const bool ok = dialog.DoModal(ui) == IDOK;
        if (!ok && (firstEntry == 0 || cancelRefused)) return 1;
        const DesignSpec spec = EnteredSpec(*this, dialog, procedure);
        const DesignOutcome outcome = DesignFilter(spec, Figures());
        ShowDesignNotices(ui, outcome.notices);
        if (!outcome.Refused()) {
            TakeOver(spec, EntriesKept::All, outcome.Designed().figures);
            return 0;
        }
        const DesignRefusal& refusal = outcome.Refusal();
        TakeOver(spec, refusal.kept, refusal.figures);
        if (const auto message = RefusalMessage(refusal))
            ui.MessageBox(*message, MessageButtons::Ok);
        if (!ok) cancelRefused = true;
    }
}

}  // namespace vorna
