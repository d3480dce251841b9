#pragma once
// AC analysis of a schematic with ngspice (ideal op-amps) and the comparison of its response
// with a transfer function made of section coefficients.

#include <complex>
#include <functional>
#include <string>
#include <vector>

#include "schematic/Netlist.h"
#include "schematic/Schematic.h"

namespace vorna::testing {

struct AcPoint {
    double hz = 0;
    std::complex<double> v;  // the "out" net's voltage for a 1 V input
};

// Netlists the schematic with `opAmp` for its op-amps, runs ngspice in batch mode and
// returns the output from fLow to fHigh at `perDecade` points per decade; fails the calling
// test (and returns nothing) when the drawing has faults or ngspice gives no data.
std::vector<AcPoint> SimulateAc(
    const installation::Schematic& schematic, double fLow, double fHigh, int perDecade = 20,
    const installation::OpAmpSubcircuit& opAmp = installation::IdealOpAmp());

// (p2 s^2 + p3 s + p4) / (s^2 + p0 s + p1) at s = j w, fields in the design results' order.
std::complex<double> SecondOrder(const double (&p)[5], double w);
// (p1 s + p2) / (s + p0).
std::complex<double> FirstOrder(double p0, double p1, double p2, double w);

// Compares every simulated point with `expected` (a function of the angular frequency):
// gain within 0.05 dB and phase within 0.5 degree. Returns the number of points compared.
int ExpectSameResponse(const std::vector<AcPoint>& simulated,
                       const std::function<std::complex<double>(double)>& expected,
                       const std::string& what);

// Sets the value of the symbol named `instName`; fails the test when there is none.
void SetValue(installation::Schematic& schematic, const std::string& instName,
              const std::string& value);

// The generated reference schematic, parsed; fails the test when it cannot be read.
installation::Schematic ReadReference(const std::string& fileName);
std::string SysFolder();

}  // namespace vorna::testing
