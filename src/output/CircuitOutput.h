#pragma once
// The state of one circuit output run: the E-series state, the journal, the schematic
// being edited, the element values the synthesis settled and the failure flag. One object
// per run of the output command; nothing of it survives the run except what is stored
// back into the view.

#include <string>
#include <vector>

#include "circuit/ESeries.h"
#include "circuit/Journal.h"

namespace vorna {

// An element value the synthesis settled, by its element name ("R1_2").
struct ElementValue {
    std::string name;
    double value = 0;
};

class CircuitOutput : public ESeriesState {
public:
    CircuitOutput();

    int synthesisFailed = 0;
    // 0 stop, 1 journal only, 2 schematic and journal.
    int outputMode = 2;

    Journal journal;

    // Every value handed to SetComponentValue, in order.
    std::vector<ElementValue> elementValues;

    // Records the value of the element named by `nameFormat` applied to `section`
    // (e.g. "R1_%-d" and 2 give "R1_2") and writes it into the schematic being edited.
    void SetComponentValue(const char* nameFormat, int section, double value);
};

}  // namespace vorna
