#include "verify/SectionRequirements.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "compensation/SinglePoleSection.h"
#include "topology/Circuits.h"
#include "verify/CircuitModel.h"
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
// Relative step of the central differences of the sensitivities.
constexpr double kSensitivityStep = 1e-4;

double Db(std::complex<double> v) {
    return 20 * std::log10(std::max(std::abs(v), 1e-30));
}

// The section drawn alone with the values of the written schematic; false when one of its
// elements is missing there.
bool SectionWithValues(SectionCircuit circuit, int number, const Schematic& written,
                       Schematic& section, std::string& error) {
    section = installation::SectionSchematic(circuit, number);
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

// The section's gain (dB) at every point of the sweep with `opAmp` for its op-amps.
bool SectionGains(const Schematic& section, const installation::OpAmpSubcircuit& opAmp,
                  const AcSweep& sweep, std::vector<double>& gains, std::string& error) {
    const installation::Connectivity connectivity = installation::Connect(section);
    const std::string deck =
        installation::SpiceDeck(section, connectivity, "section", false, opAmp);
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

// The smallest GBW up to `highestGbwHz` (within kGbwResolution) whose section gains stay
// within the tolerance of `ideal` wherever the ideal gain lies within kJudgedRangeDb of its
// largest. A set `cancel` ends the search with no GBW and no error.
RequiredGbw FindRequiredGbw(const Schematic& section, const std::vector<double>& ideal,
                            const AcSweep& sweep, double highestGbwHz,
                            const std::atomic<bool>* cancel) {
    const double peak = *std::max_element(ideal.begin(), ideal.end());
    RequiredGbw result;
    auto within = [&](double gbw) {
        std::vector<double> gains;
        if (!SectionGains(section, SinglePoleOpAmp(gbw), sweep, gains, result.error)) return false;
        for (std::size_t i = 0; i < ideal.size() && i < gains.size(); ++i)
            if (ideal[i] >= peak - kJudgedRangeDb &&
                std::abs(gains[i] - ideal[i]) > kRequiredGbwToleranceDb)
                return false;
        return gains.size() == ideal.size();
    };
    double low = kLowestGbwHz, high = highestGbwHz;
    if (!within(high)) return result;
    if (within(low)) {
        result.gbwHz = low;
        return result;
    }
    while (high / low > kGbwResolution && result.error.empty() && !Cancelled(cancel)) {
        const double middle = std::sqrt(low * high);
        (within(middle) ? high : low) = middle;
    }
    if (result.error.empty() && !Cancelled(cancel)) result.gbwHz = high;
    return result;
}

// f0, Q and gain of the realised section `number` (the first-order section is number 1
// when the design has one).
void SetFigures(const RealisedCircuit& circuit, int number, SectionRequirement& requirement) {
    const DesignResults& r = circuit.results;
    const bool firstOrder = HasFirstOrderTerm(r, circuit.maskEdges.kind);
    if (firstOrder && number == 1) {
        const std::complex<double> s(0, r.p0);
        requirement.f0Hz = r.p0 / kTwoPi;
        requirement.gain = std::abs((r.p1 * s + r.p2) / (s + r.p0));
        return;
    }
    const Section& p = r.sections[static_cast<std::size_t>(number - (firstOrder ? 2 : 1))];
    const double omega0 = std::sqrt(p.den0);
    const std::complex<double> s(0, omega0);
    requirement.f0Hz = omega0 / kTwoPi;
    requirement.q = omega0 / p.den1;
    requirement.gain =
        std::abs((p.num2 * s * s + p.num1 * s + p.num0) / (s * s + p.den1 * s + p.den0));
}

// ln omega0 and ln Q of what a section realises (omega0 = p0 and no Q for the first-order
// section).
struct LogFigures {
    double omega0 = 0;
    double q = 0;
};
LogFigures FiguresOf(const FirstOrderSection& f) {
    return {std::log(f.p0), 0};
}
LogFigures FiguresOf(const CircuitResponse& r) {
    const Section& p = r.section;
    return {0.5 * std::log(p.den0), 0.5 * std::log(p.den0) - std::log(p.den1)};
}
LogFigures FiguresOf(const PartResponse& response) {
    return std::visit([](const auto& r) { return FiguresOf(r); }, response);
}

// d ln(omega0) / d ln(x) and d ln(Q) / d ln(x) for every element x of the section, by
// central differences on the circuit model.
bool FindSensitivities(const CircuitModel& model, int number,
                       std::vector<ElementSensitivity>& sensitivities) {
    std::vector<double> values = model.NominalValues();
    const double span = std::log1p(kSensitivityStep) - std::log1p(-kSensitivityStep);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const ModelElement& element = model.Elements()[i];
        if (element.section != number) continue;
        const double nominal = values[i];
        PartResponse up, down;
        values[i] = nominal * (1 + kSensitivityStep);
        const bool realisedUp = model.RealiseSection(number, values, up);
        values[i] = nominal * (1 - kSensitivityStep);
        const bool realisedDown = model.RealiseSection(number, values, down);
        values[i] = nominal;
        if (!realisedUp || !realisedDown) return false;
        const LogFigures a = FiguresOf(up), b = FiguresOf(down);
        sensitivities.push_back({element.name, (a.omega0 - b.omega0) / span, (a.q - b.q) / span});
    }
    return true;
}

}  // namespace

