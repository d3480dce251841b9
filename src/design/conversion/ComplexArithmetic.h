#pragma once
// Complex numbers of the response evaluation and the pole-zero plot: a pair of doubles with
// the few operations they need. The exponential and the modulus keep far-out values finite
// (e^a saturates at 1e150, vanishes below -150; moduli of parts below 1e-150 are 0) so
// that gains stay finite numbers of dB.

#include <cmath>
#include <complex>

namespace vorna {

struct Complex {
    double re = 0;
    double im = 0;
};

inline Complex operator-(Complex a) {
    return {-a.re, -a.im};
}
inline Complex operator+(Complex a, Complex b) {
    return {a.re + b.re, a.im + b.im};
}
inline Complex operator+(Complex a, double b) {
    return {a.re + b, a.im};
}
inline Complex operator*(Complex a, Complex b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
inline Complex operator*(Complex a, double b) {
    return {a.re * b, a.im * b};
}
inline Complex operator*(double a, Complex b) {
    return b * a;
}

inline double Modulus(Complex a) {
    if (std::fabs(a.re) < 1e-150 && std::fabs(a.im) < 1e-150) return 0;
    return std::sqrt(a.re * a.re + a.im * a.im);
}

inline double Argument(Complex a) {
    return std::atan2(a.im, a.re);
}

// exp(a + jb) = e^a (cos b + j sin b).
inline Complex Exp(Complex a) {
    if (a.re < -150) return {};
    const double magnitude = a.re > 150 ? 1e150 : std::exp(a.re);
    return {magnitude * std::cos(a.im), magnitude * std::sin(a.im)};
}

// Division by a real; a divisor closer to zero than 1e-150 multiplies by +-1e150 instead.
inline Complex DivideByReal(Complex a, double b) {
    if (std::fabs(b) < 1e-150) return a * (b < 0 ? -1e150 : 1e150);
    return {a.re / b, a.im / b};
}

// The principal square root.
inline Complex SquareRoot(Complex a) {
    const std::complex<double> root = std::sqrt(std::complex<double>(a.re, a.im));
    return {root.real(), root.imag()};
}

}  // namespace vorna
