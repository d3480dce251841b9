#include "design/DesignWork.h"

#include <cmath>

#include "design/OrderLimits.h"

namespace vorna {

void DesignWork::ComputeEpsilons() {
    f.epsP2 = std::pow(10, spec.attp / 10) - 1;
    f.epsS2 = std::pow(10, spec.atts / 10) - 1;
}

void DesignWork::SetStopbandEdges() {
    if (spec.kind == FilterKind::BandPass) {
        f.fs1 = spec.fp1 / spec.xs;
        f.fs2 = spec.fp2 * spec.xs;
    } else {
        f.fs1 = spec.fp1 * spec.xs;
        f.fs2 = spec.fp2 / spec.xs;
    }
}

double DesignWork::BandRatio() const {
    return spec.kind == FilterKind::BandPass ? (f.fs2 - f.fs1) / (spec.fp2 - spec.fp1)
                                             : (spec.fp2 - spec.fp1) / (f.fs2 - f.fs1);
}

void DesignWork::EvaluateStopband(double (*attenuation)(DesignWork&)) {
    switch (spec.kind) {
        case FilterKind::LowPass:
            f.fs = spec.fp * spec.xs;
            f.omegaS = f.fs / f.fc;
            break;
        case FilterKind::HighPass:
            f.fs = spec.fp / spec.xs;
            f.omegaS = f.fc / f.fs;
            break;
        case FilterKind::BandPass:
            f.fs1 = spec.fp1 / spec.xs;
            f.fs2 = spec.xs * spec.fp2;
            f.omegaS = BandRatio();
            break;
        case FilterKind::BandEliminate:
            f.fs1 = spec.xs * spec.fp1;
            f.fs2 = spec.fp2 / spec.xs;
            f.omegaS = BandRatio();
            break;
    }
    f.attsAchieved = attenuation(*this);
}

void DesignWork::EvaluateInverseChebyshev() {
    f.omegaS = Band() ? BandRatio() : spec.xs;
    f.attsAchieved = ChebyshevAttenuation(spec.attp, f.orderExact, f.omegaS, notices);
    f.epsS2 = std::pow(10, f.attsAchieved / 10) - 1;
    f.fc = f.fs;
}

void DesignWork::SetBandCentre() {
    f.order = OrderFromExact(f.orderExact);
    f.orderExact = f.order;
    f.fc = std::sqrt(spec.fp1 * spec.fp2);
    f.bandwidth = (spec.fp2 - spec.fp1) * kTwoPi;
}

void DesignWork::SetBandCentreStop() {
    SetBandCentre();
    f.bandwidth = (f.fs2 - f.fs1) * kTwoPi;
}

void DesignWork::SetCutoffAndStopEdge() {
    f.fc = spec.fp;
    f.fs = spec.kind == FilterKind::LowPass ? spec.fp * spec.xs : spec.fp / spec.xs;
}

void DesignWork::KeepElliptic(const EllipticModulus& modulus, double selectivity) {
    f.elliptic = {modulus.k, modulus.kc, modulus.K, modulus.Kc, selectivity};
}

void DesignWork::EllipticOrder(double ratio) {
    const EllipticOrderResult result = vorna::EllipticOrder(f.epsP2, f.epsS2, ratio);
    KeepElliptic(result.modulus, result.selectivity);
    f.order = result.order;
    f.orderExact = f.order;
}

void DesignWork::SearchEllipticOrder(double ratio, int start, double required) {
    const EllipticModulus modulus = ModulusOfRatio(ratio);
    const EllipticSearchResult result =
        vorna::SearchEllipticOrder(modulus, f.epsP2, start, required);
    KeepElliptic(modulus, result.reached.selectivity);
    f.order = result.order;
    f.orderExact = f.order;
    f.attsAchieved = result.reached.atts;
}

double DesignWork::EllipticAttenuation(double ratio) {
    const EllipticModulus modulus = ModulusOfRatio(ratio);
    const EllipticStopband reached = EllipticStopbandOf(modulus, f.order, f.epsP2);
    KeepElliptic(modulus, reached.selectivity);
    return reached.atts;
}

LowPassPrototype DesignWork::Prototype(int order) const {
    SectionOutcome unused;
    return row.prototype(SectionRequestOf(spec, f, order), unused);
}

bool DesignWork::CheckOrder() {
    if (f.order > row.maxOrder) {
        refusal = DesignRefusal{DesignRule::OrderAboveLimit,
                                spec.ByOrder() ? DesignField::Order : DesignField::None,
                                static_cast<double>(row.minOrder),
                                static_cast<double>(row.maxOrder),
                                EntriesKept::All,
                                f};
        return false;
    }
    if (f.order < row.minOrder) {
        notices.push_back(DesignNotice::OrderRaisedToMinimum);
        f.order = row.minOrder;
    }
    return true;
}

}  // namespace vorna
