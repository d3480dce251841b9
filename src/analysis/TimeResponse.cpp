#include "analysis/TimeResponse.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <unsupported/Eigen/MatrixFunctions>

namespace vorna::analysis {

namespace {

// The responses of high-order cascades with poles close to the axis pile up rounding
// errors over thousands of steps; extended precision keeps them below the tolerances.
using Real = long double;
using MatrixXd = Eigen::Matrix<Real, Eigen::Dynamic, Eigen::Dynamic>;
using VectorXd = Eigen::Matrix<Real, Eigen::Dynamic, 1>;
using RowVectorXd = Eigen::Matrix<Real, 1, Eigen::Dynamic>;

// The most sampling instants a digital response runs through (100 seconds at 1 MHz).
constexpr double kMostInstants = 1e8;
// Decay of the envelope that SettlingTime waits for.
const double kSettledLog = std::log(1000.0);

// The analog cascade x' = A x + B u, y = C x + D u.
struct StateSpace {
    MatrixXd a;
    VectorXd b;
    RowVectorXd c;
    Real d = 1;
};

// Appends a section (its own a, b, c, d) fed by the output of what the system holds.
void Append(StateSpace& system, const MatrixXd& a, const VectorXd& b, const RowVectorXd& c,
            Real d) {
    const Eigen::Index k = system.a.rows();
    const Eigen::Index m = a.rows();
    MatrixXd grown = MatrixXd::Zero(k + m, k + m);
    grown.topLeftCorner(k, k) = system.a;
    grown.bottomRightCorner(m, m) = a;
    grown.bottomLeftCorner(m, k) = b * system.c;
    VectorXd input(k + m);
    input << system.b, b * system.d;
    RowVectorXd output(k + m);
    output << d * system.c, c;
    system.a = std::move(grown);
    system.b = std::move(input);
    system.c = std::move(output);
    system.d *= d;
}

// Each section in a controllable form whose states are scaled by its natural frequency w,
// so that the entries of A stay of the order of w:
//   (n2 s^2 + n1 s + n0)/(s^2 + a1 s + a0): x1' = w x2, x2' = -(a0/w) x1 - a1 x2 + w u,
//   y = ((n0 - n2 a0)/w^2) x1 + ((n1 - n2 a1)/w) x2 + n2 u.
StateSpace AnalogStateSpace(const Cascade& cascade) {
    StateSpace system;
    system.a.resize(0, 0);
    system.b.resize(0);
    system.c.resize(0);
    if (cascade.first) {
        const FirstOrderSection& f = *cascade.first;
        const Real p0 = f.p0, p1 = f.p1, p2 = f.p2;
        const Real v = p0 != 0 ? std::fabs(p0) : 1;
        Append(system, MatrixXd::Constant(1, 1, -p0), VectorXd::Constant(1, v),
               RowVectorXd::Constant(1, (p2 - p1 * p0) / v), p1);
    }
    for (const Section& p : cascade.sections) {
        const Real a1 = p.den1, a0 = p.den0, n2 = p.num2, n1 = p.num1, n0 = p.num0;
        const Real w = a0 != 0 ? std::sqrt(std::fabs(a0)) : 1;
        MatrixXd a(2, 2);
        a << 0, w, -a0 / w, -a1;
        VectorXd b(2);
        b << 0, w;
        RowVectorXd c(2);
        c << (n0 - n2 * a0) / (w * w), (n1 - n2 * a1) / w;
        Append(system, a, b, c, n2);
    }
    return system;
}

std::vector<double> AnalogResponse(const Cascade& cascade, Excitation excitation, double step,
                                   int points) {
    const StateSpace system = AnalogStateSpace(cascade);
    const Eigen::Index n = system.a.rows();
    // exp of [[A, B], [0, 0]] dt holds the transition matrix and the response to a unit
    // input held over one step.
    MatrixXd augmented = MatrixXd::Zero(n + 1, n + 1);
    augmented.topLeftCorner(n, n) = system.a;
    augmented.topRightCorner(n, 1) = system.b;
    const MatrixXd transition = (augmented * static_cast<Real>(step)).exp();
    const MatrixXd phi = transition.topLeftCorner(n, n);
    const VectorXd gamma = transition.topRightCorner(n, 1);
    const bool isStep = excitation == Excitation::Step;
    VectorXd x = isStep ? VectorXd::Zero(n) : system.b;
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i) {
        values.push_back(static_cast<double>(system.c.dot(x) + (isStep ? system.d : 0)));
        x = isStep ? VectorXd(phi * x + gamma) : VectorXd(phi * x);
    }
    return values;
}

// Transposed direct form II, section after section, one sample at a time.
std::vector<double> DigitalResponse(const Cascade& cascade, Excitation excitation,
                                    std::size_t samples) {
    struct State {
        Real b0, b1, b2, a1, a2;
        Real s1 = 0, s2 = 0;
    };
    std::vector<State> states;
    if (cascade.first) {
        const FirstOrderSection& f = *cascade.first;
        states.push_back({f.p1, f.p2, 0, f.p0, 0});
    }
    for (const Section& p : cascade.sections)
        states.push_back({p.num2, p.num1, p.num0, p.den1, p.den0});
    std::vector<double> values;
    values.reserve(samples);
    for (std::size_t k = 0; k < samples; ++k) {
        Real v = excitation == Excitation::Step || k == 0 ? 1 : 0;
        for (State& s : states) {
            const Real y = s.b0 * v + s.s1;
            s.s1 = s.b1 * v - s.a1 * y + s.s2;
            s.s2 = s.b2 * v - s.a2 * y;
            v = y;
        }
        values.push_back(static_cast<double>(v));
    }
    return values;
}

// A root of x^2 + b x + c: the one with +w (sign 1) or -w (sign -1), w = sqrt(b^2 - 4c).
std::complex<double> QuadraticRoot(double b, double c, double sign) {
    const std::complex<double> w = std::sqrt(std::complex<double>(b * b - 4 * c, 0));
    return (-b + sign * w) / 2.0;
}

// Slowest decay rate (per second) of the cascade's modes; <= 0 when one does not decay.
double SlowestDecay(const Cascade& cascade) {
    double slowest = std::numeric_limits<double>::infinity();
    auto consider = [&](std::complex<double> pole) {
        const double rate =
            cascade.IsDigital() ? -std::log(std::abs(pole)) / cascade.samplingPeriod : -pole.real();
        slowest = std::min(slowest, rate);
    };
    // The digital forms 1 + a1 zm + a2 zm^2 have their poles at the roots of z^2 + a1 z + a2.
    if (cascade.first) consider(-cascade.first->p0);
    for (const Section& p : cascade.sections) {
        consider(QuadraticRoot(p.den1, p.den0, 1));
        consider(QuadraticRoot(p.den1, p.den0, -1));
    }
    return slowest;
}

}  // namespace

