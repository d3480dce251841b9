#include "design/PolynomialRoots.h"

#include <cmath>
#include <cstddef>
#include <limits>

namespace vorna {

namespace {

constexpr int kMaxIterations = 500;
// Corrections below this fraction of a root's size are rounding noise in long double.
constexpr long double kConverged = 1e-18L;
// Near a root the steps shrink at least fourfold each time until they reach the rounding of
// the polynomial's evaluation.
constexpr long double kNearRoot = 1e-8L;
constexpr long double kPi = 3.141592653589793238462643383279503L;

// Aberth–Ehrlich steps until every root has settled. A rough pass, to be refined by a more
// precise evaluation, also settles a root whose steps have stopped shrinking three times in
// a row, wherever that is.
void Iterate(std::vector<ExtendedComplex>& roots, const PolynomialEvaluator& evaluate, bool rough) {
    const std::size_t n = roots.size();
    std::vector<bool> settled(n, false);
    std::vector<int> stalls(n, 0);
    std::vector<long double> lastStep(n, std::numeric_limits<long double>::infinity());
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
        bool moved = false;
        for (std::size_t k = 0; k < n; ++k) {
            if (settled[k]) continue;
            const PolynomialValue p = evaluate(roots[k]);
            if (p.value == ExtendedComplex(0)) {
                settled[k] = true;
                continue;
            }
            const ExtendedComplex newton = p.value / p.derivative;
            ExtendedComplex repulsion = 0;
            for (std::size_t j = 0; j < n; ++j) {
                if (j != k) repulsion += 1.0L / (roots[k] - roots[j]);
            }
            const ExtendedComplex step = newton / (1.0L - newton * repulsion);
            roots[k] -= step;
            // Settled at the precision of long double, or where the rounding of the
            // evaluation stops the steps from shrinking near the root.
            const long double size = std::abs(step) / std::abs(roots[k]);
            stalls[k] = size > lastStep[k] / 4 ? stalls[k] + 1 : 0;
            if (size <= kConverged || (size < kNearRoot && stalls[k] > 0) ||
                (rough && stalls[k] >= 3)) {
                settled[k] = true;
            } else {
                moved = true;
            }
            lastStep[k] = size;
        }
        if (!moved) break;
    }
}

}  // namespace

void RefineRoots(std::vector<ExtendedComplex>& roots, const PolynomialEvaluator& evaluate) {
    Iterate(roots, evaluate, false);
}

std::vector<ExtendedComplex> PolynomialRoots(int degree, const PolynomialEvaluator& evaluate,
                                             ExtendedComplex centre, long double real,
                                             long double imaginary, bool rough) {
    const auto n = static_cast<std::size_t>(degree);
    std::vector<ExtendedComplex> roots(n);
    // Starting points off the real axis and out of step with its symmetry.
    for (std::size_t k = 0; k < n; ++k) {
        const long double angle =
            2 * kPi * (static_cast<long double>(k) + 0.25L) / static_cast<long double>(n);
        roots[k] = centre + ExtendedComplex(real * std::cos(angle), imaginary * std::sin(angle));
    }
    Iterate(roots, evaluate, rough);
    return roots;
}

}  // namespace vorna
