#include "document/ResultsJson.h"

#include "design/DesignResults.h"

namespace vorna {

nlohmann::json DesignResultsJson(const DesignResults& results) {
    nlohmann::json sections = nlohmann::json::array();
    for (int i = 0; i <= results.sectionLast && i < static_cast<int>(results.sections.size());
         ++i) {
        const Section& s = results.sections[static_cast<std::size_t>(i)];
        sections.push_back(InFileOrder(s));
    }
    return {
        {"fc", results.fc},
        {"omegaC", results.omegaC},
        {"bandwidth", results.bandwidth},
        {"sectionGain", results.sectionGain},
        {"resultOrder", results.resultOrder},
        {"resultOddOrder", results.resultOddOrder},
        {"sectionLast", results.sectionLast},
        {"p0", results.p0},
        {"p1", results.p1},
        {"p2", results.p2},
        {"sections", sections},
        {"graphFreqMin", results.graphFreqMin},
        {"graphFreqMax", results.graphFreqMax},
        {"graphAttMax", results.graphAttMax},
    };
}

}  // namespace vorna
