// RecomputeResults for the order-58 designs of every kind and approximation: the elliptic
// ones factorise a polynomial of degree 58 and, where that fails its check, compute the poles
// from the Jacobi functions.

#include <benchmark/benchmark.h>

#include <cmath>

#include "app/DesignDocument.h"
#include "app/DocumentResults.h"
#include "design/DesignResults.h"

namespace {

using namespace vorna;

// An order-58 design as the by-order procedures leave it (attp 0.5 dB, Xs 1.5; band edges
// 1 kHz and 3 kHz, Xs 1.3 for the band filters).
DesignDocument Order58(int kind, int approximation) {
    DesignDocument doc;
    doc.kind = kind;
    doc.approximation = approximation;
    doc.byOrder = true;
    doc.figures.order = 58;
    doc.figures.orderExact = 58;
    doc.oddOrder = false;
    doc.lastSection = 28;
    doc.attp = 0.5;
    doc.figures.epsP2 = std::pow(10, doc.attp / 10) - 1;
    const bool band = kind == kBandPass || kind == kBandEliminate;
    doc.xs = band ? 1.3 : 1.5;
    double ratio = doc.xs;
    if (band) {
        doc.figures.fs1 = kind == kBandPass ? doc.fp1 / doc.xs : doc.fp1 * doc.xs;
        doc.figures.fs2 = kind == kBandPass ? doc.fp2 * doc.xs : doc.fp2 / doc.xs;
        ratio = kind == kBandPass ? (doc.figures.fs2 - doc.figures.fs1) / (doc.fp2 - doc.fp1)
                                  : (doc.fp2 - doc.fp1) / (doc.figures.fs2 - doc.figures.fs1);
        doc.figures.fc = std::sqrt(doc.fp1 * doc.fp2);
        doc.figures.bandwidth = kTwoPi * (doc.fp2 - doc.fp1);
        doc.figures.xsAlt = ratio;
    }
    if (approximation == kInverseChebyshev) {
        const double t = std::sqrt(doc.figures.epsP2) * std::cosh(58 * std::acosh(ratio));
        doc.figures.attsAchieved = 10 * std::log10(t * t + 1);
        doc.figures.epsS2 = t * t;
        if (band) {
            doc.figures.bandwidth = kTwoPi * (doc.figures.fs2 - doc.figures.fs1);
        } else {
            doc.figures.fc = doc.fp * doc.xs;
        }
    }
    return doc;
}

void BM_RecomputeResultsOrder58(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    const int approximation = static_cast<int>(state.range(1));
    DesignDocument doc = Order58(kind, approximation);
    DesignResults results;
    for (auto _ : state) {
        RecomputeResults(results, doc);
        benchmark::DoNotOptimize(results.sections);
    }
}
BENCHMARK(BM_RecomputeResultsOrder58)
    ->ArgNames({"kind", "approximation"})
    ->ArgsProduct({{kLowPass, kHighPass, kBandPass, kBandEliminate},
                   {kButterworth, kChebyshev, kInverseChebyshev, kElliptic}});

}  // namespace
