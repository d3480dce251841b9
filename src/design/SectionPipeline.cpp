#include "design/SectionPipeline.h"

#include <array>
#include <utility>

#include "design/DesignResults.h"
#include "design/EllipticCore.h"
#include "design/FrequencyTransformation.h"
#include "design/LowPassPrototype.h"

namespace vorna {

namespace {

using Transformation = void (*)(const LowPassPrototype&, DesignResults&);

// By kind, from the low-pass on.
constexpr std::array<Transformation, 4> kTransformations{
    LowPassFromPrototype,
    HighPassFromPrototype,
    BandPassFromPrototype,
    BandEliminateFromPrototype,
};

LowPassPrototype Prototype(const SectionRequest& request, SectionOutcome& outcome) {
    switch (request.approximation) {
        case Approximation::Butterworth:
            return ButterworthPrototype(request.order);
        case Approximation::Chebyshev:
            return ChebyshevPrototype(request.order, request.epsP2);
        case Approximation::InverseChebyshev:
            return InverseChebyshevPrototype(request.order, request.epsS2);
        case Approximation::Elliptic:
            break;
    }
    EllipticPrototypeResult elliptic =
        EllipticPrototype({request.order, request.epsP2, request.attp, request.ellipticRatio});
    outcome.modulus = elliptic.modulus;
    outcome.reached = elliptic.reached;
    return std::move(elliptic.prototype);
}

}  // namespace

SectionOutcome ComputeSections(const SectionRequest& request, DesignResults& results) {
    SectionOutcome outcome;
    const LowPassPrototype prototype = Prototype(request, outcome);
    const auto index =
        static_cast<std::size_t>(request.kind) - static_cast<std::size_t>(FilterKind::LowPass);
    kTransformations[index](prototype, results);
    return outcome;
}

}  // namespace vorna
