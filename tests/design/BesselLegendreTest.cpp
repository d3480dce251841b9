// The Bessel and Legendre prototypes against their poles in 50-digit arithmetic and the exact
// optimum-L polynomials (tests/design/data, written by make_all_pole_references.py), and the
// orders of their specifications against a search over the orders of by-order designs.

#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "analysis/Cascade.h"
#include "analysis/Response.h"
#include "design/Approximations.h"
#include "design/DesignFilter.h"
#include "design/GroupDelayOrder.h"
#include "design/LowPassPrototype.h"

namespace vorna {
namespace {

using Poles = std::vector<std::complex<double>>;

// The reference poles by name ("bessel-mag", "legendre", ...) and order, upper half plane.
std::map<std::pair<std::string, int>, Poles> ReferencePoles(const std::string& file) {
    std::ifstream in(std::string(VORNA_SOURCE_DIR "/tests/design/data/") + file);
    std::map<std::pair<std::string, int>, Poles> poles;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string name;
        int order = 0;
        double re = 0;
        double im = 0;
        fields >> name >> order >> re >> im;
        poles[{name, order}].push_back({re, im});
    }
    return poles;
}

Poles UpperPoles(const LowPassPrototype& prototype) {
    Poles poles;
    if (prototype.odd) poles.push_back({-prototype.sigma, 0});
    for (const PrototypePair& pair : prototype.pairs) {
        const double sigma = pair.r / (2 * pair.q);
        poles.push_back({-sigma, std::sqrt(pair.r * pair.r - sigma * sigma)});
    }
    std::sort(poles.begin(), poles.end(), [](auto a, auto b) { return a.imag() < b.imag(); });
    return poles;
}

struct Prototyped {
    const char* name;
    Approximation approximation;
    LowPassPrototype (*make)(int order);
};

const Prototyped kPrototypes[] = {
    {"bessel-mag", Approximation::Bessel,
     [](int n) { return BesselPrototype(n, BesselNorm::Magnitude); }},
    {"bessel-delay", Approximation::Bessel,
     [](int n) { return BesselPrototype(n, BesselNorm::Delay); }},
    {"bessel-phase", Approximation::Bessel,
     [](int n) { return BesselPrototype(n, BesselNorm::Phase); }},
    {"legendre", Approximation::Legendre, LegendrePrototype},
};

// Every order up to the highest has its poles within 1e-10 of the 50-digit ones.
TEST(AllPolePrototypes, PolesMatchFiftyDigitReferencesUpToTheHighestOrder) {
    auto references = ReferencePoles("bessel_poles.txt");
    references.merge(ReferencePoles("legendre_poles.txt"));
    for (const Prototyped& p : kPrototypes) {
        const ApproximationRow& row = ApproximationRowOf(p.approximation);
        EXPECT_GE(row.maxOrder, 25);
        for (int order = row.minOrder; order <= row.maxOrder; ++order) {
            SCOPED_TRACE(::testing::Message() << p.name << " order " << order);
            const auto found = references.find({p.name, order});
            ASSERT_NE(found, references.end());
            const Poles poles = UpperPoles(p.make(order));
            ASSERT_EQ(poles.size(), found->second.size());
            for (std::size_t i = 0; i < poles.size(); ++i) {
                const std::complex<double> reference = found->second[i];
                EXPECT_LE(std::abs(poles[i] - reference), 1e-10 * std::abs(reference))
                    << poles[i] << " vs " << reference;
            }
        }
    }
}

// L_n at w^2 as the prototype evaluates it against the exact polynomials of the defining
// integral.
TEST(AllPolePrototypes, OptimumLPolynomialsAreTheExactOnes) {
    std::ifstream in(VORNA_SOURCE_DIR "/tests/design/data/legendre_polynomials.txt");
    std::string line;
    int checked = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string name;
        int order = 0;
        fields >> name >> order;
        std::vector<double> coefficients;  // lowest power first
        for (double c = 0; fields >> c;) coefficients.push_back(c);
        for (const double x : {0.0, 0.1, 0.5, 0.9, 1.0, 1.7}) {
            long double exact = 0;
            for (auto c = coefficients.rbegin(); c != coefficients.rend(); ++c)
                exact = exact * x + *c;
            EXPECT_NEAR(OptimumLPolynomial(order, x), static_cast<double>(exact),
                        1e-12 * std::max(1.0L, std::abs(exact)))
                << "L_" << order << "(" << x << ")";
        }
        ++checked;
    }
    EXPECT_EQ(checked, 11);
}

double AttenuationAt(const Design& design, double hz) {
    const analysis::Cascade cascade = analysis::CascadeIn(
        design.results, static_cast<int>(design.spec.kind), analysis::Domain::Analog, 0);
    return -analysis::GainPhaseAt(cascade, kTwoPi * hz).gainDb;
}

