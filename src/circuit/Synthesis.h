#pragma once
// The fourteen synthesis entry points, in basic-circuit order (LP1 .. LP4, HP1 .. HP4,
// BP1 .. BP4, BE1, BE2; basic-circuit code 480 + index). Each realises every section of the
// view's design with its basic circuit; a section the circuit cannot realise stops the run
// with a message and sets the output's `synthesisFailed`.

#include <array>

namespace vorna {

class CircuitOutput;
class DesignDocument;
class DesignView;
class Ui;

using SynthesisEntry = void (*)(CircuitOutput& out, DesignDocument& doc, DesignView& view, Ui& ui);

extern const std::array<SynthesisEntry, 14> synthesisEntries;

}  // namespace vorna
