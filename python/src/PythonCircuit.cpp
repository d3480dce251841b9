#include "PythonCircuit.h"

#include <dlfcn.h>
#include <stdlib.h>

#include <array>
#include <filesystem>
#include <mutex>
#include <stdexcept>

#include "CandidatePicker.h"
#include "ModuleErrors.h"
#include "PythonUi.h"
#include "app/CircuitOutputCommand.h"
#include "dialogs/CircuitSelectionDialog.h"
#include "output/SchematicLines.h"
#include "output/SchematicText.h"
#include "platform/FileRead.h"
#include "platform/FileWrite.h"
#include "topology/BasicCircuits.h"
#include "verify/OpAmpTable.h"
#include "verify/RealisedCircuit.h"
#include "verify/SpiceEngine.h"

namespace vorna::python {

namespace {

const std::array<const char*, 5> kSeriesNames{"E6", "E12", "E24", "E48", "E96"};

// ngspice runs one simulation at a time in the process.
std::mutex spiceMutex;

int CircuitCode(const std::string& name) {
    if (const std::optional<std::size_t> row = BasicCircuitRowOf(name)) return BasicCircuitId(*row);
    std::string names;
    for (const BasicCircuit& circuit : kBasicCircuits)
        names += (names.empty() ? "" : ", ") + std::string(circuit.code);
    throw std::invalid_argument("circuit: \"" + name + "\" is none of " + names);
}

int SeriesChoice(const std::string& name) {
    for (std::size_t i = 0; i < kSeriesNames.size(); ++i)
        if (name == kSeriesNames[i]) return static_cast<int>(i) + 1;
    throw std::invalid_argument("series: \"" + name + "\" is none of E6, E12, E24, E48, E96");
}

// A folder of the run's own, removed with everything in it when the run is over.
class RunFolder {
public:
    RunFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vorna-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw FileFailure("cannot make a temporary folder for the circuit's journal");
        path_ = pattern;
    }
    ~RunFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    std::string WithSlash() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

}  // namespace

std::string ModuleDirectory() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ModuleDirectory), &info) == 0 || info.dli_fname == nullptr)
        return "./";
    return std::filesystem::path(info.dli_fname).parent_path().string() + "/";
}

PythonCircuit::PythonCircuit(const PythonDesign& design, const CircuitRequest& request)
    : request_(request), code_(CircuitCode(request.circuit)) {
    const int series = SeriesChoice(request.series);
    if (request.pick != "first" && request.pick != "best")
        throw std::invalid_argument("pick: \"" + request.pick + "\" is neither first nor best");
    if (request.opAmp != kReferenceOpAmp && request.opAmp != kDefaultReplacementOpAmp)
        throw std::invalid_argument("opamp: the schematic's op-amp is LT1115 or ADA4807-4");
    const CircuitSelection* selection =
        FindCircuitSelection(design.Document().kind, design.Document().approximation);
    if (selection == nullptr || !selection->Offers(code_))
        throw CircuitFailure(
            "circuit " + request.circuit + " does not realise this design; choose " +
            (selection == nullptr ? std::string("none") : selection->OfferedCodes()));
    cli::CandidatePicker picker(request.pick == "best" ? cli::PickRule::Best : cli::PickRule::First,
                                cli::SecondOrderWalkOf(code_));

    window_ = design.Copy();
    window_->view.eSeriesChoice = series;
    const RunFolder folder;
    PythonUi ui(request.opAmp, folder.WithSlash());
    out_ = std::make_unique<CircuitOutput>();
    out_->schematicInMemory = true;
    out_->journalOptional = true;
    out_->candidateChooser = &picker;
    out_->basicCircuit = code_;
    RunCircuitOutput(window_->view, ui, *out_);
    out_->candidateChooser = nullptr;
    messages_ = ui.messages;
    if (!out_->completed) {
        std::string text = "the synthesis did not realise every section";
        for (const auto& message : messages_) text += "\n" + message;
        throw CircuitFailure(text);
    }
    const FileContents journal =
        ReadInputFile(folder.WithSlash() + kJournalFile, kMaxInputFileSize);
    journal_ = journal.bytes;
}

PythonCircuit::~PythonCircuit() = default;