std::optional<double> SettlingTime(const Cascade& cascade) {
    const double slowest = SlowestDecay(cascade);
    if (!(slowest > 0)) return std::nullopt;
    if (std::isinf(slowest)) {
        // Digital sections with every pole at the origin: finished after their length.
        return cascade.samplingPeriod * (2 * cascade.SectionCount() + 1);
    }
    return kSettledLog / slowest;
}

double DcGain(const Cascade& cascade) {
    double gain = 1;
    if (cascade.IsDigital()) {
        if (cascade.first)
            gain *= (cascade.first->p1 + cascade.first->p2) / (1 + cascade.first->p0);
        for (const Section& p : cascade.sections)
            gain *= (p.num2 + p.num1 + p.num0) / (1 + p.den1 + p.den0);
    } else {
        if (cascade.first) gain *= cascade.first->p2 / cascade.first->p0;
        for (const Section& p : cascade.sections) gain *= p.num0 / p.den0;
    }
    return gain;
}

std::optional<std::vector<TimeSample>> TimeResponse(const Cascade& cascade, Excitation excitation,
                                                    double endTime, int points) {
    if (!(endTime > 0) || !std::isfinite(endTime) || points < 2) return std::nullopt;
    std::vector<double> values;
    double step = endTime / (points - 1);
    std::size_t stride = 1;
    if (cascade.IsDigital()) {
        const double T = cascade.samplingPeriod;
        const double instants = std::floor(endTime / T) + 1;
        if (!(T > 0) || !(instants <= kMostInstants)) return std::nullopt;
        const auto count = static_cast<std::size_t>(instants);
        stride = (count + static_cast<std::size_t>(points) - 1) / static_cast<std::size_t>(points);
        step = T * static_cast<double>(stride);
        values = DigitalResponse(cascade, excitation, count);
    } else {
        // Samples closer than doubles can tell apart are no response.
        if (!(step > 0)) return std::nullopt;
        values = AnalogResponse(cascade, excitation, step, points);
    }
    std::vector<TimeSample> samples;
    for (std::size_t i = 0; i * stride < values.size(); ++i) {
        const double time = static_cast<double>(i) * step;
        const double value = values[i * stride];
        if (!std::isfinite(time) || !std::isfinite(value)) return std::nullopt;
        samples.push_back({time, value});
    }
    return samples;
}

}  // namespace vorna::analysis