SectionRequirements FindSectionRequirements(const RealisedCircuit& circuit, double opAmpGbwHz,
                                            int pointsPerDecade, const Progress& progress,
                                            const std::atomic<bool>* cancel) {
    SectionRequirements requirements;
    const std::optional<CircuitModel> model = CircuitModel::Of(circuit, requirements.error);
    if (!model) return requirements;
    const AcSweep sweep = GraphSweep(circuit.results, pointsPerDecade);
    const std::vector<SectionCircuit> sectionCircuits =
        installation::SectionSequence(kBasicCircuits[circuit.circuit], circuit.results.resultOrder);
    int number = 0;
    for (const SectionCircuit sectionCircuit : sectionCircuits) {
        SectionRequirement requirement;
        requirement.section = ++number;
        SetFigures(circuit, number, requirement);
        if (!FindSensitivities(*model, number, requirement.sensitivities)) {
            requirements.error = "the circuit model of section " + std::to_string(number) +
                                 " gives no usable section";
            return requirements;
        }
        // A section pre-distorted for op-amps of a GBW is built to do with them what the
        // design asks: it needs that GBW, less what keeps it within the tolerance of what it
        // does with it. Faster op-amps than that undo the pre-distortion's share instead.
        const bool compensated =
            circuit.compensationGbwHz > 0 && HasSinglePoleEquations(sectionCircuit);
        const installation::OpAmpSubcircuit reference =
            compensated ? SinglePoleOpAmp(circuit.compensationGbwHz) : installation::IdealOpAmp();
        Schematic section;
        std::vector<double> ideal;
        if (!SectionWithValues(sectionCircuit, number, circuit.schematic, section,
                               requirements.error) ||
            !SectionGains(section, reference, sweep, ideal, requirements.error))
            return requirements;
        const RequiredGbw required = FindRequiredGbw(
            section, ideal, sweep, compensated ? circuit.compensationGbwHz : kHighestGbwHz, cancel);
        if (!required.error.empty()) {
            requirements.error = required.error;
            return requirements;
        }
        if (Cancelled(cancel)) {
            requirements.cancelled = true;
            return requirements;
        }
        requirement.requiredGbwHz = required.gbwHz;
        requirement.opAmpFallsShort = !required.gbwHz || opAmpGbwHz < *required.gbwHz;
        requirements.sections.push_back(requirement);
        if (progress) progress(number, static_cast<int>(sectionCircuits.size()));
    }
    return requirements;
}

}  // namespace vorna::verify
