// The designed sections against scipy.signal's analog designs of the same order, ripple and
// attenuation: the designs are written to a JSON file that compare_with_scipy.py checks.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "design/DesignFixture.h"
#include "platform/CLocale.h"
#include "support/PythonCheck.h"

namespace vorna::testing {
namespace {

std::string Number(double x) {
    return Format("%.17g", x);
}

// The edges scipy is given, in rad/s: the pass-band edges, or the stop-band edges of the
// inverse Chebyshev approximation, which is normalised there.
std::vector<double> ScipyEdges(const DesignDocument& doc) {
    const bool stop = doc.approximation == kInverseChebyshev;
    if (doc.kind == kLowPass || doc.kind == kHighPass) return {kTwoPi * doc.figures.fc};
    if (stop) return {kTwoPi * doc.figures.fs1, kTwoPi * doc.figures.fs2};
    return {kTwoPi * doc.fp1, kTwoPi * doc.fp2};
}

std::string DesignJson(const DesignCase& design) {
    const Design d = MakeDesign(design);
    constexpr const char* kKinds[] = {"LP", "HP", "BP", "BE"};
    std::ostringstream json;
    json << "{\"name\": \"" << Describe(design) << "\", \"kind\": \""
         << kKinds[design.kind - kLowPass] << "\", \"approximation\": \""
         << ApproximationLabel(design.approximation) << "\", \"norm\": \""
         << BesselNormName(design.besselNorm) << "\", \"order\": " << design.order
         << ", \"attp\": " << Number(d.doc.attp)
         << ", \"attsAchieved\": " << Number(d.doc.figures.attsAchieved) << ", \"edges\": [";
    const std::vector<double> edges = ScipyEdges(d.doc);
    for (size_t i = 0; i < edges.size(); ++i) json << (i ? ", " : "") << Number(edges[i]);
    const bool ownPrototype = design.approximation == kBessel || design.approximation == kLegendre;
    json << "], \"tolerance\": " << (ownPrototype ? 1e-6 : 0.01) << ", \"first\": ";
    const bool lowOrHigh = design.kind == kLowPass || design.kind == kHighPass;
    if (lowOrHigh && d.results.resultOddOrder != 0) {
        json << "[" << Number(d.results.p0) << ", " << Number(d.results.p1) << ", "
             << Number(d.results.p2) << "]";
    } else {
        json << "null";
    }
    json << ", \"sections\": [";
    for (int i = 0; i <= d.results.sectionLast; ++i) {
        json << (i ? ", " : "") << "[";
        const auto coefficients = InFileOrder(d.results.sections[i]);
        for (size_t j = 0; j < 5; ++j) json << (j ? ", " : "") << Number(coefficients[j]);
        json << "]";
    }
    json << "]}";
    return json.str();
}

// Every elliptic order from 2 to 58 for every kind, and a spread of orders for the others.
std::vector<DesignCase> Grid() {
    std::vector<DesignCase> grid;
    struct Parameters {
        double attp;
        double xs;
        double fp1;
        double fp2;
    };
    const Parameters parameters[] = {{0.1, 1.5, 1000, 3000}, {1.0, 1.05, 9000, 11000}};
    for (int kind = kLowPass; kind <= kBandEliminate; ++kind) {
        for (const Parameters& p : parameters) {
            for (int order = 2; order <= 58; ++order) {
                grid.push_back({kind, kElliptic, order, p.attp, p.xs, 1000, p.fp1, p.fp2});
            }
            for (int approximation = kButterworth; approximation < kElliptic; ++approximation) {
                for (int order : {2, 3, 4, 5, 8, 13, 20, 31, 44, 57, 58}) {
                    grid.push_back({kind, approximation, order, p.attp, p.xs, 1000, p.fp1, p.fp2});
                }
            }
        }
    }
    // The example of a factorisation on the wrong polynomial: order 5, 0.01 dB, Xs 1.5.
    grid.push_back({kLowPass, kElliptic, 5, 0.01, 1.5});
    grid.push_back({kLowPass, kElliptic, 58, 0.01, 3.0});
    // The all-pole approximations whose prototypes are their own: to 1e-6 dB.
    for (int kind = kLowPass; kind <= kBandEliminate; ++kind) {
        for (int order : {2, 3, 8, 13, 25}) {
            for (BesselNorm norm : {BesselNorm::Magnitude, BesselNorm::Delay, BesselNorm::Phase})
                grid.push_back({kind, kBessel, order, 0, 1.5, 1000, 1000, 3000, norm});
            grid.push_back({kind, kLegendre, order, 0, 1.5, 1000, 1000, 3000});
        }
    }
    // The ends of the stop-band ratio and of the ripple.
    for (int approximation = kChebyshev; approximation <= kElliptic; ++approximation) {
        for (int order : {2, 7, 58}) {
            grid.push_back({kLowPass, approximation, order, 0.2, 100});
            grid.push_back({kHighPass, approximation, order, 0.2, 1.00001});
            grid.push_back({kLowPass, approximation, order, 1e-4, 1.2});
            grid.push_back({kLowPass, approximation, order, 20, 1.2});
        }
    }
    return grid;
}

TEST(ScipyComparison, MagnitudeResponsesMatchScipyAnalogDesigns) {
    if (!HasScipy())
        GTEST_SKIP() << "python3 lacks scipy (python3-scipy): the comparison cannot run";
    std::vector<std::string> designs;
    for (const DesignCase& design : Grid()) designs.push_back(DesignJson(design));
    const PythonCheck check =
        RunPythonCheck(VORNA_SOURCE_DIR "/tests/design/compare_with_scipy.py", designs);
    EXPECT_EQ(check.status, 0) << check.output;
    std::cout << check.output;
}

}  // namespace
}  // namespace vorna::testing
