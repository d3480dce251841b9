#pragma once
// The zeros, poles and gain of an analog cascade (s in rad/s), as scipy's analog zpk.

#include <complex>
#include <vector>

#include "analysis/Cascade.h"

namespace vorna::python {

struct Zpk {
    std::vector<std::complex<double>> zeros;
    std::vector<std::complex<double>> poles;
    double gain = 1;
};

Zpk ZpkOf(const analysis::Cascade& cascade);

}  // namespace vorna::python
