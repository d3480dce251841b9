#pragma once
// The random numbers of the tolerance analysis: std::mt19937_64, whose sequence the standard
// fixes, with this program's own transforms (the standard library's distributions differ
// between implementations).

#include <cstdint>
#include <random>

namespace vorna::verify {

class ToleranceRandom {
public:
    explicit ToleranceRandom(std::uint64_t seed) : engine_(seed) {}
    // Uniform in [0, 1) with 53 random bits.
    double Uniform();
    // Uniform in [-1, 1).
    double Symmetric() { return 2 * Uniform() - 1; }
    // Standard normal (Box-Muller; the second value of each pair is kept for the next call).
    double Normal();

private:
    std::mt19937_64 engine_;
    double spare_ = 0;
    bool hasSpare_ = false;
};

}  // namespace vorna::verify
