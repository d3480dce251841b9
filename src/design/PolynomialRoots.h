#pragma once
// Every root of a polynomial at once by the Aberth–Ehrlich iteration, with the polynomial
// given as a function that evaluates it and its derivative. Evaluating it by a recurrence
// (rather than from its coefficients in powers of the variable, which grow large and cancel)
// keeps the roots of high-order polynomials accurate.

#include <complex>
#include <functional>
#include <vector>

namespace vorna {

using ExtendedComplex = std::complex<long double>;

struct PolynomialValue {
    ExtendedComplex value;
    ExtendedComplex derivative;
};

using PolynomialEvaluator = std::function<PolynomialValue(ExtendedComplex)>;

// The roots of the polynomial of `degree` that `evaluate` evaluates, starting from points on
// the ellipse with the half-axes `real` and `imaginary` around `centre`; only roughly, where
// the rounding of `evaluate` holds them back, when they are to be refined.
std::vector<ExtendedComplex> PolynomialRoots(int degree, const PolynomialEvaluator& evaluate,
                                             ExtendedComplex centre, long double real,
                                             long double imaginary, bool rough = false);

// Iterates `roots` further with `evaluate`, a more precise evaluation of the polynomial (and
// slower, so that the roots are found first with a faster one).
void RefineRoots(std::vector<ExtendedComplex>& roots, const PolynomialEvaluator& evaluate);

}  // namespace vorna
