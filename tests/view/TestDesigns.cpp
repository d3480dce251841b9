#include "view/TestDesigns.h"

#include <cmath>

namespace vorna::testing {

void SetButterworthLowPass(DesignView& view, int order, double fc) {
    view.sections.assign(static_cast<std::size_t>(order / 2), Section{});
    view.p0 = view.p1 = view.p2 = 0;
    view.convertedToDigital = false;
    view.approximatedByCircuit = false;
    view.resultOrder = order;
    view.resultOddOrder = order % 2;
    view.sectionLast = order / 2 - 1;
    view.fc = fc;
    view.omegaC = kTwoPi * fc;
    const double wc = view.omegaC;
    if (view.resultOddOrder == 1) {
        view.p0 = wc;
        view.p1 = 0;
        view.p2 = wc;
    }
    for (int k = 1; k <= order / 2; ++k) {
        view.sections[static_cast<std::size_t>(k - 1)] =
            Section{2 * wc * std::sin((2 * k - 1) * kPi / (2 * order)), wc * wc, 0, 0, wc * wc};
    }
    view.graphFreqMin = 100;
    view.graphFreqMax = 5000;
    view.graphAttMax = 80;
    view.noDesignYet = false;
}

void SetNotchLowPass(DesignView& view, double fc, double zeroRatio) {
    SetButterworthLowPass(view, 2, fc);
    const double zero = zeroRatio * view.omegaC;
    view.sections[0].num2 = 1;
    view.sections[0].num0 = zero * zero;
}

}  // namespace vorna::testing
