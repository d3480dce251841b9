#pragma once
// What a synthesis run writes besides the design's coefficients: the E-series state its
// steps start from, the journal lines, the element values it settles, section by section,
// and whether a section could not be realised. The circuit output run extends it with the
// schematic that receives the values.

#include <string>
#include <vector>

#include "circuit/ESeries.h"
#include "circuit/Journal.h"
#include "circuit/models/SectionModel.h"

namespace vorna {

class SynthesisRunState : public ESeriesState {
public:
    SynthesisRunState() = default;
    SynthesisRunState(const SynthesisRunState&) = delete;
    SynthesisRunState& operator=(const SynthesisRunState&) = delete;
    virtual ~SynthesisRunState() = default;

    Journal journal;
    bool synthesisFailed = false;
    // The circuit the synthesis settled, section by section (the sections it realised).
    std::vector<SectionElements> realisedSections;

    // Receives the value of element `name` (such as "R1") of section `section` as soon as
    // it is settled; the synthesis alone keeps nothing of it.
    virtual void ElementSettled(const std::string& name, int section, double value) {
        static_cast<void>(name);
        static_cast<void>(section);
        static_cast<void>(value);
    }
};

}  // namespace vorna
