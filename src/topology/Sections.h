#pragma once
// The section circuits that the synthesis realises, each drawn from the element names the
// synthesis sets for it. Every section takes its signal at its input on the left from a
// low-impedance source and delivers it from an op-amp output on the right, on the same line.

#include <string>

#include "schematic/Schematic.h"

namespace vorna::installation {

enum class SectionType {
    FirstOrderLowPass,   // R1, C1 and a follower
    FirstOrderHighPass,  // C1, R1 and a follower with R2 (= R1) in its feedback
    MfbLowPass,          // LP1: multiple feedback, R3 = R1
    SallenKeyLowPass,    // LP2: unity-gain Sallen-Key
    MfbHighPass,         // HP1: multiple feedback, C3 = C1
    SallenKeyHighPass,   // HP2: unity-gain Sallen-Key
    MfbBandPass,         // BP1 (bpat1)
    DualAmpBandPass,     // BP2 (bpat2) with its R3/R4 gain stage
    StateVariableNotch,  // lpet1
    TwinTNotch,          // lpet2
};

struct SectionTraits {
    const char* title;  // for the diagrams
    // The section delivers the negative of the transfer function that its element values
    // give (an inverting amplifier closes it); the magnitude is unchanged.
    bool inverting;
};

const SectionTraits& Traits(SectionType type);

// Draws a section with its input at `input`, its element names ending in "_" and
// `sectionLabel` (the section number in a cascade); returns its output point, which lies on
// the input's horizontal line. Op-amps are numbered on from *opAmpCount.
Point DrawSection(SectionType type, Schematic& schematic, Point input,
                  const std::string& sectionLabel, int* opAmpCount);

}  // namespace vorna::installation
