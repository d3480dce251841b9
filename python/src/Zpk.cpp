#include "Zpk.h"

#include <cmath>

namespace vorna::python {

namespace {

using Roots = std::vector<std::complex<double>>;

// The roots of a x^2 + b x + c, of lower degree where the leading coefficients are 0; the
// real ones by the form that keeps the smaller root accurate.
void AddRoots(double a, double b, double c, Roots& roots) {
    if (a == 0) {
        if (b != 0) roots.emplace_back(-c / b, 0);
        return;
    }
    const double discriminant = b * b - 4 * a * c;
    if (discriminant < 0) {
        const double re = -b / (2 * a);
        const double im = std::sqrt(-discriminant) / (2 * std::abs(a));
        roots.emplace_back(re, im);
        roots.emplace_back(re, -im);
        return;
    }
    const double q = -0.5 * (b + std::copysign(std::sqrt(discriminant), b));
    if (q == 0) {
        roots.emplace_back(0, 0);
        roots.emplace_back(0, 0);
        return;
    }
    roots.emplace_back(q / a, 0);
    roots.emplace_back(c / q, 0);
}

double Leading(double a, double b, double c) {
    return a != 0 ? a : (b != 0 ? b : c);
}

}  // namespace

Zpk ZpkOf(const analysis::Cascade& cascade) {
    Zpk zpk;
    if (cascade.first) {
        const FirstOrderSection& f = *cascade.first;
        AddRoots(0, f.p1, f.p2, zpk.zeros);
        AddRoots(0, 1, f.p0, zpk.poles);
        zpk.gain *= Leading(0, f.p1, f.p2);
    }
    for (const Section& s : cascade.sections) {
        AddRoots(s.num2, s.num1, s.num0, zpk.zeros);
        AddRoots(1, s.den1, s.den0, zpk.poles);
        zpk.gain *= Leading(s.num2, s.num1, s.num0);
    }
    return zpk;
}

}  // namespace vorna::python
