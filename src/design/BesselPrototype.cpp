// The Bessel (Thomson) approximation: the all-pole prototype whose denominator is the reverse
// Bessel polynomial theta_n, the maximally flat group delay. Its roots are found with the
// polynomial evaluated by the recurrence theta_k = (2k - 1) theta_(k-1) + s^2 theta_(k-2),
// theta_0 = 1, theta_1 = s + 1 (whose coefficients in powers of s would grow beyond what
// double keeps exactly and cancel), which puts the group delay at DC at 1. The normalisations
// scale them from there.

#include <cmath>
#include <complex>

#include "design/AllPolePrototype.h"
#include "design/LowPassPrototype.h"

namespace vorna {

namespace {

// Quadruple precision for the refinement: near the roots of a high order the terms of the
// recurrence cancel to far below their size.
__extension__ typedef __float128 Quadruple;

template <typename Real>
PolynomialValue ReverseBessel(int order, ExtendedComplex at) {
    using Complex = std::complex<Real>;
    const Complex s(static_cast<Real>(at.real()), static_cast<Real>(at.imag()));
    Complex previous = Real(1);  // theta_(k-2)
    Complex current = s + Real(1);
    Complex previousDerivative = Real(0);
    Complex derivative = Real(1);
    for (int k = 2; k <= order; ++k) {
        const auto weight = static_cast<Real>(2 * k - 1);
        const Complex next = weight * current + s * s * previous;
        const Complex nextDerivative =
            weight * derivative + Real(2) * s * previous + s * s * previousDerivative;
        previous = current;
        previousDerivative = derivative;
        current = next;
        derivative = nextDerivative;
    }
    const auto extended = [](Complex z) {
        return ExtendedComplex(static_cast<long double>(z.real()),
                               static_cast<long double>(z.imag()));
    };
    return {extended(current), extended(derivative)};
}

// theta_n(0) = (2n)! / (2^n n!), the product of the roots' magnitudes.
long double ReverseBesselConstant(int order) {
    long double constant = 1;
    for (int k = 1; k <= order; ++k) constant *= (order + k) / 2.0L;
    return constant;
}

}  // namespace

LowPassPrototype BesselPrototype(int order, BesselNorm norm) {
    if (order < 1) return {};
    const long double radius = std::pow(ReverseBesselConstant(order), 1.0L / order);
    // The roots lie left of the origin, within about the geometric mean of their sizes.
    std::vector<ExtendedComplex> roots = PolynomialRoots(
        order, [order](ExtendedComplex s) { return ReverseBessel<long double>(order, s); },
        ExtendedComplex(-0.5L * radius, 0), radius, 1.5L * radius, true);
    RefineRoots(roots, [order](ExtendedComplex s) { return ReverseBessel<Quadruple>(order, s); });
    switch (norm) {
        case BesselNorm::Delay:
            return AllPolePrototype(roots);
        case BesselNorm::Phase:
            return AllPolePrototype(roots, radius);
        case BesselNorm::Magnitude:
            break;
    }
    const double halfPower = 10 * std::log10(2.0);
    return AllPolePrototype(roots, PrototypeEdge(AllPolePrototype(roots), halfPower));
}

}  // namespace vorna
