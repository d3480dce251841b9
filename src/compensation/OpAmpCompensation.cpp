#include "compensation/OpAmpCompensation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>

#include "compensation/SinglePoleSection.h"

namespace vorna {
namespace {

// The pre-distortion's unknowns: log w0, log Q and (band-pass circuits) log of the gain's
// factor, as the offsets from the designed ones.
constexpr std::size_t kMostUnknowns = 3;
using Vector = std::array<double, kMostUnknowns>;

// What the pre-distortion makes equal to the design's.
enum class Match {
    PolePair,         // the low-pass circuits: their gain is one at DC whatever the op-amp
    PolePairAndGain,  // the band-pass circuits: and the gain at the pole frequency
    Response,         // the high-pass circuits: H(j w0), whose level the op-amps also lower
};

Match MatchOf(SectionCircuit circuit) {
    switch (circuit) {
        case SectionCircuit::MultipleFeedbackBandPass:
        case SectionCircuit::DualAmplifierBandPass:
            return Match::PolePairAndGain;
        case SectionCircuit::MultipleFeedbackHighPass:
        case SectionCircuit::SallenKeyHighPass:
            return Match::Response;
        default:
            return Match::PolePair;
    }
}

std::complex<double> ResponseAt(const Section& s, double w) {
    const std::complex<double> jw(0, w);
    return (s.num2 * jw * jw + s.num1 * jw + s.num0) / (jw * jw + s.den1 * jw + s.den0);
}

struct Problem {
    SectionCircuit circuit;
    Section designed;
    double gbwHz;
    double w0, q;
    std::complex<double> response;  // the design's at w0
    Match match;

    std::size_t Unknowns() const { return match == Match::PolePairAndGain ? kMostUnknowns : 2; }

    Section Target(const Vector& x) const {
        Section t = designed;
        const double w = w0 * std::exp(x[0]);
        t.den0 = w * w;
        t.den1 = w / (q * std::exp(x[1]));
        t.num1 = designed.num1 / designed.den1 * std::exp(x[2]) * t.den1;
        // A notch section keeps its zeros, which hold the stop band's attenuation, and its
        // gain on the side of them where its pass band lies: at DC when the zeros lie above
        // the poles, at high frequencies when below. Any other keeps its gain at DC.
        const bool notch = designed.num2 != 0 && designed.num0 != 0;
        if (!notch || designed.num0 / designed.num2 > designed.den0)
            t.num0 = designed.num0 * t.den0 / designed.den0;
        if (notch) t.num2 = t.num0 * designed.num2 / designed.num0;
        return t;
    }

    // The realised pair's and gain's offsets from the designed ones in logs.
    std::optional<Vector> Residual(const Vector& x) const {
        const Section target = Target(x);
        const std::optional<SectionElements> elements = IdealElements(circuit, target);
        if (!elements) return std::nullopt;
        const double targetW0 = std::sqrt(target.den0);
        const auto realised =
            RealiseWithSinglePoleOpAmps(*elements, gbwHz, targetW0, targetW0 / target.den1, w0);
        if (!realised) return std::nullopt;
        // An inverting circuit's response is the design's negated: the square's angle
        // is blind to that.
        const std::complex<double> ratio = realised->response / response;
        if (match == Match::Response)
            return Vector{std::log(std::abs(ratio)), std::arg(ratio * ratio) / 2, 0};
        return Vector{std::log(realised->w0 / w0), std::log(realised->q / q),
                      match == Match::PolePairAndGain ? std::log(std::abs(ratio)) : 0};
    }
};

double Size(const Vector& r) {
    return std::max({std::abs(r[0]), std::abs(r[1]), std::abs(r[2])});
}

// Solves J d = -r for the leading `n` unknowns by Gaussian elimination; false when singular.
bool SolveStep(std::array<Vector, kMostUnknowns> j, Vector r, std::size_t n, Vector& d) {
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t pivot = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::abs(j[i][k]) > std::abs(j[pivot][k])) pivot = i;
        if (!(std::abs(j[pivot][k]) > 0)) return false;
        std::swap(j[k], j[pivot]);
        std::swap(r[k], r[pivot]);
        for (std::size_t i = k + 1; i < n; ++i) {
            const double f = j[i][k] / j[k][k];
            for (std::size_t c = k; c < n; ++c) j[i][c] -= f * j[k][c];
            r[i] -= f * r[k];
        }
    }
    d = {};
    for (std::size_t k = n; k-- > 0;) {
        double v = -r[k];
        for (std::size_t c = k + 1; c < n; ++c) v -= j[k][c] * d[c];
        d[k] = v / j[k][k];
    }
    return true;
}

}  // namespace

std::optional<Section> PreDistortedSection(SectionCircuit circuit, const Section& designed,
                                           double gbwHz) {
    if (!HasSinglePoleEquations(circuit)) return designed;
    const double w0 = std::sqrt(designed.den0);
    const Problem problem{
        circuit,         designed, gbwHz, w0, w0 / designed.den1, ResponseAt(designed, w0),
        MatchOf(circuit)};
    if (!std::isfinite(problem.q) || !(problem.q > 0) || !(std::abs(problem.response) > 0))
        return std::nullopt;
    // A pre-distortion by more than this (a factor in f0, Q or gain) is no circuit to build.
    const double kLargestLogOffset = std::log(20.0);
    constexpr double kDelta = 1e-6;
    Vector x{};
    std::optional<Vector> r = problem.Residual(x);
    for (int iteration = 0; r && iteration < 50; ++iteration) {
        if (Size(*r) < 1e-10) return problem.Target(x);
        std::array<Vector, kMostUnknowns> jacobian{};
        for (std::size_t k = 0; k < problem.Unknowns(); ++k) {
            Vector shifted = x;
            shifted[k] += kDelta;
            const std::optional<Vector> rk = problem.Residual(shifted);
            if (!rk) return std::nullopt;
            for (std::size_t i = 0; i < problem.Unknowns(); ++i)
                jacobian[i][k] = ((*rk)[i] - (*r)[i]) / kDelta;
        }
        Vector step;
        if (!SolveStep(jacobian, *r, problem.Unknowns(), step)) return std::nullopt;
        // Halve the step until the residual shrinks.
        std::optional<Vector> next;
        Vector tried = x;
        for (double scale = 1; scale > 1e-3; scale /= 2) {
            for (std::size_t k = 0; k < kMostUnknowns; ++k) tried[k] = x[k] + scale * step[k];
            next = problem.Residual(tried);
            if (next && Size(*next) < Size(*r)) break;
            next.reset();
        }
        if (!next || Size(tried) > kLargestLogOffset) return std::nullopt;
        x = tried;
        r = next;
    }
    return std::nullopt;
}

}  // namespace vorna
