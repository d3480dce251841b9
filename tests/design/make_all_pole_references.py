#!/usr/bin/python3
"""Writes the reference poles of the Bessel and Legendre (optimum-L) low-pass prototypes that
BesselLegendreTest checks the prototypes against, computed in 50-digit arithmetic from the
exact polynomials:

  bessel_poles.txt    the reverse Bessel polynomial's roots for each normalisation
                      (delay: group delay 1 at DC; phase: the phase's high-frequency
                      asymptote of the Butterworth's; mag: -3.01 dB at 1 rad/s, as
                      scipy.signal.besselap normalises them)
  legendre_poles.txt  the left-half-plane roots of 1 + L_n(-s^2)
  legendre_polynomials.txt  L_n(x) for n = 2..12 as exact rationals, from the defining
                      integral, checked here against the published L_2, L_3, L_4

Each pole line is "NAME ORDER RE IM" with IM >= 0 (the conjugates are implied), 25 digits.
Usage: make_all_pole_references.py OUTPUT_FOLDER [HIGHEST_ORDER]
"""

import sys
from fractions import Fraction
from math import factorial

import mpmath
import numpy
import sympy
from scipy import signal

DIGITS = 50


def bessel_coefficients(n):
    """The reverse Bessel polynomial's coefficients, highest power first."""
    return [factorial(2 * n - k) // (2 ** (n - k) * factorial(k) * factorial(n - k))
            for k in range(n, -1, -1)]


def polished(coefficients, starts):
    """The roots of the exact polynomial (highest power first) by Newton's method in
    50-digit arithmetic (more as the coefficients grow and cancel) from double-precision
    starting points; refuses roots that do not settle or that coincide."""
    n = len(coefficients) - 1
    found = []
    with mpmath.workdps(DIGITS + n + 20):
        exact = [mpmath.mpf(c.numerator) / c.denominator if isinstance(c, Fraction)
                 else mpmath.mpf(c) for c in coefficients]
        for start in starts:
            z = mpmath.mpc(start)
            for _ in range(100):
                value, derivative = mpmath.polyval(exact, z, derivative=True)
                step = value / derivative
                z -= step
                if abs(step) < abs(z) * mpmath.mpf(10) ** (-DIGITS - 5):
                    break
            else:
                raise SystemExit("a root of order %d does not settle" % n)
            found.append(z)
    for i, a in enumerate(found):
        for b in found[i + 1:]:
            if abs(a - b) < 1e-6 * abs(a):
                raise SystemExit("two roots of order %d coincide" % n)
    return found


def magnitude_squared(poles, constant, w):
    value = mpmath.mpf(constant) ** 2
    for p in poles:
        value /= abs(mpmath.mpc(0, w) - p) ** 2
    return value


def bessel_poles(n):
    coefficients = bessel_coefficients(n)
    delay = polished(coefficients, signal.besselap(n, norm="delay")[1])
    a0 = coefficients[-1]
    phase = [p * mpmath.power(a0, mpmath.mpf(-1) / n) for p in delay]
    w3 = mpmath.findroot(lambda w: magnitude_squared(delay, a0, w) - mpmath.mpf(1) / 2,
                         mpmath.sqrt((2 * n - 1) * mpmath.log(2)))
    mag = [p / w3 for p in delay]
    return {"delay": delay, "phase": phase, "mag": mag}


X = sympy.symbols("x")


def optimum_l_in_x(n):
    """Papoulis's optimum-L polynomial as exact rationals in x = 2 w^2 - 1: the defining
    integral with the squared coefficients a_i^2, which are rational."""
    k = (n - 1) // 2 if n % 2 else (n - 2) // 2
    if n % 2:
        scale, used, weight = sympy.Rational(1, 2 * (k + 1) ** 2), range(k + 1), 1
    else:
        scale, used, weight = sympy.Rational(1, (k + 1) * (k + 2)), range(k % 2, k + 1, 2), X + 1
    h = sum((sympy.legendre_poly(i, X, polys=True) * (2 * i + 1) for i in used),
            sympy.Poly(0, X, domain="QQ"))
    integrand = sympy.Poly(weight, X, domain="QQ") * h * h * scale
    antiderivative = integrand.integrate()
    return antiderivative - antiderivative.eval(-1)


def legendre_polynomial(n):
    """L_n(w^2) as exact rationals in x = w^2."""
    return optimum_l_in_x(n).compose(sympy.Poly(2 * X - 1, X, domain="QQ"))


def legendre_series(in_x):
    """Exact Legendre-series coefficients, lowest first, of a polynomial in x."""
    series = [Fraction(0)] * (in_x.degree() + 1)
    remaining = in_x
    for degree in range(in_x.degree(), -1, -1):
        p = sympy.legendre_poly(degree, X, polys=True)
        share = remaining.coeff_monomial(X ** degree) / p.coeff_monomial(X ** degree)
        series[degree] = Fraction(int(share.p), int(share.q))
        remaining = remaining - p * share
    return series


def legendre_poles(polynomial, n):
    coefficients = [Fraction(int(c.p), int(c.q)) for c in polynomial.all_coeffs()]
    coefficients[-1] += 1
    series = legendre_series(optimum_l_in_x(n) + 1)
    starts = (numpy.polynomial.legendre.legroots([float(c) for c in series]) + 1) / 2
    poles = []
    with mpmath.workdps(DIGITS + n):
        for y in polished(coefficients, starts.astype(complex)):
            s = -mpmath.sqrt(-y)
            poles.append(s if s.real < 0 else -s)
    return poles


def upper_half(poles):
    kept = [p for p in poles if p.imag > -mpmath.mpf(10) ** (-30)]
    return sorted(kept, key=lambda p: (float(p.imag), float(p.real)))


def pole_lines(name, n, poles):
    return ["%s %d %s %s" % (name, n, mpmath.nstr(p.real, 25, min_fixed=1, max_fixed=0),
                             mpmath.nstr(abs(p.imag) if abs(p.imag) < 1e-30 else p.imag, 25,
                                         min_fixed=1, max_fixed=0))
            for p in upper_half(poles)]


def check_published():
    published = {2: X**2, 3: 3 * X**3 - 3 * X**2 + X, 4: 6 * X**4 - 8 * X**3 + 3 * X**2}
    for n, expected in published.items():
        if legendre_polynomial(n).as_expr() != sympy.expand(expected):
            raise SystemExit("L_%d differs from the published polynomial" % n)


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__)
        return 2
    folder = sys.argv[1]
    highest = int(sys.argv[2]) if len(sys.argv) == 3 else 60
    mpmath.mp.dps = DIGITS
    check_published()
    bessel, legendre, polynomials = [], [], []
    for n in range(2, highest + 1):
        for name, poles in bessel_poles(n).items():
            bessel += pole_lines("bessel-" + name, n, poles)
        polynomial = legendre_polynomial(n)
        if polynomial.eval(0) != 0 or polynomial.eval(1) != 1:
            raise SystemExit("L_%d is not 0 at 0 and 1 at 1" % n)
        if n <= 12:
            polynomials.append("legendre %d %s" % (
                n, " ".join(str(c) for c in reversed(polynomial.all_coeffs()))))
        legendre += pole_lines("legendre", n, legendre_poles(polynomial, n))
        print("order", n, file=sys.stderr)
    header = "# Written by tests/design/make_all_pole_references.py (%d digits).\n" % DIGITS
    for name, lines in (("bessel_poles.txt", bessel), ("legendre_poles.txt", legendre),
                        ("legendre_polynomials.txt", polynomials)):
        with open(folder + "/" + name, "w", encoding="ascii") as f:
            f.write(header + "\n".join(lines) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
