#pragma once
// The all-pole prototypes given by their poles (Bessel, Legendre): the prototype of a set of
// poles, and the attenuation of an all-pole prototype and where it reaches a given value.

#include <vector>

#include "design/LowPassPrototype.h"
#include "design/PolynomialRoots.h"

namespace vorna {

// The prototype with unity gain at DC of the left-half-plane `poles` of a real polynomial
// (every one, conjugates included), scaled by 1 / `scale`; its pairs from the highest Q down.
LowPassPrototype AllPolePrototype(const std::vector<ExtendedComplex>& poles, long double scale = 1);

// The attenuation in dB of an all-pole prototype at the normalised frequency `omega`.
double PrototypeAttenuation(const LowPassPrototype& prototype, double omega);

// The normalised frequency at which the attenuation of an all-pole prototype with a
// monotonic response reaches `attenuation` dB: 0 when it is not above 0, infinity when the
// prototype never reaches it.
double PrototypeEdge(const LowPassPrototype& prototype, double attenuation);

}  // namespace vorna
