#pragma once
// A design realised with a basic circuit from Python, as vorna-cli circuit realises it: the
// candidates of every synthesis step chosen by --pick's rule, the schematic kept in memory,
// the journal's record kept as text (nothing is written into the user's folders); and its
// verification, as vorna-cli verify checks it.

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "PythonDesign.h"
#include "output/CircuitOutput.h"
#include "verify/CircuitSimulation.h"
#include "verify/SectionRequirements.h"
#include "verify/ToleranceAnalysis.h"

namespace vorna::python {

struct CircuitRequest {
    std::string circuit;  // "LP1" .. "BE2"
    std::string series = "E24";
    std::string pick = "first";
    std::string opAmp = "LT1115";  // of the schematic: LT1115 or ADA4807-4
};

struct VerifyRequest {
    std::optional<double> gbwHz;
    std::optional<std::string> opAmp;  // from the op-amp table; LT1115 without either
    std::optional<int> monteCarlo;
    double toleranceR = 1;  // percent
    double toleranceC = 5;
    std::string distribution = "uniform";
    long long seed = 1;
    std::optional<int> threads;
};

struct Verification {
    std::string opAmpName;  // empty when the GBW was given
    double gbwHz = 0;
    int pointsPerDecade = 0;
    verify::CircuitSimulation simulation;
    verify::SectionRequirements requirements;
    std::optional<verify::ToleranceResult> tolerance;
    verify::ToleranceOptions toleranceOptions;
};

class PythonCircuit {
public:
    // Throws CircuitFailure when the circuit does not realise the design or the synthesis
    // fails, std::invalid_argument for a name that names nothing.
    PythonCircuit(const PythonDesign& design, const CircuitRequest& request);
    ~PythonCircuit();

    const std::string& Name() const { return request_.circuit; }
    const std::vector<ElementValue>& Elements() const { return out_->elementValues; }
    const std::vector<std::string>& Messages() const { return messages_; }
    // The journal's record of the run (CP932 bytes, as the journal file holds it).
    const std::string& JournalRecord() const { return journal_; }
    // The realised sections: the coefficients the settled element values give.
    analysis::Cascade RealisedCascade() const;

    // Throws CircuitFailure when there is no schematic (no reference schematic for the
    // circuit and order), FileFailure when it cannot be written.
    void WriteSchematic(const std::string& path) const;

    // The simulation, the sections' needs and with monteCarlo the tolerance analysis;
    // `cancel` stops the tolerance analysis after the runs under way. Throws
    // std::invalid_argument for refused options, CircuitFailure when the run fails.
    Verification Verify(const VerifyRequest& request, const std::atomic<bool>* cancel) const;
    // The options Verify would use; throws as it does.
    verify::ToleranceOptions ToleranceOptionsOf(const VerifyRequest& request) const;

private:
    CircuitRequest request_;
    int code_ = 0;
    std::unique_ptr<DesignWindow> window_;
    std::unique_ptr<CircuitOutput> out_;
    std::vector<std::string> messages_;
    std::string journal_;
};

// The folder of the module's file, with a trailing '/': its sys folder holds the reference
// schematics and the op-amp table.
std::string ModuleDirectory();

}  // namespace vorna::python