analysis::Cascade PythonCircuit::RealisedCascade() const {
    return analysis::CascadeIn(window_->view, window_->doc.kind, analysis::Domain::Analog, 0);
}

void PythonCircuit::WriteSchematic(const std::string& path) const {
    if (out_->lines.empty())
        throw CircuitFailure(
            "there is no schematic: the installation holds no reference "
            "schematic of circuit " +
            request_.circuit + " for this order");
    if (const auto problem = WriteFileAtomically(path, JoinedSchematicLines(out_->lines)))
        throw FileFailure("cannot write the schematic " + path + ": " + *problem);
}

verify::ToleranceOptions PythonCircuit::ToleranceOptionsOf(const VerifyRequest& request) const {
    verify::ToleranceOptions options;
    options.resistorTolerance = request.toleranceR / 100;
    options.capacitorTolerance = request.toleranceC / 100;
    if (request.distribution != "uniform" && request.distribution != "gaussian")
        throw std::invalid_argument("distribution: \"" + request.distribution +
                                    "\" is neither uniform nor gaussian");
    options.distribution = request.distribution == "gaussian" ? verify::Distribution::Gaussian
                                                              : verify::Distribution::Uniform;
    if (request.seed < 0) throw std::invalid_argument("seed: the seed must not be negative");
    options.seed = static_cast<std::uint64_t>(request.seed);
    options.runs = request.monteCarlo.value_or(1);
    if (options.runs < 0 || options.runs > verify::kMaxToleranceRuns) options.runs = -1;
    if (request.threads) {
        if (*request.threads < 1 || *request.threads > verify::kMaxToleranceThreads)
            throw std::invalid_argument("threads: give 1 to 256 threads");
        options.threads = *request.threads;
    }
    const std::string problem = verify::CheckToleranceOptions(options);
    if (!problem.empty()) throw std::invalid_argument(problem);
    return options;
}

Verification PythonCircuit::Verify(const VerifyRequest& request,
                                   const std::atomic<bool>* cancel) const {
    Verification result;
    result.toleranceOptions = ToleranceOptionsOf(request);
    if (request.gbwHz && request.opAmp)
        throw std::invalid_argument("give either gbw or opamp, not both");
    if (request.gbwHz) {
        const std::string problem = verify::CheckGbw(*request.gbwHz);
        if (!problem.empty()) throw std::invalid_argument("gbw: " + problem);
        result.gbwHz = *request.gbwHz;
    } else {
        const std::string path = ModuleDirectory() + "sys/" + verify::kOpAmpTableFile;
        const verify::OpAmpTable table = verify::ReadOpAmpTable(path);
        if (!table.error.empty()) throw FileFailure("op-amp table " + table.error);
        const std::string name = request.opAmp.value_or(std::string(kReferenceOpAmp));
        const verify::OpAmpData* opAmp = table.Find(name);
        if (opAmp == nullptr)
            throw std::invalid_argument("opamp: \"" + name + "\" is not in the op-amp table " +
                                        path);
        result.opAmpName = opAmp->name;
        result.gbwHz = opAmp->gbwHz;
    }

    verify::RealisedCircuit circuit;
    std::string error;
    if (!verify::RealisedCircuitOf(window_->doc, window_->view, *out_, code_, circuit, error))
        throw CircuitFailure(error);
    result.pointsPerDecade = window_->view.pointsPerDecade;
    {
        const std::lock_guard<std::mutex> lock(spiceMutex);
        result.simulation = verify::SimulateCircuit(circuit, result.gbwHz, result.pointsPerDecade);
        result.requirements = verify::FindSectionRequirements(circuit, result.gbwHz,
                                                              result.pointsPerDecade, {}, cancel);
        verify::SpiceEngine::Instance().TakeLog();
    }
    if (!result.simulation.error.empty()) throw CircuitFailure(result.simulation.error);
    if (!result.requirements.error.empty()) throw CircuitFailure(result.requirements.error);
    if (request.monteCarlo && !verify::Cancelled(cancel)) {
        result.tolerance = verify::RunToleranceAnalysis(circuit, result.toleranceOptions,
                                                        result.pointsPerDecade, {}, cancel);
        if (!result.tolerance->error.empty()) throw CircuitFailure(result.tolerance->error);
    }
    return result;
}

}  // namespace vorna::python
