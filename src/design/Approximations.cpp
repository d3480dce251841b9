#include "design/Approximations.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "design/ApproximationSteps.h"
#include "design/EllipticCore.h"
#include "design/OrderLimits.h"
#include "design/SectionPipeline.h"

namespace vorna {

namespace {

LowPassPrototype Butterworth(const SectionRequest& request, SectionOutcome&) {
    return ButterworthPrototype(request.order);
}

LowPassPrototype Chebyshev(const SectionRequest& request, SectionOutcome&) {
    return ChebyshevPrototype(request.order, request.epsP2);
}

LowPassPrototype InverseChebyshev(const SectionRequest& request, SectionOutcome&) {
    return InverseChebyshevPrototype(request.order, request.epsS2);
}

LowPassPrototype Elliptic(const SectionRequest& request, SectionOutcome& outcome) {
    EllipticPrototypeResult elliptic =
        EllipticPrototype({request.order, request.epsP2, request.attp, request.ellipticRatio});
    outcome.modulus = elliptic.modulus;
    outcome.reached = elliptic.reached;
    return std::move(elliptic.prototype);
}

LowPassPrototype Bessel(const SectionRequest& request, SectionOutcome&) {
    return BesselPrototype(request.order, request.besselNorm);
}

LowPassPrototype Legendre(const SectionRequest& request, SectionOutcome&) {
    return LegendrePrototype(request.order);
}

using A = Approximation;
using P = PassbandEntry;
using D = OrderDialogs;

// The highest orders whose poles stay within 1e-10 of their 50-digit values
// (tests/design/data): the Bessel poles of order 44 are within 1.5e-11, those of 46 off by
// 1.7e-10; the Legendre poles are within 1e-11 up to the highest order of every approximation.
constexpr int kMaxBesselOrder = 44;
constexpr int kMaxLegendreOrder = kMaxOrder;

const std::array<ApproximationRow, 6> kApproximations{{
    {A::Butterworth, "Butterworth", "butterworth", false, false, P::ThreeDecibels, D::Butterworth,
     kMinOrder, kMaxOrder, Butterworth, ButterworthSpecifiedOrder, ButterworthFinishSpecified,
     ButterworthFinishOrdered},
    {A::Chebyshev, "Chebyshev", "chebyshev", false, false, P::Ripple, D::Chebyshev, kMinOrder,
     kMaxOrder, Chebyshev, ChebyshevSpecifiedOrder, ChebyshevFinishSpecified,
     ChebyshevFinishOrdered},
    {A::InverseChebyshev, "Inv. Cheb", "invchebyshev", true, true, P::Ripple, D::Named, kMinOrder,
     kMaxOrder, InverseChebyshev, ChebyshevSpecifiedOrder, InverseChebyshevFinishSpecified,
     InverseChebyshevFinishOrdered},
    {A::Elliptic, "Elliptic", "elliptic", true, false, P::Ripple, D::Named, kMinOrder, kMaxOrder,
     Elliptic, EllipticSpecifiedOrder, EllipticFinishSpecified, EllipticFinishOrdered},
    {A::Bessel, "Bessel", "bessel", false, false, P::ThreeDecibels, D::Butterworth, kMinOrder,
     kMaxBesselOrder, Bessel, AllPoleSpecifiedOrder, AllPoleFinishSpecified, AllPoleFinishOrdered},
    {A::Legendre, "Legendre", "legendre", false, false, P::ThreeDecibels, D::Butterworth, kMinOrder,
     kMaxLegendreOrder, Legendre, AllPoleSpecifiedOrder, AllPoleFinishSpecified,
     AllPoleFinishOrdered},
}};

}  // namespace

std::span<const ApproximationRow> Approximations() {
    return kApproximations;
}

const ApproximationRow& ApproximationRowOf(Approximation id) {
    for (const ApproximationRow& row : kApproximations) {
        if (row.id == id) return row;
    }
    throw std::logic_error("an approximation without a row");
}

std::optional<Approximation> ApproximationOfName(std::string_view optionName) {
    for (const ApproximationRow& row : kApproximations) {
        if (row.optionName == optionName) return row.id;
    }
    return std::nullopt;
}

int ApproximationIndexOf(int id) {
    for (std::size_t i = 0; i < kApproximations.size(); ++i) {
        if (static_cast<int>(kApproximations[i].id) == id) return static_cast<int>(i);
    }
    return -1;
}

int ApproximationIdAt(int index) {
    if (index < 0 || index >= static_cast<int>(kApproximations.size())) return 0;
    return static_cast<int>(kApproximations[static_cast<std::size_t>(index)].id);
}

int LowestApproximationId() {
    return static_cast<int>(kApproximations.front().id);
}

int HighestApproximationId() {
    return static_cast<int>(kApproximations.back().id);
}

bool HasFiniteZeros(int id) {
    const std::optional<Approximation> approximation = ApproximationOf(id);
    return approximation && ApproximationRowOf(*approximation).finiteZeros;
}

}  // namespace vorna
