// Operations of the document shared by the design procedures: the ε values, the ripple
// shown first, the stop-band evaluation of each approximation, the band centre and the
// checks with their messages.

#include <cmath>

#include "app/CKorvelDoc.h"
#include "app/DesignNoticeMessages.h"
#include "design/DesignResults.h"
#include "design/OrderLimits.h"
#include "design/OrderSelection.h"
#include "platform/Ui.h"

namespace vorna {

namespace {

// The largest attp that a ripple dialog shows as it is; above it the last ripple is shown.
constexpr double kRippleShownAsIs = 1;

double ChebyshevAttenuation(Ui& ui, double attp, double orderExact, double omegaS) {
    return WithNotices(ui, [&](DesignNotices& notices) {
        return vorna::ChebyshevAttenuation(attp, orderExact, omegaS, notices);
    });
}

}  // namespace

void CKorvelDoc::ComputeEpsilons() {
    epsP2 = std::pow(10, attp / 10) - 1;
    epsS2 = std::pow(10, atts / 10) - 1;
}

void CKorvelDoc::StopbandEpsilonFromAchieved() {
    epsS2 = std::pow(10, attsAchieved / 10) - 1;
}

double CKorvelDoc::InitialRipple() {
    if (attp > kRippleShownAsIs) attp = rippleMemory;
    return attp;
}

double CKorvelDoc::BandRatio() const {
    return kind == kBandPass ? (fs2 - fs1) / (fp2 - fp1) : (fp2 - fp1) / (fs2 - fs1);
}

void CKorvelDoc::EvaluateStopband(Ui& ui) {
    switch (kind) {
        case kLowPass:
            fs = fp * xs;
            omegaS = fs / fc;
            break;
        case kHighPass:
            fs = fp / xs;
            omegaS = fc / fs;
            break;
        case kBandPass:
            fs1 = fp1 / xs;
            fs2 = xs * fp2;
            omegaS = BandRatio();
            break;
        default:
            fs1 = xs * fp1;
            fs2 = fp2 / xs;
            omegaS = BandRatio();
            break;
    }
    if (approximation == kButterworth) {
        attsAchieved = ButterworthAttenuation(omegaS, orderExact);
    } else if (approximation == kChebyshev) {
        attsAchieved = ChebyshevAttenuation(ui, attp, orderExact, omegaS);
    }
}

void CKorvelDoc::EvaluateInverseChebyshev(Ui& ui) {
    omegaS = (kind == kLowPass || kind == kHighPass) ? xs : BandRatio();
    attsAchieved = ChebyshevAttenuation(ui, attp, orderExact, omegaS);
    StopbandEpsilonFromAchieved();
    fc = fs;
}

void CKorvelDoc::SetBandCentre() {
    order = OrderFromExact(orderExact);
    orderExact = order;
    fc = std::sqrt(fp1 * fp2);
    bandwidth = (fp2 - fp1) * kTwoPi;
}

void CKorvelDoc::SetBandCentreStop() {
    SetBandCentre();
    bandwidth = (fs2 - fs1) * kTwoPi;
}

void CKorvelDoc::KeepElliptic(const EllipticModulus& modulus, double selectivity) {
    ellModulus = modulus.k;
    ellComplement = modulus.kc;
    ellK = modulus.K;
    ellKc = modulus.Kc;
    ellSelectivity = selectivity;
}

void CKorvelDoc::EllipticOrder(double ratio) {
    const EllipticOrderResult result = vorna::EllipticOrder(epsP2, epsS2, ratio);
    KeepElliptic(result.modulus, result.selectivity);
    order = result.order;
    orderExact = order;
}

void CKorvelDoc::SearchEllipticOrder(double ratio, int start, double required) {
    const EllipticModulus modulus = ModulusOfRatio(ratio);
    const EllipticSearchResult result = vorna::SearchEllipticOrder(modulus, epsP2, start, required);
    KeepElliptic(modulus, result.reached.selectivity);
    order = result.order;
    orderExact = order;
    attsAchieved = result.reached.atts;
}

double CKorvelDoc::EllipticAttenuation(double ratio) {
    const EllipticModulus modulus = ModulusOfRatio(ratio);
    const EllipticStopband reached = EllipticStopbandOf(modulus, order, epsP2);
    KeepElliptic(modulus, reached.selectivity);
    return reached.atts;
}

int CKorvelDoc::CheckOrder(Ui& ui, int& m) {
    const bool accepted =
        WithNotices(ui, [&](DesignNotices& notices) { return ApplyOrderLimits(m, notices); });
    return accepted ? 0 : 1;
}

int CKorvelDoc::CheckBandEdges(Ui& ui) {
    // Equal edges leave no band: its width of 0 makes every section infinite.
    if (fp2 <= fp1) {
        ui.MessageBox("Ｆｐ２はＦｐ１より高い周波数を設定してください。", MessageButtons::Ok);
        return 1;
    }
    return 0;
}

int CKorvelDoc::CheckAttenuations(Ui& ui, double attpEntered, double attsEntered) {
    if (attsEntered < attpEntered) {
        ui.MessageBox("ａｔｔｓはａｔｔｐより大きな値を設定してください。", MessageButtons::Ok);
        return 1;
    }
    return 0;
}

}  // namespace vorna
