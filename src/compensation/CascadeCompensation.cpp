#include "compensation/CascadeCompensation.h"

#include <Eigen/Dense>
#include <cmath>
#include <numbers>

#include "compensation/OpAmpCompensation.h"
#include "compensation/SinglePoleSection.h"

namespace vorna {
namespace {

using Eigen::MatrixXd;
using Eigen::VectorXd;

// Points of each band the magnitudes are compared at (log-spaced, both ends included).
constexpr int kPointsPerBand = 48;
// Reweighting rounds of the least-largest-deviation fit.
constexpr int kRounds = 80;
// The fit moves no f0, Q or gain by more than this factor from the section's own
// pre-distortion: it sees the pass band only, and further away it would buy a flatter pass
// band with sections that no longer make the stop band (a 4th-order high-pass fitted for a
// GBW of 50 times its edge moved a section from 867 Hz to 43 Hz) or with pole pairs the
// parts' tolerances upset.
const double kLargestLogMove = std::log(1.25);

double Db(std::complex<double> v) {
    return 20 * std::log10(std::abs(v));
}

std::complex<double> ResponseAt(const Section& s, double w) {
    const std::complex<double> jw(0, w);
    return (s.num2 * jw * jw + s.num1 * jw + s.num0) / (jw * jw + s.den1 * jw + s.den0);
}

// Every section's unknowns: the logs of the factors its f0 and Q move by and, for a notch
// section (whose circuits set its gain on their own), that of its gain. A notch section's
// zero frequency stays as designed: the fit sees the pass band only, and the zeros hold
// the stop band's attenuation.
constexpr Eigen::Index kUnknowns = 3;

bool IsNotch(const Section& s) {
    return s.num2 != 0 && s.num0 != 0;
}

// The section `designed` moved by `x`; an all-pole section keeps its gains at DC, at w0 and
// at high frequencies as designed.
Section Moved(const Section& designed, const Eigen::Ref<const VectorXd>& x) {
    Section t = designed;
    const double w0 = std::sqrt(designed.den0) * std::exp(x(0));
    const double q = std::sqrt(designed.den0) / designed.den1 * std::exp(x(1));
    t.den0 = w0 * w0;
    t.den1 = w0 / q;
    t.num1 = designed.num1 * t.den1 / designed.den1;
    if (IsNotch(designed)) {
        t.num2 = designed.num2 * std::exp(x(2));
        t.num0 = designed.num0 * std::exp(x(2));
    } else {
        t.num0 = designed.num0 * t.den0 / designed.den0;
    }
    return t;
}

class CascadeFit {
public:
    CascadeFit(std::span<const CircuitSection> sections, double gbwHz,
               std::span<const FittedBand> bands)
        : sections_(sections), gbwHz_(gbwHz) {
        for (const FittedBand& band : bands)
            for (int k = 0; k < kPointsPerBand; ++k)
                w_.push_back(2 * std::numbers::pi * band.lowHz *
                             std::pow(band.highHz / band.lowHz,
                                      static_cast<double>(k) / (kPointsPerBand - 1)));
        designedDb_.resize(Points(), static_cast<Eigen::Index>(sections.size()));
        for (std::size_t i = 0; i < sections.size(); ++i)
            for (Eigen::Index k = 0; k < Points(); ++k)
                designedDb_(k, static_cast<Eigen::Index>(i)) =
                    Db(ResponseAt(sections[i].designed, w_[static_cast<std::size_t>(k)]));
    }

    static Eigen::Index Offset(std::size_t section) {
        return kUnknowns * static_cast<Eigen::Index>(section);
    }

    Eigen::Index Points() const { return static_cast<Eigen::Index>(w_.size()); }

    bool Fitted(std::size_t i) const { return HasSinglePoleEquations(sections_[i].circuit); }

    Section Target(const VectorXd& x, std::size_t i) const {
        return Moved(sections_[i].designed, x.segment(Offset(i), kUnknowns));
    }

    // Section i's realised gain less its designed gain (dB) at every point.
    std::optional<VectorXd> SectionMiss(const VectorXd& x, std::size_t i) const {
        VectorXd miss = VectorXd::Zero(Points());
        if (!Fitted(i)) return miss;
        const std::optional<SectionElements> elements =
            IdealElements(sections_[i].circuit, Target(x, i));
        if (!elements) return std::nullopt;
        for (Eigen::Index k = 0; k < Points(); ++k) {
            const auto response =
                SinglePoleResponseAt(*elements, gbwHz_, w_[static_cast<std::size_t>(k)]);
            if (!response) return std::nullopt;
            miss(k) = Db(*response) - designedDb_(k, static_cast<Eigen::Index>(i));
            if (!std::isfinite(miss(k))) return std::nullopt;
        }
        return miss;
    }

    std::optional<VectorXd> Miss(const VectorXd& x) const {
        VectorXd miss = VectorXd::Zero(Points());
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
        MatrixXd jacobian = MatrixXd::Zero(Points(), x.size());
        for (std::size_t i = 0; i < sections_.size(); ++i) {
            if (!Fitted(i)) continue;
            const std::optional<VectorXd> base = SectionMiss(x, i);
            if (!base) return std::nullopt;
            const Eigen::Index moved = IsNotch(sections_[i].designed) ? kUnknowns : 2;
            for (Eigen::Index j = Offset(i); j < Offset(i) + moved; ++j) {
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
                                                  double gbwHz, std::span<const FittedBand> bands) {
    const CascadeFit fit(sections, gbwHz, bands);
    VectorXd x = VectorXd::Zero(CascadeFit::Offset(sections.size()));
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (!fit.Fitted(i)) continue;
        const Section& d = sections[i].designed;
        const std::optional<Section> own = PreDistortedSection(sections[i].circuit, d, gbwHz);
        if (!own) return std::nullopt;
        const Eigen::Index j = CascadeFit::Offset(i);
        x(j) = 0.5 * std::log(own->den0 / d.den0);
        x(j + 1) = std::log(std::sqrt(own->den0) / own->den1 * d.den1 / std::sqrt(d.den0));
    }
    const VectorXd start = x;
    std::optional<VectorXd> miss = fit.Miss(x);
    if (!miss) return std::nullopt;
    VectorXd best = x;
    double bestMiss = miss->cwiseAbs().maxCoeff();
    // Lawson's reweighted least squares: the weights grow where the deviation is largest, so
    // that the weighted least-squares fits tend to the least largest deviation; each round
    // takes one damped Gauss-Newton step.
    VectorXd weights = VectorXd::Constant(fit.Points(), 1.0 / static_cast<double>(fit.Points()));
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
                (trial - start).cwiseAbs().maxCoeff() > kLargestLogMove ? std::nullopt
                                                                        : fit.Miss(trial);
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
    const std::optional<VectorXd> plain = fit.Miss(VectorXd::Zero(x.size()));
    if (plain) result.uncompensatedMissDb = plain->cwiseAbs().maxCoeff();
    for (std::size_t i = 0; i < sections.size(); ++i)
        result.targets.push_back(fit.Fitted(i) ? fit.Target(best, i) : sections[i].designed);
    return result;
}

}  // namespace vorna
