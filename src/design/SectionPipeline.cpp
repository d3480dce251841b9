#include "design/SectionPipeline.h"

#include <array>

#include "design/Approximations.h"
#include "design/DesignResults.h"
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

}  // namespace

SectionOutcome ComputeSections(const SectionRequest& request, DesignResults& results) {
    SectionOutcome outcome;
    const LowPassPrototype prototype =
        ApproximationRowOf(request.approximation).prototype(request, outcome);
    const auto index =
        static_cast<std::size_t>(request.kind) - static_cast<std::size_t>(FilterKind::LowPass);
    kTransformations[index](prototype, results);
    return outcome;
}

}  // namespace vorna
