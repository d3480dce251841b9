#pragma once
// The eight circuit diagrams that the circuit choice shows ("khn_lp1.bmp" .. "khn_be2.bmp"):
// the sections of one basic circuit drawn from the same topologies as the reference
// schematics, every element labelled with the name the synthesis and the journal give it.

#include <string>
#include <utility>
#include <vector>

#include "diagram/Raster.h"
#include "topology/Sections.h"

namespace vorna::installation {

// Size of a diagram: the client area of the diagram dialog.
constexpr int kDiagramWidth = 700;
constexpr int kDiagramHeight = 550;

struct DiagramSpec {
    const char* fileName;
    std::vector<std::string> captions;
    // The sections drawn left to right, each with the section label its names carry.
    std::vector<std::pair<SectionCircuit, std::string>> sections;
};

const std::vector<DiagramSpec>& DiagramSpecs();

Raster DrawDiagram(const DiagramSpec& spec);

// The diagram as a ".bmp" file.
std::string DiagramBitmap(const DiagramSpec& spec);

}  // namespace vorna::installation
