#include "compensation/SinglePoleSection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "circuit/models/BandPassModel.h"
#include "circuit/models/NotchModel.h"
#include "circuit/models/SecondOrderModel.h"
#include "schematic/Netlist.h"
#include "topology/Circuits.h"

namespace vorna {
namespace {

using Complex = std::complex<double>;

// Node 0 is ground, node 1 the section's input; the others are unknowns.
struct Part {
    std::string name;  // a resistor "R..." or a capacitor "C..." without the section number
    int a, b;
};
struct Amp {
    int plus, minus, out;
};
struct Netlist {
    std::vector<Part> parts;
    std::vector<Amp> amps;
    int nodes = 2;
    int output = 0;
};

// The section as it is drawn, and so as the simulation sees it; none for a first-order
// circuit.
std::optional<Netlist> DrawnNetlist(SectionCircuit circuit) {
    if (circuit == SectionCircuit::FirstOrderLowPass ||
        circuit == SectionCircuit::FirstOrderHighPass)
        return std::nullopt;
    constexpr int kNumber = 1;
    const std::string suffix = "_" + std::to_string(kNumber);
    const installation::Schematic drawn = installation::SectionSchematic(circuit, kNumber);
    const installation::Connectivity connectivity = installation::Connect(drawn);
    if (!connectivity.problems.empty()) return std::nullopt;
    std::map<std::string, int, std::less<>> nodes{{"0", 0}, {"in", 1}};
    auto node = [&nodes](const std::string& net) {
        return nodes.try_emplace(net, static_cast<int>(nodes.size())).first->second;
    };
    Netlist netlist;
    for (std::size_t i = 0; i < drawn.symbols.size(); ++i) {
        const installation::Symbol& symbol = drawn.symbols[i];
        const std::vector<std::string>& nets = connectivity.pinNets[i];
        switch (symbol.kind) {
            case installation::SymbolKind::Resistor:
            case installation::SymbolKind::Capacitor: {
                if (!symbol.instName.ends_with(suffix)) return std::nullopt;
                std::string name = symbol.instName;
                name.resize(name.size() - suffix.size());
                netlist.parts.push_back({std::move(name), node(nets[0]), node(nets[1])});
                break;
            }
            case installation::SymbolKind::OpAmp:
                // Pins In+, In-, V+, V-, OUT; the supplies carry no signal.
                netlist.amps.push_back({node(nets[0]), node(nets[1]), node(nets[4])});
                break;
            case installation::SymbolKind::VoltageSource:
                break;
        }
    }
    netlist.output = node("out");
    netlist.nodes = static_cast<int>(nodes.size());
    return netlist;
}

// The drawn netlist of every section circuit, made once.
const std::optional<Netlist>& NetlistOf(SectionCircuit circuit) {
    constexpr std::size_t kCircuits = static_cast<std::size_t>(SectionCircuit::IntegratorNotch) + 1;
    static const std::array<std::optional<Netlist>, kCircuits> netlists = [] {
        std::array<std::optional<Netlist>, kCircuits> all;
        for (std::size_t c = 0; c < kCircuits; ++c)
            all[c] = DrawnNetlist(static_cast<SectionCircuit>(c));
        return all;
    }();
    return netlists[static_cast<std::size_t>(circuit)];
}

constexpr std::size_t kMostUnknowns = 10;

// The nodal equations M(s) V = -(g + s c) of the unknown node voltages for a unit input:
// M(s) = G + s C; an op-amp's output row is (s + wp) Vout - A0 wp (V+ - V-) = 0.
class NodalEquations {
public:
    // `w` is the angular frequency the rows are scaled at, so that partial pivoting compares
    // like with like: each row's largest entry at s = j w has magnitude one.
    NodalEquations(const Netlist& netlist, const SectionElements& elements, double gbwHz, double w)
        : n_(static_cast<std::size_t>(netlist.nodes - 2)) {
        std::array<bool, kMostUnknowns + 2> driven{};
        for (const Amp& amp : netlist.amps) driven[static_cast<std::size_t>(amp.out)] = true;
        for (const Part& part : netlist.parts) {
            const double value = elements.Value(part.name);
            const bool capacitor = part.name.front() == 'C';
            const double y = capacitor ? value : 1 / value;
            for (const auto& [row, other] :
                 {std::pair{part.a, part.b}, std::pair{part.b, part.a}}) {
                if (row < 2 || driven[static_cast<std::size_t>(row)]) continue;
                Add(capacitor, row, row, y);
                Add(capacitor, row, other, -y);
            }
        }
        const double wt = 2 * std::numbers::pi * gbwHz;
        for (const Amp& amp : netlist.amps) {
            Add(false, amp.out, amp.out, wt / kOpAmpDcGain);
            Add(true, amp.out, amp.out, 1);
            Add(false, amp.out, amp.plus, -wt);
            Add(false, amp.out, amp.minus, wt);
        }
        for (std::size_t i = 0; i < n_; ++i) {
            double largest = std::max(std::abs(gIn_[i]), std::abs(cIn_[i]) * w);
            for (std::size_t j = 0; j < n_; ++j)
                largest = std::max({largest, std::abs(g_[i][j]), std::abs(c_[i][j]) * w});
            if (!(largest > 0)) continue;
            gIn_[i] /= largest;
            cIn_[i] /= largest;
            for (std::size_t j = 0; j < n_; ++j) {
                g_[i][j] /= largest;
                c_[i][j] /= largest;
            }
        }
    }

