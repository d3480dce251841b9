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

using A = Approximation;
using P = PassbandEntry;
using D = OrderDialogs;

const std::array<ApproximationRow, 4> kApproximations{{
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
