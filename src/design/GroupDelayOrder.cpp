#include "design/GroupDelayOrder.h"

#include <cmath>

#include "design/Approximations.h"
#include "design/DesignResults.h"
#include "design/FrequencyRange.h"
#include "design/LowPassPrototype.h"

namespace vorna {

double PrototypeGroupDelay(const LowPassPrototype& prototype, double omega) {
    // -d(phase)/d(omega) of sigma / (s + sigma) and of r^2 / (s^2 + (r/q) s + r^2).
    double delay =
        prototype.odd ? prototype.sigma / (prototype.sigma * prototype.sigma + omega * omega) : 0;
    for (const PrototypePair& pair : prototype.pairs) {
        const double r2 = pair.r * pair.r;
        const double b = pair.r / pair.q;
        const double re = r2 - omega * omega;
        const double im = b * omega;
        delay += b * (r2 + omega * omega) / (re * re + im * im);
    }
    return delay;
}

std::variant<GroupDelayOrder, GroupDelayRefusal> BesselOrderForGroupDelay(
    const GroupDelaySpec& spec) {
    const double fc = 1 / (kTwoPi * spec.delay);
    if (!(spec.delay > 0) || !DesignFrequencyRepresentable(fc)) {
        return GroupDelayRefusal{GroupDelayRule::DelayOutOfRange,
                                 1 / (kTwoPi * kHighestDesignFrequency),
                                 1 / (kTwoPi * kLowestDesignFrequency)};
    }
    if (!(spec.hz > 0 && std::isfinite(spec.hz)))
        return GroupDelayRefusal{GroupDelayRule::FrequencyNotPositive};
    if (!(spec.percent > 0 && spec.percent < 100))
        return GroupDelayRefusal{GroupDelayRule::PercentOutOfRange, 0, 100};
    // The delay-normalised prototype has the delay 1 at DC and falls monotonically.
    const ApproximationRow& row = ApproximationRowOf(Approximation::Bessel);
    const double omega = kTwoPi * spec.hz * spec.delay;
    for (int order = row.minOrder; order <= row.maxOrder; ++order) {
        const LowPassPrototype prototype = BesselPrototype(order, BesselNorm::Delay);
        if (PrototypeGroupDelay(prototype, omega) >= 1 - spec.percent / 100)
            return GroupDelayOrder{order, fc};
    }
    return GroupDelayRefusal{GroupDelayRule::OrderAboveLimit, static_cast<double>(row.minOrder),
                             static_cast<double>(row.maxOrder)};
}

}  // namespace vorna
