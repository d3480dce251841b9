// Command 610: the conversion of the current design to a digital filter for a sampling
// frequency the user enters.
#include "app/DigitalConversionCommand.h"

#include <cmath>

#include "app/CKorvelDoc.h"
#include "circuit/EngValue.h"
#include "design/conversion/DigitalConversion.h"
#include "design/conversion/FrequencyResponse.h"
#include "dialogs/SamplingDialog.h"
#include "platform/CLocale.h"
#include "platform/Ui.h"
#include "view/CKorvelView.h"

namespace vorna {

namespace {

constexpr const char* kConversionNotComputable =
    "このサンプリング周波数ではディジタルフィルタの係数が計算出来ません。\n"
    "別の周波数を入力して下さい。";

}  // namespace

double SamplingFrequencyLowerLimit(const CKorvelDoc& doc) {
    switch (doc.kind) {
        case kLowPass:
            return 2 * doc.fs;
        case kHighPass:
            return 2 * doc.fp * doc.xs;
        case kBandPass:
            return 2 * doc.fs2;
        case kBandEliminate:
            return 2 * doc.xs * doc.fp2;
        default:
            return 0;
    }
}

bool ConvertToDigital(CKorvelView& view, double samplingFrequency) {
    CKorvelDoc& doc = view.GetDocument();
    const DesignResults analog = view;
    view.samplingFrequency = samplingFrequency;
    view.samplingPeriod = 1 / samplingFrequency;
    const double T = view.samplingPeriod;
    const double savedXs = doc.xs;
    view.convertedToDigital = 1;
    if (doc.kind == kLowPass || doc.kind == kHighPass) {
        view.omegaC = Prewarp(view.fc, T);
    } else {
        const double lowerEdge = Prewarp(doc.fp1, T);  // omega a
        const double upperEdge = Prewarp(doc.fp2, T);  // omega b
        const double lowerStop = Prewarp(doc.fs1, T);  // omega c
        view.omegaC = std::sqrt(lowerEdge * upperEdge);
        double upperStop = 0;  // omega d
        if (doc.kind == kBandPass) {
            doc.xs = lowerEdge / lowerStop;
            upperStop = upperEdge * doc.xs;
        } else {
            doc.xs = lowerStop / lowerEdge;
            upperStop = upperEdge / doc.xs;
        }
        view.bandwidth =
            doc.approximation == kInverseChebyshev ? upperStop - lowerStop : upperEdge - lowerEdge;
    }
    view.fc = view.omegaC / kTwoPi;
    view.ComputeSections(doc);
    if (HasFirstOrderTerm(view, doc.kind)) BilinearFirstOrder(view, T);
    const int last = LastSectionIndex(view);
    for (int i = 0; i <= last; ++i) BilinearSecondOrder(view, i, T);
    doc.xs = savedXs;
    if (AllFinite(view)) return true;
    static_cast<DesignResults&>(view) = analog;
    return false;
}

void CKorvelView::OnConvertDigital(Ui& ui) {
    CKorvelDoc& doc = GetDocument();
    if (approximatedByCircuit == 1) {
        if (ui.MessageBox(
                "既に、伝達関数は回路定数によって近似されています。\nこのまま進みますか？",
                MessageButtons::OkCancel) != IDOK) {
            return;
        }
        Invalidate();
    }
    if (convertedToDigital == 1) {
        if (ui.MessageBox("既に、ディジタルフィルタに変換されています。\nこのまま進みますか？",
                          MessageButtons::OkCancel) != IDOK) {
            return;
        }
        approximatedByCircuit = 0;
        convertedToDigital = 0;
        RecomputeResults(doc);
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
        ui.MessageBox(kConversionNotComputable, MessageButtons::Ok);
    }
    Invalidate();
}

}  // namespace vorna
