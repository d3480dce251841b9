#pragma once
// The section circuits that the synthesis realises, each drawn from the element names the
// synthesis sets for it. Every section takes its signal at its input on the left from a
// low-impedance source and delivers it from an op-amp output on the right, on the same line.

#include <string>

#include "circuit/models/SectionCircuit.h"
#include "schematic/Schematic.h"

namespace vorna::installation {

struct SectionTraits {
    const char* title;  // for the diagrams
    // The section delivers the negative of the transfer function that its element values
    // give (an inverting amplifier closes it); the magnitude is unchanged.
    bool inverting;
};

SectionTraits Traits(SectionCircuit circuit);

// Draws a section with its input at `input`, its element names ending in "_" and
// `sectionLabel` (the section number in a cascade); returns its output point, which lies on
// the input's horizontal line. Op-amps are numbered on from *opAmpCount.
Point DrawSection(SectionCircuit circuit, Schematic& schematic, Point input,
                  const std::string& sectionLabel, int* opAmpCount);

}  // namespace vorna::installation
