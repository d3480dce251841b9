#pragma once
// The frequencies a design can be carried out at in double precision.

namespace vorna {

// The gains of a section take the fourth power of its pole frequency in rad/s (the square of
// its w0^2), which must stay a normal double: between about 1e-77 and 1e77 rad/s. The poles
// of a design lie up to seven decades away from its band edges (a prototype of order 58 with
// a ripple of 100 dB), so the band edges are kept seven decades inside those bounds.
inline constexpr double kLowestDesignFrequency = 1e-70;  // Hz
inline constexpr double kHighestDesignFrequency = 1e70;  // Hz

// Whether a design with a band edge at `hz` can be computed; false for NaN and infinity.
constexpr bool DesignFrequencyRepresentable(double hz) {
    return hz >= kLowestDesignFrequency && hz <= kHighestDesignFrequency;
}

}  // namespace vorna
