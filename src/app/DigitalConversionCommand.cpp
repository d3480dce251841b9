// Command 610: the conversion of the current design to a digital filter for a sampling
// frequency the user enters.
#include "app/DigitalConversionCommand.h"

#include <cmath>

#include "app/DesignDocument.h"
#include "app/DocumentResults.h"
#include "circuit/EngValue.h"
#include "design/DigitalDesign.h"
#include "dialogs/SamplingDialog.h"
#include "platform/CLocale.h"
#include "platform/Ui.h"
#include "text/Texts.h"
#include "view/DesignView.h"

namespace vorna {

double SamplingFrequencyLowerLimit(const DesignDocument& doc) {
    if (!FilterKindOf(doc.kind)) return 0;
    return vorna::SamplingFrequencyLowerLimit(doc.Spec(), doc.figures);
}

bool ConvertToDigital(DesignView& view, double samplingFrequency) {
    const DesignDocument& doc = view.GetDocument();
    view.samplingFrequency = samplingFrequency;
    view.samplingPeriod = 1 / samplingFrequency;
    const DigitalOutcome outcome = ConvertResults(doc.Spec(), doc.figures, view, samplingFrequency);
    if (const auto* digital = std::get_if<DesignResults>(&outcome)) {
        static_cast<DesignResults&>(view) = *digital;
        return true;
    }
    return false;
}

void DesignView::OnConvertDigital(Ui& ui) {
    DesignDocument& doc = GetDocument();
    if (approximatedByCircuit) {
        if (ui.MessageBox(TextId::AskConvertCircuitApproximation, MessageButtons::OkCancel) !=
            IDOK) {
            return;
        }
        Invalidate();
    }
    if (convertedToDigital) {
        if (ui.MessageBox(TextId::AskConvertAgain, MessageButtons::OkCancel) != IDOK) {
            return;
        }
        approximatedByCircuit = false;
        convertedToDigital = false;
        RecomputeResults(*this, doc);
        Invalidate();
    }
    const double limit = SamplingFrequencyLowerLimit(doc);
    const int limitUnit = FrequencyUnitIndex(limit);
    const std::string limitText = Format("%8.4lf", HzToUnit(limit, limitUnit));
    const std::string limitUnitText = doc.unitNames[static_cast<std::size_t>(limitUnit)];
    while (true) {
        SamplingDialog dialog(limitText, limitUnitText);
        const int unit = FrequencyUnitIndex(samplingFrequency);
        dialog.samplingValue = HzToUnit(samplingFrequency, unit);
        dialog.samplingUnit = doc.unitNames[static_cast<std::size_t>(unit)];
        if (dialog.DoModal(ui) != IDOK) break;
        const double entered =
            UnitToHz(dialog.samplingValue, FindFrequencyUnit(doc.unitNames, dialog.samplingUnit));
        // Below the limit (or an unknown unit, which reads as -1 Hz) the dialog comes back;
        // its text states the limit. A frequency of 0 has no sampling period at all.
        if (entered < limit || entered <= 0) continue;
        if (ConvertToDigital(*this, entered)) break;
        // The design stays analog and the dialog comes back with the frequency entered.
        ui.MessageBox(TextId::ConversionNotComputable, MessageButtons::Ok);
    }
    Invalidate();
}

}  // namespace vorna
