#include "verify/SectionRequirements.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "design/conversion/FrequencyResponse.h"
#include "topology/Circuits.h"
#include "verify/CircuitSimulation.h"

namespace vorna::verify {
namespace {

using installation::Schematic;
using installation::SymbolKind;

// Far below its largest gain a section's response says little (a notch, the far stop band
// where an amplifier's own feed-through shows); the tolerance is judged above this.
constexpr double kJudgedRangeDb = 40;
// The bisection stops when the bounds are within this ratio.
constexpr double kGbwResolution = 1.01;

double Db(std::complex<double> v) {
    return 20 * std::log10(std::max(std::abs(v), 1e-30));
}

// The section drawn alone with the values of the written schematic; false when one of its
// elements is missing there.
bool SectionWithValues(installation::SectionType type, int number, const Schematic& written,
                       Schematic& section, std::string& error) {
    section = installation::SectionSchematic(type, number);
    for (installation::Symbol& symbol : section.symbols) {
        if (symbol.kind != SymbolKind::Resistor && symbol.kind != SymbolKind::Capacitor) continue;
        const auto found = std::find_if(
            written.symbols.begin(), written.symbols.end(),
            [&](const installation::Symbol& s) { return s.instName == symbol.instName; });
        if (found == written.symbols.end()) {
            error = "the written schematic has no element " + symbol.instName;
            return false;
        }
        symbol.value = found->value;
    }
    return true;
}

// The section's gain (dB) at every point of the sweep with single-pole op-amps of
// `gbwHz`, or with ideal ones when `gbwHz` is 0.
bool SectionGains(const Schematic& section, double gbwHz, const AcSweep& sweep,
                  std::vector<double>& gains, std::string& error) {
    const installation::Connectivity connectivity = installation::Connect(section);
    const std::string deck =
        installation::SpiceDeck(section, connectivity, "section", false,
                                gbwHz > 0 ? SinglePoleOpAmp(gbwHz) : installation::IdealOpAmp());
    const AcRun run = SpiceEngine::Instance().RunAc(deck, sweep);
    if (!run.Succeeded()) {
        error = run.error;
        return false;
    }
    gains.clear();
    for (const AcPoint& point : run.points) gains.push_back(Db(point.v));
    return true;
}

struct RequiredGbw {
    std::optional<double> gbwHz;
    std::string error;
};

// The smallest GBW (within kGbwResolution) whose section gains stay within the tolerance of
// `ideal` wherever the ideal gain lies within kJudgedRangeDb of its largest.
RequiredGbw FindRequiredGbw(const Schematic& section, const std::vector<double>& ideal,
                            const AcSweep& sweep) {
    const double peak = *std::max_element(ideal.begin(), ideal.end());
    RequiredGbw result;
    auto within = [&](double gbw) {
        std::vector<double> gains;
        if (!SectionGains(section, gbw, sweep, gains, result.error)) return false;
        for (std::size_t i = 0; i < ideal.size() && i < gains.size(); ++i)
            if (ideal[i] >= peak - kJudgedRangeDb &&
                std::abs(gains[i] - ideal[i]) > kRequiredGbwToleranceDb)
                return false;
        return gains.size() == ideal.size();
    };
    double low = kLowestGbwHz, high = kHighestGbwHz;
    if (!within(high)) return result;
    if (within(low)) {
        result.gbwHz = low;
        return result;
    }
    while (high / low > kGbwResolution && result.error.empty()) {
        const double middle = std::sqrt(low * high);
        (within(middle) ? high : low) = middle;
    }
    if (result.error.empty()) result.gbwHz = high;
    return result;
}

// f0, Q and gain of the realised section `number` (the first-order section is number 1
// when the design has one).
void SetFigures(const RealisedCircuit& circuit, int number, SectionRequirement& requirement) {
    const DesignResults& r = circuit.results;
    const bool firstOrder = HasFirstOrderTerm(r, circuit.specification.kind);
    if (firstOrder && number == 1) {
        const std::complex<double> s(0, r.p0);
        requirement.f0Hz = r.p0 / kTwoPi;
        requirement.gain = std::abs((r.p1 * s + r.p2) / (s + r.p0));
        return;
    }
    const Section& p = r.sections[static_cast<std::size_t>(number - (firstOrder ? 2 : 1))];
    const double omega0 = std::sqrt(p[1]);
    const std::complex<double> s(0, omega0);
    requirement.f0Hz = omega0 / kTwoPi;
    requirement.q = omega0 / p[0];
    requirement.gain = std::abs((p[2] * s * s + p[3] * s + p[4]) / (s * s + p[0] * s + p[1]));
}

}  // namespace

SectionRequirements FindSectionRequirements(const RealisedCircuit& circuit, double opAmpGbwHz,
                                            int pointsPerDecade) {
    SectionRequirements requirements;
    const AcSweep sweep = GraphSweep(circuit.results, pointsPerDecade);
    int number = 0;
    for (const installation::SectionType type :
         installation::SectionSequence(circuit.circuit, circuit.results.resultOrder)) {
        SectionRequirement requirement;
        requirement.section = ++number;
        SetFigures(circuit, number, requirement);
        Schematic section;
        std::vector<double> ideal;
        if (!SectionWithValues(type, number, circuit.schematic, section, requirements.error) ||
            !SectionGains(section, 0, sweep, ideal, requirements.error))
            return requirements;
        const RequiredGbw required = FindRequiredGbw(section, ideal, sweep);
        if (!required.error.empty()) {
            requirements.error = required.error;
            return requirements;
        }
        requirement.requiredGbwHz = required.gbwHz;
        requirement.opAmpFallsShort = !required.gbwHz || opAmpGbwHz < *required.gbwHz;
        requirements.sections.push_back(requirement);
    }
    return requirements;
}

}  // namespace vorna::verify