    std::size_t Size() const { return n_; }

    // M(s) factored in place; false when singular.
    bool Factor(Complex s) {
        for (std::size_t i = 0; i < n_; ++i)
            for (std::size_t j = 0; j < n_; ++j) lu_[i][j] = g_[i][j] + s * c_[i][j];
        s_ = s;
        for (std::size_t k = 0; k < n_; ++k) {
            std::size_t pivot = k;
            for (std::size_t i = k + 1; i < n_; ++i)
                if (std::abs(lu_[i][k]) > std::abs(lu_[pivot][k])) pivot = i;
            if (!(std::abs(lu_[pivot][k]) > 0)) return false;
            std::swap(lu_[k], lu_[pivot]);
            perm_[k] = pivot;
            for (std::size_t i = k + 1; i < n_; ++i) {
                lu_[i][k] /= lu_[k][k];
                for (std::size_t j = k + 1; j < n_; ++j) lu_[i][j] -= lu_[i][k] * lu_[k][j];
            }
        }
        return true;
    }

    // M^-1 b with the last factored M.
    std::array<Complex, kMostUnknowns> Solve(std::array<Complex, kMostUnknowns> b) const {
        // Factor swapped whole rows, multipliers included: all swaps come first.
        for (std::size_t k = 0; k < n_; ++k) std::swap(b[k], b[perm_[k]]);
        for (std::size_t k = 0; k < n_; ++k)
            for (std::size_t i = k + 1; i < n_; ++i) b[i] -= lu_[i][k] * b[k];
        for (std::size_t k = n_; k-- > 0;) {
            for (std::size_t j = k + 1; j < n_; ++j) b[k] -= lu_[k][j] * b[j];
            b[k] /= lu_[k][k];
        }
        return b;
    }

    // det'(s) / det(s) = trace(M^-1 C) at the factored s.
    Complex LogDerivative() const {
        Complex trace = 0;
        for (std::size_t j = 0; j < n_; ++j) {
            std::array<Complex, kMostUnknowns> column{};
            for (std::size_t i = 0; i < n_; ++i) column[i] = c_[i][j];
            trace += Solve(column)[j];
        }
        return trace;
    }

    // The voltage of `node` for a unit input at the factored s.
    Complex Voltage(int node) const {
        std::array<Complex, kMostUnknowns> b{};
        for (std::size_t i = 0; i < n_; ++i) b[i] = -(gIn_[i] + s_ * cIn_[i]);
        const std::size_t unknown = Unknown(node);
        return unknown < n_ ? Solve(b)[unknown] : Complex(0);
    }

private:
    // The unknown of `node`; n_ (none) for ground and the input.
    std::size_t Unknown(int node) const {
        return node < 2 ? n_ : std::min(static_cast<std::size_t>(node - 2), n_);
    }

    void Add(bool capacitive, int row, int column, double y) {
        const std::size_t r = Unknown(row);
        if (r >= n_ || column == 0) return;
        if (column == 1) {
            (capacitive ? cIn_ : gIn_)[r] += y;
            return;
        }
        const std::size_t c = Unknown(column);
        if (c < n_) (capacitive ? c_ : g_)[r][c] += y;
    }

