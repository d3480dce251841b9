#pragma once
// The design steps of each approximation that the rows of the approximation table name:
// the order of a specification and the figures of a finished design, by specification and by
// order.

#include "design/DesignWork.h"

namespace vorna {

bool ButterworthSpecifiedOrder(DesignWork& w);
void ButterworthFinishSpecified(DesignWork& w);
void ButterworthFinishOrdered(DesignWork& w);

// The Chebyshev order formula serves the inverse Chebyshev approximation too.
bool ChebyshevSpecifiedOrder(DesignWork& w);
void ChebyshevFinishSpecified(DesignWork& w);
void ChebyshevFinishOrdered(DesignWork& w);

void InverseChebyshevFinishSpecified(DesignWork& w);
void InverseChebyshevFinishOrdered(DesignWork& w);

bool EllipticSpecifiedOrder(DesignWork& w);
void EllipticFinishSpecified(DesignWork& w);
void EllipticFinishOrdered(DesignWork& w);

// The all-pole approximations whose prototype alone fixes the response (Bessel, Legendre):
// a specification takes the lowest order whose prototype, with its attp point at the
// pass-band edge, reaches atts at the stop-band edge.
bool AllPoleSpecifiedOrder(DesignWork& w);
void AllPoleFinishSpecified(DesignWork& w);
void AllPoleFinishOrdered(DesignWork& w);

}  // namespace vorna
