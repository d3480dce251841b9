// The design procedures of the parameter dialogs (one row each in kParameterDialogs): the
// document's side of their loop.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/CKorvelDoc.h"
#include "app/DesignNoticeMessages.h"
#include "circuit/EngValue.h"
#include "design/DesignResults.h"
#include "design/FrequencyRange.h"
#include "design/OrderLimits.h"
#include "design/OrderSelection.h"
#include "dialogs/ParameterDialog.h"

namespace vorna {

namespace {

constexpr double kThreeDecibels = 3.0102999566398116;  // 10·log10 2
constexpr const char* kRippleMustBePositive = "ａｔｔｐには０より大きな値を設定してください。";
constexpr const char* kFrequencyMustBePositive = "周波数には０より大きな値を設定してください。";
constexpr const char* kFrequencyOutOfRange =
    "周波数には１Ｅ－７０Ｈｚから１Ｅ＋７０Ｈｚまでの値を設定してください。";
constexpr const char* kDesignNotComputable =
    "この設定では設計値が計算出来ません。\n帯域幅、次数、減衰量を見直してください。";

bool IsBand(const CKorvelDoc& doc) {
    return doc.kind == kBandPass || doc.kind == kBandEliminate;
}

// Converts a dialog's mantissa and unit name to Hz and stores it, then chooses the unit in
// which the next dialog shows the value.
void StoreFrequency(const CKorvelDoc& doc, double mantissa, const std::string& unit, double& hz,
                    int& unitIndex) {
    unitIndex = FindFrequencyUnit(doc.unitNames, unit);
    hz = UnitToHz(mantissa, unitIndex);
    unitIndex = FrequencyUnitIndex(hz);
}

void SetStopbandEdges(CKorvelDoc& doc) {
    if (doc.kind == kBandPass) {
        doc.fs1 = doc.fp1 / doc.xs;
        doc.fs2 = doc.fp2 * doc.xs;
    } else {
        doc.fs1 = doc.fp1 * doc.xs;
        doc.fs2 = doc.fp2 / doc.xs;
    }
}

double ButterworthOrder(const CKorvelDoc& doc, double ratio) {
    return vorna::ButterworthOrder(doc.epsP2, doc.epsS2, ratio);
}

double ChebyshevOrder(Ui& ui, const CKorvelDoc& doc, double ratio) {
    return WithNotices(ui, [&](DesignNotices& notices) {
        return vorna::ChebyshevOrder(doc.epsP2, doc.epsS2, ratio, notices);
    });
}

void FillParameterDialog(CKorvelDoc& doc, ParameterDialog& dialog,
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
}

void StoreFrequencies(CKorvelDoc& doc, const ParameterDialog& dialog) {
    if (IsBand(doc)) {
        StoreFrequency(doc, dialog.fp1Value, dialog.fp1Unit, doc.fp1, doc.unitFp1);
        StoreFrequency(doc, dialog.fp2Value, dialog.fp2Unit, doc.fp2, doc.unitFp2);
    } else {
        const double mantissa = doc.byOrder != 0 ? dialog.fcValue : dialog.fpValue;
        StoreFrequency(doc, mantissa, dialog.fpUnit, doc.fp, doc.unitFp);
    }
}

double EnteredAttp(const ParameterDialog& dialog, const ParameterDialogSpec& procedure) {
    return procedure.attp == AttpEntry::Hidden3dB ? kThreeDecibels : dialog.attp;
}

void StoreAttp(CKorvelDoc& doc, double attp) {
    doc.attp = attp;
    if (doc.approximation != kButterworth) doc.rippleMemory = attp;
}

// A ripple of 0 dB leaves the Chebyshev, inverse Chebyshev and elliptic approximations
// without a pass-band epsilon, so no filter follows from it: the entry is refused.
bool RippleUsable(Ui& ui, const ParameterDialogSpec& procedure, double attp) {
    if (procedure.attp != AttpEntry::Ripple || attp > 0) return true;
    ui.MessageBox(kRippleMustBePositive, MessageButtons::Ok);
    return false;
}

// A frequency of 0 (the dialogs accept it) or a unit that names no frequency leaves nothing to
// design, and a frequency outside the range the arithmetic can hold gives a design of zeros
// and infinities: the entry is refused before anything is stored.
bool FrequenciesUsable(Ui& ui, const CKorvelDoc& doc, const ParameterDialog& dialog) {
    const auto hz = [&](double mantissa, const std::string& unit) {
        return UnitToHz(mantissa, FindFrequencyUnit(doc.unitNames, unit));
    };
    const std::vector<double> entered =
        IsBand(doc)
            ? std::vector{hz(dialog.fp1Value, dialog.fp1Unit), hz(dialog.fp2Value, dialog.fp2Unit)}
            : std::vector{hz(doc.byOrder != 0 ? dialog.fcValue : dialog.fpValue, dialog.fpUnit)};
    const auto positive = [](double value) { return value > 0 && std::isfinite(value); };
    const char* refusal = nullptr;
    if (!std::all_of(entered.begin(), entered.end(), positive)) {
        refusal = kFrequencyMustBePositive;
    } else if (!std::all_of(entered.begin(), entered.end(), DesignFrequencyRepresentable)) {
        refusal = kFrequencyOutOfRange;
    }
    if (refusal != nullptr) ui.MessageBox(refusal, MessageButtons::Ok);
    return refusal == nullptr;
}

// Band-eliminate filters need Fs1 = Fp1·Xs below Fs2 = Fp2/Xs.
bool XsBelowBandLimit(const CKorvelDoc& doc, double xs) {
    return xs < std::sqrt(doc.fp2 / doc.fp1);
}

// The order of a specification, computed inside the entry loop; false when refused.
bool ComputeSpecifiedOrder(Ui& ui, CKorvelDoc& doc) {
    if (!IsBand(doc)) {
        if (doc.approximation == kButterworth) {
            doc.orderExact = ButterworthOrder(doc, doc.xs);
            doc.order = OrderFromExact(doc.orderExact);
            return true;
        }
        doc.fc = doc.fp;
        doc.fs = doc.kind == kLowPass ? doc.fp * doc.xs : doc.fp / doc.xs;
        if (doc.approximation == kElliptic) {
            doc.EllipticOrder(doc.xs);
        } else {
            doc.orderExact = ChebyshevOrder(ui, doc, doc.xs);
            doc.order = OrderFromExact(doc.orderExact);
        }
        return true;
    }
    SetStopbandEdges(doc);
    const double ratio = doc.BandRatio();
    switch (doc.approximation) {
        case kButterworth:
            doc.orderExact = ButterworthOrder(doc, ratio);
            doc.SetBandCentre();
            break;
        case kElliptic:
            // The elliptic prototype of a band filter sees the band ratio as its Xs.
            doc.xsAlt = ratio;
            doc.EllipticOrder(ratio);
            // The bisection below never goes past 58, so the closed form is checked
            // first: an order above the limit is refused as for the other filters.
            if (doc.CheckOrder(ui, doc.order) != 0) return false;
            doc.SearchEllipticOrder(ratio, doc.order, doc.atts);
            break;
        default:
            doc.order = OrderFromExact(ChebyshevOrder(ui, doc, ratio));
            doc.orderExact = doc.order;
            break;
    }
    return true;
}

bool AcceptEntries(Ui& ui, CKorvelDoc& doc, const ParameterDialog& dialog,
                   const ParameterDialogSpec& procedure) {
    const double attp = EnteredAttp(dialog, procedure);
    if (doc.CheckAttenuations(ui, attp, dialog.atts) != 0) return false;
    if (!RippleUsable(ui, procedure, attp)) return false;
    if (!(dialog.xs > 1)) return false;
    if (!FrequenciesUsable(ui, doc, dialog)) return false;
    StoreFrequencies(doc, dialog);
    if (IsBand(doc) && doc.CheckBandEdges(ui) != 0) return false;
    if (procedure.xsLimit == XsLimit::Bounds && !XsBelowBandLimit(doc, dialog.xs)) return false;
    StoreAttp(doc, attp);
    doc.atts = dialog.atts;
    doc.xs = dialog.xs;
    doc.ComputeEpsilons();
    if (!ComputeSpecifiedOrder(ui, doc)) return false;
    return doc.CheckOrder(ui, doc.order) == 0;
}

bool AcceptOrder(Ui& ui, CKorvelDoc& doc, ParameterDialog& dialog,
                 const ParameterDialogSpec& procedure) {
    if (doc.CheckOrder(ui, dialog.order) != 0) return false;
    if (!RippleUsable(ui, procedure, EnteredAttp(dialog, procedure))) return false;
    if (!(dialog.xs > 1)) return false;
    if (!FrequenciesUsable(ui, doc, dialog)) return false;
    doc.order = dialog.order;
    doc.orderExact = doc.order;
    doc.xs = dialog.xs;
    StoreFrequencies(doc, dialog);
    if (IsBand(doc) && doc.CheckBandEdges(ui) != 0) return false;
    if (procedure.xsLimit == XsLimit::Bounds && !XsBelowBandLimit(doc, doc.xs)) return false;
    StoreAttp(doc, EnteredAttp(dialog, procedure));
    return true;
}

void FinishSpecifiedDesign(Ui& ui, CKorvelDoc& doc) {
    if (doc.approximation == kButterworth) {
        // LP and HP normalise at the -3 dB frequency of the prototype.
        const double shift = std::pow(doc.epsP2, 1.0 / (2 * doc.order));
        if (doc.kind == kLowPass) {
            doc.fs = doc.fp * doc.xs;
            doc.fc = doc.fp / shift;
        } else if (doc.kind == kHighPass) {
            doc.fs = doc.fp / doc.xs;
            doc.fc = doc.fp * shift;
        }
        doc.EvaluateStopband(ui);
        return;
    }
    const bool band = IsBand(doc);
    switch (doc.approximation) {
        case kChebyshev:
            if (band) doc.SetBandCentre();
            doc.EvaluateStopband(ui);
            break;
        case kInverseChebyshev:
            doc.EvaluateInverseChebyshev(ui);
            if (band) doc.SetBandCentreStop();
            break;
        default:
            if (band) {
                doc.SetBandCentre();
            } else {
                doc.SearchEllipticOrder(doc.xs, doc.order, doc.atts);
            }
            break;
    }
}

void FinishOrderedDesign(Ui& ui, CKorvelDoc& doc) {
    if (!IsBand(doc)) {
        doc.fc = doc.fp;
        if (doc.approximation == kButterworth || doc.approximation == kChebyshev) {
            if (doc.approximation == kChebyshev) doc.ComputeEpsilons();
            doc.EvaluateStopband(ui);
            return;
        }
        doc.fs = doc.kind == kLowPass ? doc.fp * doc.xs : doc.fp / doc.xs;
        doc.ComputeEpsilons();
        if (doc.approximation == kInverseChebyshev) {
            doc.EvaluateInverseChebyshev(ui);
        } else {
            doc.attsAchieved = doc.EllipticAttenuation(doc.xs);
        }
        return;
    }
    switch (doc.approximation) {
        case kButterworth:
            doc.SetBandCentre();
            doc.EvaluateStopband(ui);
            break;
        case kChebyshev:
            doc.ComputeEpsilons();
            doc.SetBandCentre();
            doc.EvaluateStopband(ui);
            break;
        case kInverseChebyshev:
            SetStopbandEdges(doc);
            doc.ComputeEpsilons();
            doc.EvaluateInverseChebyshev(ui);
            doc.SetBandCentreStop();
            break;
        default:
            SetStopbandEdges(doc);
            doc.ComputeEpsilons();
            doc.xsAlt = doc.BandRatio();
            doc.attsAchieved = doc.EllipticAttenuation(doc.xsAlt);
            doc.SetBandCentre();
            break;
    }
}

void FinishDesign(Ui& ui, CKorvelDoc& doc, bool byOrder) {
    doc.orderExact = doc.order;
    if (byOrder) {
        FinishOrderedDesign(ui, doc);
    } else {
        FinishSpecifiedDesign(ui, doc);
    }
}

// A band too narrow for its order gives figures or sections that are not finite.
bool DesignComputable(CKorvelDoc& doc) {
    DesignResults results;
    results.RecomputeResults(doc);
    return AllFinite(results) &&
           AllFinite({doc.fs, doc.fs1, doc.fs2, doc.fc, doc.bandwidth, doc.attsAchieved,
                      doc.orderExact, doc.xsAlt, doc.epsP2, doc.epsS2});
}

}  // namespace

int CKorvelDoc::RunDesignProcedure(Ui& ui, const ParameterDialogSpec& procedure) {
    ParameterDialog dialog(
        procedure.id,
        procedure.caption == ApproximationCaption::Named
            ? approximationNames.at(static_cast<std::size_t>(approximation - kButterworth))
            : std::string());
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
        const bool accepted = procedure.byOrder ? AcceptOrder(ui, *this, dialog, procedure)
                                                : AcceptEntries(ui, *this, dialog, procedure);
        if (accepted) {
            // Refused like the entries: what they stored stays, the figures do not.
            const CKorvelDoc entered = *this;
            FinishDesign(ui, *this, procedure.byOrder);
            if (DesignComputable(*this)) return 0;
            *this = entered;
            ui.MessageBox(kDesignNotComputable, MessageButtons::Ok);
        }
        if (!ok) cancelRefused = true;
    }
}

}  // namespace vorna
