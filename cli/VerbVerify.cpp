// vorna-cli verify: the design realised as `circuit` realises it, then checked as a real
// circuit: simulated with ngspice with single-pole op-amps of a given gain-bandwidth product
// (or of an op-amp from the table), what each section needs of its op-amp, and with
// --monte-carlo the spread and yield for the element tolerances.

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>

#include "CircuitRun.h"
#include "CliVerbs.h"
#include "DesignJson.h"
#include "LongRun.h"
#include "OutputPath.h"
#include "circuit/EngValue.h"
#include "platform/CLocale.h"
#include "platform/FileWrite.h"
#include "platform/MessageText.h"
#include "text/Message.h"
#include "text/Texts.h"
#include "verify/CircuitSimulation.h"
#include "verify/OpAmpTable.h"
#include "verify/SectionRequirements.h"
#include "verify/ToleranceAnalysis.h"

namespace vorna::cli {
namespace {

// The exit status of a verb stopped by Ctrl+C, as shells report a program that SIGINT ended.
constexpr int kInterruptedStatus = 130;

struct VerifyOptions {
    CircuitOptions circuit;
    std::optional<std::string> gbw;
    std::optional<std::string> opAmp;
    std::optional<std::string> opAmpTable;
    std::optional<std::string> monteCarlo;
    std::string toleranceR = "1";
    std::string toleranceC = "5";
    std::string distribution = "uniform";
    std::string seed = "1";
    std::optional<std::string> threads;
    std::optional<std::string> spiceLog;
};

// The op-amp the circuit is simulated with.
struct ChosenOpAmp {
    std::string name;  // empty when the GBW was given directly
    double gbwHz = 0;
};

long long IntegerOption(const std::string& option, const std::string& text) {
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE)
        throw CliRefusal(MessageText({TextId::CliNotAnInteger, {option, EchoedText(text)}}));
    return value;
}

ChosenOpAmp ChooseOpAmp(const VerifyOptions& options, Ui& ui) {
    if (options.gbw && options.opAmp) throw CliRefusal(Text(TextId::CliGbwAndOpAmp));
    if (options.gbw) return {"", GbwOption("--gbw", *options.gbw)};
    const std::string path =
        options.opAmpTable.value_or(ui.ProgramDirectory() + "sys/" + verify::kOpAmpTableFile);
    const verify::OpAmpTable table = verify::ReadOpAmpTable(path);
    if (!table.error.empty())
        throw CliRefusal(MessageText({TextId::CliOpAmpTableProblem, {table.error}}));
    const std::string name = options.opAmp.value_or(std::string(kReferenceOpAmp));
    const verify::OpAmpData* opAmp = table.Find(name);
    if (opAmp == nullptr)
        throw CliRefusal(MessageText({TextId::CliOpAmpNotInTable,
                                      {EchoedText(name), EchoedText(path, kMaxEchoedPathBytes)}}));
    return {opAmp->name, opAmp->gbwHz};
}

verify::ToleranceOptions ToleranceOptionsOf(const VerifyOptions& options) {
    verify::ToleranceOptions tolerance;
    tolerance.resistorTolerance = NumberOption("--tolerance-r", options.toleranceR) / 100;
    tolerance.capacitorTolerance = NumberOption("--tolerance-c", options.toleranceC) / 100;
    tolerance.distribution = options.distribution == "gaussian" ? verify::Distribution::Gaussian
                                                                : verify::Distribution::Uniform;
    const long long seed = IntegerOption("--seed", options.seed);
    if (seed < 0) throw CliRefusal(Text(TextId::CliSeedNegative));
    tolerance.seed = static_cast<std::uint64_t>(seed);
    const long long runs = IntegerOption("--monte-carlo", options.monteCarlo.value_or("1"));
    tolerance.runs = runs < 0 || runs > verify::kMaxToleranceRuns ? -1 : static_cast<int>(runs);
    if (options.threads) {
        const long long threads = IntegerOption("--threads", *options.threads);
        if (threads < 1 || threads > verify::kMaxToleranceThreads)
            throw CliRefusal(
                Format(Text(TextId::CliThreadsOutOfRange), verify::kMaxToleranceThreads));
        tolerance.threads = static_cast<int>(threads);
    }
    const std::string problem = verify::CheckToleranceOptions(tolerance);
    if (!problem.empty()) throw CliRefusal(problem);
    return tolerance;
}

nlohmann::json OptionalNumber(const std::optional<double>& value) {
    return value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

nlohmann::json SimulationJson(const verify::CircuitSimulation& simulation) {
    nlohmann::json points = nlohmann::json::array();
    for (const auto& point : simulation.points)
        points.push_back({{"frequencyHz", point.frequencyHz},
                          {"idealDb", point.idealDb},
                          {"simulatedDb", point.simulatedDb}});
    return points;
}

nlohmann::json SectionsJson(const verify::SectionRequirements& requirements) {
    nlohmann::json sections = nlohmann::json::array();
    for (const auto& section : requirements.sections) {
        nlohmann::json sensitivities = nlohmann::json::array();
        for (const auto& s : section.sensitivities)
            sensitivities.push_back({{"element", s.element}, {"omega0", s.omega0}, {"q", s.q}});
        sections.push_back({{"section", section.section},
                            {"f0Hz", section.f0Hz},
                            {"q", OptionalNumber(section.q)},
                            {"gain", section.gain},
                            {"requiredGbwHz", OptionalNumber(section.requiredGbwHz)},
                            {"opAmpFallsShort", section.opAmpFallsShort},
                            {"sensitivities", sensitivities}});
    }
    return sections;
}

nlohmann::json ToleranceJson(const verify::ToleranceResult& result,
                             const verify::ToleranceOptions& options) {
    const verify::ToleranceEnvelope& e = result.envelope;
    const verify::ToleranceResult::FailureCauses& f = result.failures;
    nlohmann::json json = {
        {"runs", result.runs},
        {"passedRuns", result.passedRuns},
        {"failedRuns", result.failedRuns},
        {"failedRunsByCause",
         {{"valueNotPositive", f.valueNotPositive},
          {"notFinite", f.notFinite},
          {"unstableRealPole", f.unstableRealPole},
          {"unstablePolePair", f.unstablePolePair}}},
        {"yield", result.yield},
        {"seed", options.seed},
        {"distribution",
         options.distribution == verify::Distribution::Gaussian ? "gaussian" : "uniform"},
        {"toleranceR", options.resistorTolerance * 100},
        {"toleranceC", options.capacitorTolerance * 100},
        {"envelope",
         {{"frequencyHz", e.frequencyHz},
          {"minDb", e.minDb},
          {"p5Db", e.p5Db},
          {"p50Db", e.p50Db},
          {"p95Db", e.p95Db},
          {"maxDb", e.maxDb}}}};
    if (result.cancelled) json["cancelled"] = true;
    return json;
}

// Empty when the log was written, else why not.
std::string WriteLog(const std::string& path, const std::string& log) {
    const auto problem = WriteFileAtomically(path, log);
    if (!problem) return {};
    return MessageText({TextId::CliSpiceLogUnwritable, {EchoedText(path), *problem}});
}

// The run's failure: what did not work, then the message that says how.
std::string RunFailure(const CircuitRun& run) {
    const std::string what = Text(run.out->outputFailed ? TextId::CliSchematicNotWritten
                                                        : TextId::CliSynthesisIncomplete);
    return run.messages.empty() ? what : what + ":\n" + run.messages.back();
}

void Verify(const VerifyOptions& options) {
    CliUi locations;
    const ChosenOpAmp opAmp = ChooseOpAmp(options, locations);
    const verify::ToleranceOptions tolerance = ToleranceOptionsOf(options);

    if (options.spiceLog) RequireOutputFile("--spice-log", *options.spiceLog);

    CircuitOptions circuitOptions = options.circuit;
    if (opAmp.name == kDefaultReplacementOpAmp) circuitOptions.opAmp = opAmp.name;
    circuitOptions.opAmpGbwHz = opAmp.gbwHz;
    // The verification is worth having where the journal cannot be written.
    circuitOptions.journalOptional = true;
    const CircuitRun run = RunCircuit(circuitOptions);
    if (!run.finished) throw CliError(RunFailure(run));
    if (!run.out->journalWritten)
        std::cerr << MessageText({TextId::CliJournalNotRecorded,
                                  {EchoedText(run.out->journal.Path(), 4096)}})
                  << '\n';

    verify::RealisedCircuit circuit;
    std::string error;
    if (!verify::RealisedCircuitOf(run.window->doc, run.window->view, *run.out, run.circuitCode,
                                   circuit, error))
        throw CliError(error);
    const int pointsPerDecade = run.window->view.pointsPerDecade;

    nlohmann::json json;
    json["circuit"] = options.circuit.circuit;
    if (run.out->compensationGbwHz > 0) json["compensationGbwHz"] = run.out->compensationGbwHz;
    json["pointsPerDecade"] = pointsPerDecade;
    json["opAmp"] = {
        {"name", opAmp.name.empty() ? nlohmann::json(nullptr) : nlohmann::json(opAmp.name)},
        {"gbwHz", opAmp.gbwHz}};
    const verify::CircuitSimulation simulation =
        verify::SimulateCircuit(circuit, opAmp.gbwHz, pointsPerDecade);
    json["simulated"] = SimulationJson(simulation);
    json["maxPassbandDeviationDb"] = simulation.maxPassbandDeviationDb;
    const verify::SectionRequirements requirements =
        verify::FindSectionRequirements(circuit, opAmp.gbwHz, pointsPerDecade);
    json["sections"] = SectionsJson(requirements);
    std::string failure = simulation.error.empty() ? requirements.error : simulation.error;
    bool stopped = false;
    if (options.monteCarlo) {
        LongRun longRun(Text(TextId::CliToleranceRuns));
        const verify::ToleranceResult result = verify::RunToleranceAnalysis(
            circuit, tolerance, pointsPerDecade, longRun.Reporter(), longRun.Stop());
        json["monteCarlo"] = ToleranceJson(result, tolerance);
        if (failure.empty()) failure = result.error;
        if (result.cancelled) {
            stopped = true;
            std::cerr << Format(Text(TextId::CliToleranceStopped), result.runs, tolerance.runs);
        }
    }
    if (!failure.empty()) json["error"] = failure;
    std::cout << JsonText(json) << '\n';
    if (options.spiceLog) {
        const std::string logProblem =
            WriteLog(*options.spiceLog, verify::SpiceEngine::Instance().TakeLog());
        if (!logProblem.empty()) failure += (failure.empty() ? "" : "\n") + logProblem;
    }
    if (!failure.empty()) throw CliError(failure);
    if (stopped) SetExitStatus(kInterruptedStatus);
}

}  // namespace

void RegisterVerifyVerb(CLI::App& app) {
    auto* verb = app.add_subcommand("verify", Text(TextId::CliVerifyHelp));
    auto options = std::make_shared<VerifyOptions>();
    AddCircuitOptions(*verb, options->circuit, false);
    verb->add_option("--gbw", options->gbw, Text(TextId::CliGbwHelp));
    verb->add_option("--opamp", options->opAmp, Text(TextId::CliVerifyOpAmpHelp));
    verb->add_option("--opamp-table", options->opAmpTable, Text(TextId::CliOpAmpTableHelp));
    verb->add_option("--monte-carlo", options->monteCarlo, Text(TextId::CliMonteCarloHelp));
    verb->add_option("--tolerance-r", options->toleranceR, Text(TextId::CliToleranceRHelp))
        ->capture_default_str();
    verb->add_option("--tolerance-c", options->toleranceC, Text(TextId::CliToleranceCHelp))
        ->capture_default_str();
    verb->add_option("--distribution", options->distribution, Text(TextId::CliDistributionHelp))
        ->check(CLI::IsMember({"uniform", "gaussian"}))
        ->capture_default_str();
    verb->add_option("--seed", options->seed, Text(TextId::CliSeedHelp))->capture_default_str();
    verb->add_option("--threads", options->threads, Text(TextId::CliThreadsHelp));
    verb->add_option("--spice-log", options->spiceLog, Text(TextId::CliSpiceLogHelp));
    verb->callback([options] { RunVerb([&] { Verify(*options); }); });
}

}  // namespace vorna::cli