// Whether the by-order design of `order` meets the entered figures: low-pass and high-pass
// designs have their attp point moved onto Fp, band designs their -3.01 dB points on the
// edges.
bool OrderMeets(DesignSpec spec, int order) {
    spec.entry = EntryMode::ByOrder;
    spec.order = order;
    const double fp = spec.fp;
    const DesignOutcome outcome = DesignFilter(spec);
    if (outcome.Refused()) return false;
    const Design& design = outcome.Designed();
    if (IsBand(spec.kind)) {
        const bool bandPass = spec.kind == FilterKind::BandPass;
        return AttenuationAt(design, bandPass ? spec.fp1 / spec.xs : spec.fp1 * spec.xs) >=
                   spec.atts &&
               AttenuationAt(design, bandPass ? spec.fp2 * spec.xs : spec.fp2 / spec.xs) >=
                   spec.atts;
    }
    // The attp point of the design, by bisection on its response.
    double low = fp / 100;
    double high = fp * 100;
    const bool lowPass = spec.kind == FilterKind::LowPass;
    for (int i = 0; i < 200; ++i) {
        const double middle = std::sqrt(low * high);
        ((AttenuationAt(design, middle) < spec.attp) == lowPass ? low : high) = middle;
    }
    const double edge = std::sqrt(low * high);
    return AttenuationAt(design, lowPass ? edge * spec.xs : edge / spec.xs) >= spec.atts;
}

// The order of a specification is the lowest by-order design that meets it.
TEST(AllPolePrototypes, SpecifiedOrderIsTheLowestThatMeetsTheSpecification) {
    struct Entries {
        double attp;
        double atts;
        double xs;
    };
    // Specifications that a Bessel design can meet: its roll-off tends to a Gaussian's.
    const Entries entries[] = {{kThreeDecibels, 20, 4}, {0.5, 30, 10}, {1, 15, 5}, {0.1, 20, 20}};
    for (const Approximation approximation : {Approximation::Bessel, Approximation::Legendre}) {
        for (const FilterKind kind : {FilterKind::LowPass, FilterKind::HighPass,
                                      FilterKind::BandPass, FilterKind::BandEliminate}) {
            for (const Entries& e : entries) {
                DesignSpec spec;
                spec.kind = kind;
                spec.approximation = approximation;
                spec.attp = IsBand(kind) ? kThreeDecibels : e.attp;
                spec.atts = e.atts;
                spec.xs = kind == FilterKind::BandEliminate ? 1.7 : e.xs;
                SCOPED_TRACE(::testing::Message()
                             << static_cast<int>(approximation) << " " << static_cast<int>(kind)
                             << " attp " << spec.attp << " atts " << e.atts << " xs " << spec.xs);
                const DesignOutcome outcome = DesignFilter(spec);
                ASSERT_FALSE(outcome.Refused());
                const Design& design = outcome.Designed();
                const ApproximationRow& row = ApproximationRowOf(approximation);
                int searched = row.minOrder;
                while (searched <= row.maxOrder && !OrderMeets(spec, searched)) ++searched;
                EXPECT_EQ(design.figures.order, searched);
                if (!IsBand(kind)) {
                    EXPECT_NEAR(AttenuationAt(design, spec.fp), spec.attp, 1e-9);
                }
                EXPECT_GE(design.figures.attsAchieved, spec.atts);
            }
        }
    }
}

double GroupDelayOf(int order, double fc, double hz) {
    DesignSpec spec;
    spec.approximation = Approximation::Bessel;
    spec.besselNorm = BesselNorm::Delay;
    spec.entry = EntryMode::ByOrder;
    spec.order = order;
    spec.fp = fc;
    const DesignOutcome outcome = DesignFilter(spec);
    if (outcome.Refused()) return 0;
    const analysis::Cascade cascade = analysis::CascadeIn(
        outcome.Designed().results, static_cast<int>(spec.kind), analysis::Domain::Analog, 0);
    return analysis::GroupDelayAt(cascade, kTwoPi * hz);
}

// By group delay: the DC delay as given, within the tolerance up to the frequency, and one
// order less does not keep it; entries that name no design are refused.
TEST(AllPolePrototypes, GroupDelayEntryTakesTheLowestOrderThatKeepsTheDelay) {
    const GroupDelaySpec met[] = {{1e-3, 100, 1}, {1e-3, 400, 0.1}, {2e-6, 1e5, 5}, {1, 0.5, 10}};
    for (const GroupDelaySpec& spec : met) {
        SCOPED_TRACE(::testing::Message()
                     << spec.delay << " s to " << spec.hz << " Hz within " << spec.percent << " %");
        const auto found = BesselOrderForGroupDelay(spec);
        ASSERT_TRUE(std::holds_alternative<GroupDelayOrder>(found));
        const GroupDelayOrder design = std::get<GroupDelayOrder>(found);
        const double keep = spec.delay * (1 - spec.percent / 100);
        EXPECT_NEAR(GroupDelayOf(design.order, design.fc, 0), spec.delay, 1e-9 * spec.delay);
        EXPECT_GE(GroupDelayOf(design.order, design.fc, spec.hz), keep);
        if (design.order > 2) {
            EXPECT_LT(GroupDelayOf(design.order - 1, design.fc, spec.hz), keep);
        }
    }
    const struct {
        GroupDelaySpec spec;
        GroupDelayRule rule;
    } refused[] = {
        {{0, 100, 1}, GroupDelayRule::DelayOutOfRange},
        {{1e-3, -1, 1}, GroupDelayRule::FrequencyNotPositive},
        {{1e-3, 100, 100}, GroupDelayRule::PercentOutOfRange},
        {{1e-3, 1e4, 1e-6}, GroupDelayRule::OrderAboveLimit},
    };
    for (const auto& r : refused) {
        const auto found = BesselOrderForGroupDelay(r.spec);
        ASSERT_TRUE(std::holds_alternative<GroupDelayRefusal>(found));
        EXPECT_EQ(std::get<GroupDelayRefusal>(found).rule, r.rule);
    }
}

}  // namespace
}  // namespace vorna
