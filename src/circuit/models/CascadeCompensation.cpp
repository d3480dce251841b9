#include "circuit/models/CascadeCompensation.h"

#include <Eigen/Dense>
#include <cmath>
#include <numbers>

#include "circuit/models/OpAmpCompensation.h"
#include "circuit/models/SinglePoleSection.h"

namespace vorna {
namespace {

using Eigen::MatrixXd;
using Eigen::VectorXd;

// Points of the band the magnitudes are compared at (log-spaced, both ends included).
constexpr int kPoints = 48;
// Reweighting rounds of the least-largest-deviation fit.
constexpr int kRounds = 80;
// A pre-distortion by more than this factor in f0 or Q is no circuit to build.
const double kLargestLogOffset = std::log(20.0);

double Db(std::complex<double> v) {
    return 20 * std::log10(std::abs(v));
}

std::complex<double> ResponseAt(const Section& s, double w) {
    const std::complex<double> jw(0, w);
    return (s.num2 * jw * jw + s.num1 * jw + s.num0) / (jw * jw + s.den1 * jw + s.den0);
}

// The section `designed` with its f0 and Q moved by the factors e^logW0 and e^logQ; the
// gains at DC, at w0 and at high frequencies stay as designed.
Section Moved(const Section& designed, double logW0, double logQ) {
    Section t = designed;
    const double w0 = std::sqrt(designed.den0) * std::exp(logW0);
    const double q = std::sqrt(designed.den0) / designed.den1 * std::exp(logQ);
    t.den0 = w0 * w0;
    t.den1 = w0 / q;
    t.num0 = designed.num0 * t.den0 / designed.den0;
    t.num1 = designed.num1 * t.den1 / designed.den1;
    return t;
}

class CascadeFit {
public:
    CascadeFit(std::span<const CircuitSection> sections, double gbwHz, double lowHz, double highHz)
        : sections_(sections), gbwHz_(gbwHz), designedDb_(kPoints, sections.size()) {
        for (int k = 0; k < kPoints; ++k)
            w_.push_back(2 * std::numbers::pi * lowHz *
                         std::pow(highHz / lowHz, static_cast<double>(k) / (kPoints - 1)));
        for (std::size_t i = 0; i < sections.size(); ++i)
            for (int k = 0; k < kPoints; ++k)
                designedDb_(k, static_cast<Eigen::Index>(i)) =
                    Db(ResponseAt(sections[i].designed, w_[static_cast<std::size_t>(k)]));
    }

    bool Fitted(std::size_t i) const { return HasSinglePoleEquations(sections_[i].circuit); }

    Section Target(const VectorXd& x, std::size_t i) const {
        const auto j = static_cast<Eigen::Index>(2 * i);
        return Moved(sections_[i].designed, x(j), x(j + 1));
    }

    // Section i's realised gain less its designed gain (dB) at every point.
    std::optional<VectorXd> SectionMiss(const VectorXd& x, std::size_t i) const {
        VectorXd miss = VectorXd::Zero(kPoints);
        if (!Fitted(i)) return miss;
        const std::optional<SectionElements> elements =
            IdealElements(sections_[i].circuit, Target(x, i));
        if (!elements) return std::nullopt;
        for (int k = 0; k < kPoints; ++k) {
            const auto response =
                SinglePoleResponseAt(*elements, gbwHz_, w_[static_cast<std::size_t>(k)]);
            if (!response) return std::nullopt;
            miss(k) = Db(*response) - designedDb_(k, static_cast<Eigen::Index>(i));
        }
        return miss;
    }

    std::optional<VectorXd> Miss(const VectorXd& x) const {
        VectorXd miss = VectorXd::Zero(kPoints);
        for (std::size_t i = 0; i < sections_.size(); ++i) {
            const std::optional<VectorXd> m = SectionMiss(x, i);
            if (!m) return std::nullopt;
            miss += *m;
        }
        return miss;
    }