    using Matrix = std::array<std::array<double, kMostUnknowns>, kMostUnknowns>;
    std::size_t n_;
    Matrix g_{}, c_{};
    std::array<double, kMostUnknowns> gIn_{}, cIn_{};
    std::array<std::array<Complex, kMostUnknowns>, kMostUnknowns> lu_{};
    std::array<std::size_t, kMostUnknowns> perm_{};
    Complex s_;
};

// A root of det M(s) by Newton's method from `start`, with the root `found` divided out
// when given; none when it does not settle.
std::optional<Complex> Root(NodalEquations& equations, Complex start,
                            std::optional<Complex> found) {
    Complex s = start;
    for (int i = 0; i < 100; ++i) {
        if (!equations.Factor(s)) return s;  // det M(s) = 0 exactly
        Complex d = equations.LogDerivative();
        if (found) d -= 1.0 / (s - *found);
        const Complex step = 1.0 / d;
        if (!std::isfinite(step.real()) || !std::isfinite(step.imag())) return std::nullopt;
        s -= step;
        if (std::abs(step) <= 1e-13 * std::abs(s)) return s;
    }
    return std::nullopt;
}

}  // namespace

bool HasSinglePoleEquations(SectionCircuit circuit) {
    const std::optional<Netlist>& netlist = NetlistOf(circuit);
    return netlist && static_cast<std::size_t>(netlist->nodes - 2) <= kMostUnknowns;
}

std::optional<SectionElements> IdealElements(SectionCircuit circuit, const Section& target) {
    // The level of the ideal elements: any would do.
    constexpr double kResistor = 1e4, kCapacitor = 1e-8;
    SectionElements s{circuit, 1, 0, {}};
    switch (circuit) {
        case SectionCircuit::MultipleFeedbackLowPass:
        case SectionCircuit::SallenKeyLowPass: {
            const bool feedback = circuit == SectionCircuit::MultipleFeedbackLowPass;
            const SecondOrderModel model(
                target, feedback ? SecondOrderForm::MultipleFeedback : SecondOrderForm::SallenKey);
            const auto v = model.LowPassFromC2(kCapacitor);
            s.elements = {{"R1", v.r1}, {"R2", v.r2}, {"R3", v.r1}, {"C1", v.c1}, {"C2", v.c2}};
            break;
        }
        case SectionCircuit::MultipleFeedbackHighPass:
        case SectionCircuit::SallenKeyHighPass: {
            const bool feedback = circuit == SectionCircuit::MultipleFeedbackHighPass;
            const SecondOrderModel model(
                target, feedback ? SecondOrderForm::MultipleFeedback : SecondOrderForm::SallenKey);
            const auto v = model.HighPassFromR1(kResistor);
            s.elements = {{"R1", v.r1}, {"R2", v.r2}, {"C1", v.c}, {"C2", v.c}, {"C3", v.c}};
            break;
        }
        case SectionCircuit::MultipleFeedbackBandPass: {
            const MultipleFeedbackBandPass model{BandPassShape(target)};
            if (!model.Realisable()) return std::nullopt;
            const auto v = model.FromR1(kResistor);
            s.elements = {{"R1", v.r1}, {"R2", v.r2}, {"R3", v.r3}, {"C1", v.c}, {"C2", v.c}};
            break;
        }
        case SectionCircuit::DualAmplifierBandPass: {
            const DualAmplifierBandPass model{BandPassShape(target)};
            if (!model.Realisable()) return std::nullopt;
            const auto v = model.FromR1(kResistor);
            s.elements = {{"R11", v.r1},
                          {"R12", v.r1},
                          {"R21", v.r2},
                          {"R22", v.r2},
                          {"C1", v.c},
                          {"C2", v.c},
                          {"Rx1", kResistor},
                          {"Rx2", kResistor},
                          {"R3", GainStageR3(model.R3FromR4(kResistor))},
                          {"R4", kResistor}};
            break;
        }
        case SectionCircuit::StateVariableNotch: {
            const StateVariableNotch model(target);
            if (!model.Realisable()) return std::nullopt;
            const double rb = 1 / (model.w0 * kCapacitor);
            const auto v = model.FromR4(kResistor);
            s.elements = {{"Rb1", rb},   {"Rb2", rb},   {"Cb1", kCapacitor}, {"Cb2", kCapacitor},
                          {"R1", v.r1},  {"R2", v.r2},  {"R3", v.r3},        {"R41", v.r4},
                          {"R42", v.r4}, {"R43", v.r4}, {"R44", v.r4},       {"R45", v.r4}};
            break;
        }
        case SectionCircuit::IntegratorNotch: {
            const IntegratorNotch model(target);
            if (!model.Realisable()) return std::nullopt;
            // The pole shift at its bound, where the synthesis starts it.
            const auto v = model.FromCb(kCapacitor);
            double c2 = 0, r2 = 0;
            if (model.ZerosAbovePoles()) {
                c2 = model.Bound() * v.cb / 2;
                r2 = model.R2FromC2(v.rb, v.cb, c2);
            } else {
                r2 = 2 * v.rb / model.Bound();
                c2 = model.C2FromR2(v.rb, v.cb, r2);
            }
            const double d2 = 2 * c2 / v.cb;
            const double d1 = model.D1(d2, 2 * v.rb / r2);
            s.elements = {{"Rb1", v.rb},
                          {"Rb2", v.rb},
                          {"Cb1", v.cb},
                          {"Cb2", v.cb},
                          {"R1", v.r1},
                          {"C1", v.c1},
                          {"R2", r2},
                          {"C2", c2},
                          {"R3", IntegratorNotch::R3Factor(d1) * kResistor},
                          {"R5", kResistor},
                          {"R4", model.R4Factor(d1, d2) * kResistor},
                          {"R6", kResistor}};
            break;
        }
        default:
            return std::nullopt;
    }
    for (const CircuitElement& e : s.elements)
        if (!(e.value > 0) || !std::isfinite(e.value)) return std::nullopt;
    return s;
}

std::optional<SinglePoleResponse> RealiseWithSinglePoleOpAmps(const SectionElements& elements,
                                                              double gbwHz, double idealW0,
                                                              double idealQ,
                                                              double responseAtRadPerS) {
    if (!HasSinglePoleEquations(elements.circuit)) return std::nullopt;
    const std::optional<Netlist>& netlist = NetlistOf(elements.circuit);
    NodalEquations equations(*netlist, elements, gbwHz, idealW0);
    // The ideal pair's poles: complex for Q above one half, else two real ones.
    const double sigma = -idealW0 / (2 * idealQ);
    const double discriminant = sigma * sigma - idealW0 * idealW0;
    const double spread = std::sqrt(std::abs(discriminant));
    const bool complexPair = discriminant < 0;
    const std::optional<Complex> first =
        Root(equations, complexPair ? Complex(sigma, spread) : Complex(sigma + spread, 0), {});
    if (!first) return std::nullopt;
    std::optional<Complex> second;
    if (std::abs(first->imag()) > 1e-9 * std::abs(*first)) {
        second = std::conj(*first);
    } else {
        second = Root(equations, complexPair ? Complex(sigma, -spread) : Complex(sigma - spread, 0),
                      Complex(first->real(), 0));
        if (!second) return std::nullopt;
    }
    const double product = (*first * *second).real();
    const double sum = -(*first + *second).real();
    if (!(product > 0) || !(sum > 0)) return std::nullopt;
    SinglePoleResponse response;
    response.w0 = std::sqrt(product);
    response.q = response.w0 / sum;
    if (!equations.Factor(Complex(0, responseAtRadPerS))) return std::nullopt;
    response.response = equations.Voltage(netlist->output);
    if (!std::isfinite(std::abs(response.response))) return std::nullopt;
    return response;
}

std::optional<std::complex<double>> SinglePoleResponseAt(const SectionElements& elements,
                                                         double gbwHz, double radPerS) {
    if (!HasSinglePoleEquations(elements.circuit)) return std::nullopt;
    const std::optional<Netlist>& netlist = NetlistOf(elements.circuit);
    NodalEquations equations(*netlist, elements, gbwHz, radPerS);
    if (!equations.Factor(Complex(0, radPerS))) return std::nullopt;
    const Complex response = equations.Voltage(netlist->output);
    if (!std::isfinite(response.real()) || !std::isfinite(response.imag())) return std::nullopt;
    return response;
}

}  // namespace vorna
