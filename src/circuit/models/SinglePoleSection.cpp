#include "circuit/models/SinglePoleSection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>
#include <string_view>
#include <vector>

#include "circuit/models/BandPassModel.h"
#include "circuit/models/SecondOrderModel.h"

namespace vorna {
namespace {

using Complex = std::complex<double>;

// Node 0 is ground, node 1 the section's input; the others are unknowns.
struct Part {
    std::string_view name;  // a resistor "R..." or a capacitor "C..."
    int a, b;
};
struct Amp {
    int plus, minus, out;
};
struct Netlist {
    std::span<const Part> parts;
    std::span<const Amp> amps;
    int nodes;
    int output;
};

// Multiple feedback: input part to A (2), A to ground, A to the inverting input N (3), N to
// the output (4) and A to the output.
constexpr Amp kInverting[] = {{0, 3, 4}};
constexpr Part kMultipleFeedbackLowPass[] = {
    {"R1", 1, 2}, {"C1", 2, 0}, {"R2", 2, 3}, {"C2", 3, 4}, {"R3", 2, 4}};
constexpr Part kMultipleFeedbackHighPass[] = {
    {"C1", 1, 2}, {"R1", 2, 0}, {"C2", 2, 3}, {"R2", 3, 4}, {"C3", 2, 4}};
constexpr Part kMultipleFeedbackBandPass[] = {
    {"R1", 1, 2}, {"R2", 2, 0}, {"C2", 2, 3}, {"R3", 3, 4}, {"C1", 2, 4}};
// Unity-gain Sallen-Key: input part to A (2), A to B (3, the follower's input), A to the
// output (4), B to ground.
constexpr Amp kFollower[] = {{3, 4, 4}};
constexpr Part kSallenKeyLowPass[] = {{"R1", 1, 2}, {"R2", 2, 3}, {"C1", 2, 4}, {"C2", 3, 0}};
constexpr Part kSallenKeyHighPass[] = {{"C1", 1, 2}, {"C2", 2, 3}, {"R1", 2, 4}, {"R2", 3, 0}};
// Dual amplifier: the tank node X (2), the converter's first output (3), its node P (4), its
// second output (5) and divider (6), the gain stage's divider (7) and output (8).
constexpr Amp kDualAmplifier[] = {{2, 4, 3}, {4, 6, 5}, {5, 7, 8}};
constexpr Part kDualAmplifierBandPass[] = {
    {"R11", 1, 2}, {"R12", 2, 0}, {"C1", 2, 0},  {"C2", 3, 4}, {"R21", 3, 2},
    {"R22", 5, 4}, {"Rx1", 5, 6}, {"Rx2", 6, 0}, {"R4", 7, 0}, {"R3", 8, 7}};

std::optional<Netlist> NetlistOf(SectionCircuit circuit) {
    switch (circuit) {
        case SectionCircuit::MultipleFeedbackLowPass:
            return Netlist{kMultipleFeedbackLowPass, kInverting, 5, 4};
        case SectionCircuit::MultipleFeedbackHighPass:
            return Netlist{kMultipleFeedbackHighPass, kInverting, 5, 4};
        case SectionCircuit::MultipleFeedbackBandPass:
            return Netlist{kMultipleFeedbackBandPass, kInverting, 5, 4};
        case SectionCircuit::SallenKeyLowPass:
            return Netlist{kSallenKeyLowPass, kFollower, 5, 4};
        case SectionCircuit::SallenKeyHighPass:
            return Netlist{kSallenKeyHighPass, kFollower, 5, 4};
        case SectionCircuit::DualAmplifierBandPass:
            return Netlist{kDualAmplifierBandPass, kDualAmplifier, 9, 8};
        default:
            return std::nullopt;
    }
}

constexpr std::size_t kMostUnknowns = 7;

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
    return NetlistOf(circuit).has_value();
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
    const std::optional<Netlist> netlist = NetlistOf(elements.circuit);
    if (!netlist) return std::nullopt;
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
    const std::optional<Netlist> netlist = NetlistOf(elements.circuit);
    if (!netlist) return std::nullopt;
    NodalEquations equations(*netlist, elements, gbwHz, radPerS);
    if (!equations.Factor(Complex(0, radPerS))) return std::nullopt;
    const Complex response = equations.Voltage(netlist->output);
    if (!std::isfinite(response.real()) || !std::isfinite(response.imag())) return std::nullopt;
    return response;
}

}  // namespace vorna