    // d miss / d x by forward differences; none where a shifted section is not realisable.
    std::optional<MatrixXd> Jacobian(const VectorXd& x) const {
        constexpr double kDelta = 1e-6;
        MatrixXd jacobian = MatrixXd::Zero(kPoints, x.size());
        for (std::size_t i = 0; i < sections_.size(); ++i) {
            if (!Fitted(i)) continue;
            const std::optional<VectorXd> base = SectionMiss(x, i);
            if (!base) return std::nullopt;
            for (auto j = static_cast<Eigen::Index>(2 * i);
                 j < static_cast<Eigen::Index>(2 * i + 2); ++j) {
                VectorXd shifted = x;
                shifted(j) += kDelta;
                const std::optional<VectorXd> m = SectionMiss(shifted, i);
                if (!m) return std::nullopt;
                jacobian.col(j) = (*m - *base) / kDelta;
            }
        }
        return jacobian;
    }

    // Whether every fitted section's pole pair stays a stable one with the op-amps.
    bool Stable(const VectorXd& x) const {
        for (std::size_t i = 0; i < sections_.size(); ++i) {
            if (!Fitted(i)) continue;
            const Section t = Target(x, i);
            const std::optional<SectionElements> elements = IdealElements(sections_[i].circuit, t);
            const double w0 = std::sqrt(t.den0);
            if (!elements || !RealiseWithSinglePoleOpAmps(*elements, gbwHz_, w0, w0 / t.den1, w0))
                return false;
        }
        return true;
    }

private:
    std::span<const CircuitSection> sections_;
    double gbwHz_;
    std::vector<double> w_;
    MatrixXd designedDb_;
};

}  // namespace

std::optional<CascadeTargets> PreDistortedCascade(std::span<const CircuitSection> sections,
                                                  double gbwHz, double lowHz, double highHz) {
    const CascadeFit fit(sections, gbwHz, lowHz, highHz);
    VectorXd x = VectorXd::Zero(static_cast<Eigen::Index>(2 * sections.size()));
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (!fit.Fitted(i)) continue;
        const Section& d = sections[i].designed;
        const std::optional<Section> own = PreDistortedSection(sections[i].circuit, d, gbwHz);
        if (!own) return std::nullopt;
        const auto j = static_cast<Eigen::Index>(2 * i);
        x(j) = 0.5 * std::log(own->den0 / d.den0);
        x(j + 1) = std::log(std::sqrt(own->den0) / own->den1 * d.den1 / std::sqrt(d.den0));
    }
    std::optional<VectorXd> miss = fit.Miss(x);
    if (!miss) return std::nullopt;
    VectorXd best = x;
    double bestMiss = miss->cwiseAbs().maxCoeff();
    // Lawson's reweighted least squares: the weights grow where the deviation is largest, so
    // that the weighted least-squares fits tend to the least largest deviation; each round
    // takes one damped Gauss-Newton step.
    VectorXd weights = VectorXd::Constant(kPoints, 1.0 / kPoints);
    double damping = 1e-3;
    for (int round = 0; round < kRounds; ++round) {
        const std::optional<MatrixXd> jacobian = fit.Jacobian(x);
        if (!jacobian) break;
        const MatrixXd normal = jacobian->transpose() * weights.asDiagonal() * *jacobian;
        const VectorXd gradient = jacobian->transpose() * weights.asDiagonal() * *miss;
        const double before = miss->cwiseAbs2().dot(weights);
        bool accepted = false;
        for (int attempt = 0; attempt < 12 && !accepted; ++attempt) {
            MatrixXd damped = normal;
            damped.diagonal() *= 1 + damping;
            damped.diagonal().array() += 1e-12;
            const VectorXd trial = x - damped.ldlt().solve(gradient);
            const std::optional<VectorXd> trialMiss =
                trial.cwiseAbs().maxCoeff() > kLargestLogOffset ? std::nullopt : fit.Miss(trial);
            if (trialMiss && trialMiss->cwiseAbs2().dot(weights) < before) {
                x = trial;
                miss = trialMiss;
                damping /= 3;
                accepted = true;
            } else {
                damping *= 4;
            }
        }
        if (!accepted) break;
        const double largest = miss->cwiseAbs().maxCoeff();
        if (largest < bestMiss && fit.Stable(x)) {
            best = x;
            bestMiss = largest;
        }
        weights = weights.cwiseProduct(miss->cwiseAbs().array().max(1e-12).matrix());
        weights /= weights.sum();
    }
    CascadeTargets result;
    result.missDb = bestMiss;
    for (std::size_t i = 0; i < sections.size(); ++i)
        result.targets.push_back(fit.Fitted(i) ? fit.Target(best, i) : sections[i].designed);
    return result;
}

}  // namespace vorna
