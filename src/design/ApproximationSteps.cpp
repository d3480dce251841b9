#include "design/ApproximationSteps.h"

#include <cmath>

#include "design/AllPolePrototype.h"
#include "design/OrderLimits.h"

namespace vorna {

namespace {

double ButterworthStopband(DesignWork& w) {
    return ButterworthAttenuation(w.f.omegaS, w.f.orderExact);
}

double ChebyshevStopband(DesignWork& w) {
    return ChebyshevAttenuation(w.spec.attp, w.f.orderExact, w.f.omegaS, w.notices);
}

double ChebyshevOrderOf(DesignWork& w, double ratio) {
    return ChebyshevOrder(w.f.epsP2, w.f.epsS2, ratio, w.notices);
}

// The prototype's frequency of the attp point: a band design's edges are its -3.01 dB points,
// where the prototype of a specification has 1.
double AllPolePassbandEdge(DesignWork& w, const LowPassPrototype& prototype) {
    return w.Band() ? 1 : PrototypeEdge(prototype, w.spec.attp);
}

double AllPoleStopband(DesignWork& w) {
    return PrototypeAttenuation(w.Prototype(w.f.order), w.f.omegaS);
}

}  // namespace

bool ButterworthSpecifiedOrder(DesignWork& w) {
    if (!w.Band()) {
        w.f.orderExact = ButterworthOrder(w.f.epsP2, w.f.epsS2, w.spec.xs);
        w.f.order = OrderFromExact(w.f.orderExact);
        return true;
    }
    w.SetStopbandEdges();
    w.f.orderExact = ButterworthOrder(w.f.epsP2, w.f.epsS2, w.BandRatio());
    w.SetBandCentre();
    return true;
}

void ButterworthFinishSpecified(DesignWork& w) {
    // Low-pass and high-pass designs normalise at the -3 dB frequency of the prototype.
    const double shift = std::pow(w.f.epsP2, 1.0 / (2 * w.f.order));
    if (w.spec.kind == FilterKind::LowPass) {
        w.f.fs = w.spec.fp * w.spec.xs;
        w.f.fc = w.spec.fp / shift;
    } else if (w.spec.kind == FilterKind::HighPass) {
        w.f.fs = w.spec.fp / w.spec.xs;
        w.f.fc = w.spec.fp * shift;
    }
    w.EvaluateStopband(ButterworthStopband);
}

void ButterworthFinishOrdered(DesignWork& w) {
    if (w.Band()) {
        w.SetBandCentre();
    } else {
        w.f.fc = w.spec.fp;
    }
    w.EvaluateStopband(ButterworthStopband);
}

bool ChebyshevSpecifiedOrder(DesignWork& w) {
    if (!w.Band()) {
        w.SetCutoffAndStopEdge();
        w.f.orderExact = ChebyshevOrderOf(w, w.spec.xs);
        w.f.order = OrderFromExact(w.f.orderExact);
        return true;
    }
    w.SetStopbandEdges();
    w.f.order = OrderFromExact(ChebyshevOrderOf(w, w.BandRatio()));
    w.f.orderExact = w.f.order;
    return true;
}

void ChebyshevFinishSpecified(DesignWork& w) {
    if (w.Band()) w.SetBandCentre();
    w.EvaluateStopband(ChebyshevStopband);
}

void ChebyshevFinishOrdered(DesignWork& w) {
    if (!w.Band()) w.f.fc = w.spec.fp;
    w.ComputeEpsilons();
    if (w.Band()) w.SetBandCentre();
    w.EvaluateStopband(ChebyshevStopband);
}

void InverseChebyshevFinishSpecified(DesignWork& w) {
    w.EvaluateInverseChebyshev();
    if (w.Band()) w.SetBandCentreStop();
}

void InverseChebyshevFinishOrdered(DesignWork& w) {
    if (w.Band()) {
        w.SetStopbandEdges();
    } else {
        w.SetCutoffAndStopEdge();
    }
    w.ComputeEpsilons();
    w.EvaluateInverseChebyshev();
    if (w.Band()) w.SetBandCentreStop();
}

bool AllPoleSpecifiedOrder(DesignWork& w) {
    double ratio = w.spec.xs;
    if (w.Band()) {
        w.SetStopbandEdges();
        ratio = w.BandRatio();
    }
    // Above the highest order the order check refuses the design.
    w.f.order = w.row.maxOrder + 1;
    for (int order = w.row.minOrder; order <= w.row.maxOrder; ++order) {
        const LowPassPrototype prototype = w.Prototype(order);
        const double edge = AllPolePassbandEdge(w, prototype);
        if (PrototypeAttenuation(prototype, edge * ratio) >= w.spec.atts) {
            w.f.order = order;
            break;
        }
    }
    w.f.orderExact = w.f.order;
    return true;
}

void AllPoleFinishSpecified(DesignWork& w) {
    const double edge = AllPolePassbandEdge(w, w.Prototype(w.f.order));
    if (w.spec.kind == FilterKind::LowPass) {
        w.f.fc = w.spec.fp / edge;
    } else if (w.spec.kind == FilterKind::HighPass) {
        w.f.fc = w.spec.fp * edge;
    } else {
        w.SetBandCentre();
    }
    w.EvaluateStopband(AllPoleStopband);
}

void AllPoleFinishOrdered(DesignWork& w) {
    if (w.Band()) {
        w.SetBandCentre();
    } else {
        w.f.fc = w.spec.fp;
    }
    w.EvaluateStopband(AllPoleStopband);
}

bool EllipticSpecifiedOrder(DesignWork& w) {
    if (!w.Band()) {
        w.SetCutoffAndStopEdge();
        w.EllipticOrder(w.spec.xs);
        return true;
    }
    w.SetStopbandEdges();
    const double ratio = w.BandRatio();
    // The elliptic prototype of a band filter sees the band ratio as its Xs.
    w.f.xsAlt = ratio;
    w.EllipticOrder(ratio);
    // The bisection below never goes past the highest order, so the closed form is checked
    // first: an order above the limit is refused as for the other approximations.
    if (!w.CheckOrder()) return false;
    w.SearchEllipticOrder(ratio, w.f.order, w.spec.atts);
    return true;
}

void EllipticFinishSpecified(DesignWork& w) {
    if (w.Band()) {
        w.SetBandCentre();
    } else {
        w.SearchEllipticOrder(w.spec.xs, w.f.order, w.spec.atts);
    }
}

void EllipticFinishOrdered(DesignWork& w) {
    if (!w.Band()) {
        w.SetCutoffAndStopEdge();
        w.ComputeEpsilons();
        w.f.attsAchieved = w.EllipticAttenuation(w.spec.xs);
        return;
    }
    w.SetStopbandEdges();
    w.ComputeEpsilons();
    w.f.xsAlt = w.BandRatio();
    w.f.attsAchieved = w.EllipticAttenuation(w.f.xsAlt);
    w.SetBandCentre();
}

}  // namespace vorna
