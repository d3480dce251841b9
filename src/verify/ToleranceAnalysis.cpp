#include "verify/ToleranceAnalysis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "platform/CLocale.h"
#include "verify/CircuitModel.h"
#include "verify/ToleranceRandom.h"

namespace vorna::verify {
namespace {

// The envelope keeps every run's gain at its frequencies; beyond this many values it keeps
// every n-th frequency of the graph instead of all (the yield still sees every frequency).
constexpr std::size_t kEnvelopeBudget = std::size_t{1} << 25;
// Rounding in the last places does not make a design leave its mask.
constexpr double kMaskSlackDb = 1e-6;

std::string CheckTolerance(const char* what, double tolerance) {
    if (!std::isfinite(tolerance) || tolerance < 0 || tolerance > kMaxTolerance)
        return Format("%sの許容差は 0 から %g %% までの数値で入力して下さい", what,
                      kMaxTolerance * 100);
    return {};
}

// Gain in dB of a cascade at the angular frequency omega, from the squared magnitudes of
// the sections (a zero on the axis counts as -600 dB, as in the response graph).
double GainDb(const analysis::Cascade& cascade, double omega) {
    constexpr double kFloor = 1e-60;  // (1e-30)^2
    const double w2 = omega * omega;
    double logSum = 0;  // log10 of what was moved out of `ratio` to keep it in range
    double ratio = 1;
    auto multiply = [&](double num2, double den2) {
        ratio *= std::max(num2, kFloor) / std::max(den2, kFloor);
        if (ratio < 1e-200 || ratio > 1e200) {
            logSum += std::log10(ratio);
            ratio = 1;
        }
    };
    if (cascade.first) {
        const FirstOrderSection& f = *cascade.first;
        multiply(f.p1 * f.p1 * w2 + f.p2 * f.p2, w2 + f.p0 * f.p0);
    }
    for (const Section& p : cascade.sections) {
        const double nr = p.num0 - p.num2 * w2, ni = p.num1 * omega;
        const double dr = p.den0 - w2, di = p.den1 * omega;
        multiply(nr * nr + ni * ni, dr * dr + di * di);
    }
    return 10 * (logSum + std::log10(ratio));
}

// Where the mask is checked: its frequencies and, per frequency, the band's limit.
struct MaskPoint {
    std::size_t index;  // into the evaluated frequencies
    analysis::BandKind kind;
    double limitDb;
};

bool Inside(const analysis::MaskBand& band, double hz) {
    return hz >= band.lowHz && (!band.HasUpperEnd() || hz <= band.highHz);
}

// The evaluated frequencies: the graph's, then the mask's finite band edges (where a
// response leaves its mask first).
std::vector<double> EvaluatedFrequencies(const std::vector<double>& graph,
                                         const std::vector<analysis::MaskBand>& mask) {
    std::vector<double> frequencies = graph;
    for (const analysis::MaskBand& band : mask) {
        if (band.lowHz > 0) frequencies.push_back(band.lowHz);
        if (band.HasUpperEnd()) frequencies.push_back(band.highHz);
    }
    return frequencies;
}

std::vector<MaskPoint> MaskPoints(const std::vector<double>& frequencies,
                                  const std::vector<analysis::MaskBand>& mask) {
    std::vector<MaskPoint> points;
    for (std::size_t i = 0; i < frequencies.size(); ++i)
        for (const analysis::MaskBand& band : mask)
            if (Inside(band, frequencies[i])) points.push_back({i, band.kind, band.limitDb});
    return points;
}

bool KeepsToMask(const std::vector<double>& gains, const std::vector<MaskPoint>& mask) {
    return std::all_of(mask.begin(), mask.end(), [&](const MaskPoint& p) {
        const double gain = gains[p.index];
        return p.kind == analysis::BandKind::Pass ? gain >= p.limitDb - kMaskSlackDb
                                                  : gain <= p.limitDb + kMaskSlackDb;
    });
}

// The 5 %, 50 % and 95 % quantiles of `values` (reordered), each interpolated between its
// neighbours. The median is placed first; the outer quantiles then look at its halves only.
std::array<double, 3> Quantiles(std::vector<float>& values) {
    const auto at = [&](std::size_t i) { return values.begin() + static_cast<std::ptrdiff_t>(i); };
    const double last = static_cast<double>(values.size() - 1);
    const std::size_t median = static_cast<std::size_t>(0.5 * last);
    std::nth_element(values.begin(), at(median), values.end());
    // quantile q within [first, end), which holds the ranks from `first` on
    auto quantile = [&](double q, std::size_t first, std::size_t end) {
        const double position = q * last;
        const std::size_t below = static_cast<std::size_t>(position);
        std::nth_element(at(first), at(below), at(end));
        const double low = values[below];
        if (below + 1 >= values.size()) return low;
        const double high = *std::min_element(at(below + 1), values.end());
        return low + (position - static_cast<double>(below)) * (high - low);
    };
    const double p50 = quantile(0.5, median, median + 1);
    return {quantile(0.05, 0, median + 1), p50, quantile(0.95, median, values.size())};
}

// Every run's gains at the envelope's frequencies, one row per frequency.
class EnvelopeRecorder {
public:
    // `frequencies` are the first of the gains each run adds.
    EnvelopeRecorder(const std::vector<double>& frequencies, int runs) {
        const std::size_t total = frequencies.size() * static_cast<std::size_t>(runs);
        stride_ = std::max<std::size_t>(1, (total + kEnvelopeBudget - 1) / kEnvelopeBudget);
        for (std::size_t i = 0; i < frequencies.size(); i += stride_) {
            indices_.push_back(i);
            envelope_.frequencyHz.push_back(frequencies[i]);
        }
        rows_.resize(indices_.size());
        for (auto& row : rows_) row.reserve(static_cast<std::size_t>(runs));
        minDb_.assign(indices_.size(), std::numeric_limits<double>::infinity());
        maxDb_.assign(indices_.size(), -std::numeric_limits<double>::infinity());
    }
    void Add(const std::vector<double>& gains) {
        for (std::size_t k = 0; k < indices_.size(); ++k) {
            const double gain = gains[indices_[k]];
            rows_[k].push_back(static_cast<float>(gain));
            minDb_[k] = std::min(minDb_[k], gain);
            maxDb_[k] = std::max(maxDb_[k], gain);
        }
    }
    ToleranceEnvelope Finish() {
        if (rows_.empty() || rows_.front().empty()) return {};
        envelope_.minDb = minDb_;
        envelope_.maxDb = maxDb_;
        for (std::size_t k = 0; k < rows_.size(); ++k) {
            // The quantiles of equal gains are that gain exactly, not its float.
            const bool flat = minDb_[k] == maxDb_[k];
            const std::array<double, 3> q =
                flat ? std::array<double, 3>{minDb_[k], minDb_[k], minDb_[k]} : Quantiles(rows_[k]);
            envelope_.p5Db.push_back(q[0]);
            envelope_.p50Db.push_back(q[1]);
            envelope_.p95Db.push_back(q[2]);
        }
        return envelope_;
    }

private:
    std::size_t stride_ = 1;
    std::vector<std::size_t> indices_;
    std::vector<std::vector<float>> rows_;
    std::vector<double> minDb_, maxDb_;
    ToleranceEnvelope envelope_;
};

}  // namespace

std::string CheckToleranceOptions(const ToleranceOptions& options) {
    std::string problem = CheckTolerance("抵抗", options.resistorTolerance);
    if (problem.empty()) problem = CheckTolerance("コンデンサ", options.capacitorTolerance);
    if (problem.empty() && (options.runs < 1 || options.runs > kMaxToleranceRuns))
        problem = Format("試行回数は 1 から %d までの整数で入力して下さい", kMaxToleranceRuns);
    return problem;
}

ToleranceResult RunToleranceAnalysis(const RealisedCircuit& circuit,
                                     const ToleranceOptions& options, int pointsPerDecade,
                                     const Progress& progress, const std::atomic<bool>* cancel) {
    ToleranceResult result;
    result.error = CheckToleranceOptions(options);
    if (!result.error.empty()) return result;
    const std::optional<CircuitModel> model = CircuitModel::Of(circuit, result.error);
    if (!model) return result;

    const std::vector<double> graph = GraphFrequencies(circuit.results, pointsPerDecade);
    const std::vector<analysis::MaskBand> mask = analysis::AttenuationMask(circuit.maskEdges);
    const std::vector<double> frequencies = EvaluatedFrequencies(graph, mask);
    const std::vector<MaskPoint> maskPoints = MaskPoints(frequencies, mask);
    std::vector<double> omegas;
    for (double hz : frequencies) omegas.push_back(kTwoPi * hz);
    EnvelopeRecorder envelope(graph, options.runs);

    const std::vector<ModelElement>& elements = model->Elements();
    const std::vector<double> nominal = model->NominalValues();
    std::vector<double> values(nominal.size()), gains(frequencies.size());
    ToleranceRandom random(options.seed);
    analysis::Cascade cascade;
    const int progressStep = std::max(1, options.runs / 100);
    for (int run = 0; run < options.runs; ++run) {
        if (Cancelled(cancel)) {
            result.cancelled = true;
            break;
        }
        for (std::size_t i = 0; i < nominal.size(); ++i) {
            const double tolerance = elements[i].kind == ElementKind::Resistor
                                         ? options.resistorTolerance
                                         : options.capacitorTolerance;
            const double spread = options.distribution == Distribution::Uniform
                                      ? random.Symmetric()
                                      : random.Normal() / 3;
            values[i] = nominal[i] * (1 + tolerance * spread);
        }
        ++result.runs;
        if (!model->Realise(values, cascade)) {
            ++result.failedRuns;
        } else {
            for (std::size_t k = 0; k < omegas.size(); ++k) gains[k] = GainDb(cascade, omegas[k]);
            envelope.Add(gains);
            if (KeepsToMask(gains, maskPoints)) ++result.passedRuns;
        }
        if (progress && (run + 1) % progressStep == 0) progress(run + 1, options.runs);
    }
    result.yield = result.runs > 0 ? static_cast<double>(result.passedRuns) / result.runs : 0;
    result.envelope = envelope.Finish();
    return result;
}

}  // namespace vorna::verify
