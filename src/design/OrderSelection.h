#pragma once
// The order of a specification by the Butterworth and Chebyshev formulas and the stop-band
// attenuation that an order reaches. Conditions that the user is told
// about come back as notices, in the order in which they arose.

#include <vector>

namespace vorna {

enum class DesignNotice {
    AcoshArgument,         // acosh of an argument below 1, taken as 0
    OrderRaisedToMinimum,  // the order was raised to the lowest
};
using DesignNotices = std::vector<DesignNotice>;

// acosh(x); 0 with a notice for an argument below 1.
double AreaCosh(double x, DesignNotices& notices);

// The real order for the ε² of both bands and the normalised stop-band edge `ratio`.
double ButterworthOrder(double epsP2, double epsS2, double ratio);
double ChebyshevOrder(double epsP2, double epsS2, double ratio, DesignNotices& notices);

// Stop-band attenuation (dB) of an order at the normalised stop-band edge omegaS; the
// Chebyshev one (also that of the inverse Chebyshev) for the pass-band attenuation attp.
double ButterworthAttenuation(double omegaS, double order);
double ChebyshevAttenuation(double attp, double order, double omegaS, DesignNotices& notices);

}  // namespace vorna
