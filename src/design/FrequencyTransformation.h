#pragma once
// The four frequency transformations of a normalised low-pass prototype into the sections
// of the final filter, with W = omegaC and B = bandwidth of the results:
//   low-pass       s -> s / W
//   high-pass      s -> W / s
//   band-pass      s -> (s^2 + W^2) / (B s)   every pole pair becomes two sections
//   band-eliminate s -> B s / (s^2 + W^2)     likewise
// Band-pass and band-eliminate put the transformed real pole of an odd order in section 0,
// pair i in sections odd + 2i and odd + 2i + 1, and set sectionLast to order - 1.

namespace vorna {

class DesignResults;
struct LowPassPrototype;

void LowPassFromPrototype(const LowPassPrototype& prototype, DesignResults& results);
void HighPassFromPrototype(const LowPassPrototype& prototype, DesignResults& results);
void BandPassFromPrototype(const LowPassPrototype& prototype, DesignResults& results);
void BandEliminateFromPrototype(const LowPassPrototype& prototype, DesignResults& results);

// The split of a band-transformed pole pair: the two sections have the denominators
// s^2 + alpha d s + alpha W^2 and s^2 + d s + W^2 / alpha, whose product is
// (s^2 + W^2)^2 + (b/q) s (s^2 + W^2) + b^2 s^2.
struct PolePairSplit {
    double alpha = 0;
    double d = 0;
};
PolePairSplit SplitPolePair(double b, double q, double w);

// The split of a band-transformed zero pair: (s^2 + W^2)^2 + x^2 s^2 has its zeros at
// W sqrt(beta) and W / sqrt(beta).
double SplitZeroPair(double x, double w);

}  // namespace vorna
