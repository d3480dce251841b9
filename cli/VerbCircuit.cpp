// vorna-cli circuit: the circuit output of a design (see CircuitRun.h), reported as JSON.

#include <cmath>
#include <iostream>
#include <memory>
#include <sstream>

#include "CircuitRun.h"
#include "CliUi.h"
#include "CliVerbs.h"
#include "DesignJson.h"
#include "DesignOptions.h"
#include "LanguageOptions.h"
#include "OutputFilesUi.h"
#include "OutputPath.h"
#include "app/CircuitOutputCommand.h"
#include "circuit/EngValue.h"
#include "circuit/InitialValueTables.h"
#include "circuit/Synthesis.h"
#include "dialogs/CircuitSelectionDialog.h"
#include "output/BillOfMaterials.h"
#include "output/CircuitOutput.h"
#include "output/OpAmpNames.h"
#include "output/OpAmpReplacement.h"
#include "output/SchematicText.h"
#include "platform/AbsolutePath.h"
#include "platform/CLocale.h"
#include "platform/FileRead.h"
#include "platform/MessageText.h"
#include "schematic/AscFile.h"
#include "text/Message.h"
#include "text/Texts.h"
#include "topology/BasicCircuits.h"
#include "verify/CircuitSimulation.h"
#include "verify/OpAmpTable.h"
#include "view/SchematicDrawing.h"
#include "view/SvgCanvas.h"

namespace vorna::cli {

namespace {

const std::vector<std::string> kSeriesNames{"E6", "E12", "E24", "E48", "E96"};

std::string CircuitNameList() {
    std::string list;
    for (const BasicCircuit& circuit : kBasicCircuits)
        list += (list.empty() ? "" : ", ") + std::string(circuit.code);
    return list;
}

int CircuitCode(const std::string& name) {
    if (const std::optional<std::size_t> row = BasicCircuitRowOf(name)) return BasicCircuitId(*row);
    throw CliRefusal(
        MessageText({TextId::CliUnknownCircuit, {EchoedText(name), CircuitNameList()}}));
}

nlohmann::json StepsJson(const std::vector<PickedStep>& steps) {
    nlohmann::json list = nlohmann::json::array();
    for (const auto& step : steps) {
        list.push_back({{"dialog", step.dialogId},
                        {"section", step.section},
                        {"candidates", step.candidates},
                        {"firstDeviation", step.firstDeviation},
                        {"bestDeviation", step.bestDeviation},
                        {"deviation", step.deviation},
                        {"typedBack", step.typedBack},
                        {"missedBest", step.missedBest}});
    }
    return list;
}

// An op-amp other than the two the program offers comes from OPname.txt, as on the desktop.
// A name the schematic cannot hold is refused before anything is written.
void CheckOpAmpNameFile(const std::string& opAmp, Ui& ui) {
    if (opAmp == kReferenceOpAmp || opAmp == kDefaultReplacementOpAmp) return;
    if (!IsUsableOpAmpName(opAmp))
        throw CliRefusal(MessageText(
            UnusableOpAmpNameMessage("--opamp", opAmp, TextId::OpAmpNameSchematicNotWritten)));
    const std::string path = ui.CurrentDirectory() + kOpAmpNameFile;
    const FileContents file = ReadInputFile(path, kMaxNameFileSize);
    const std::string problem = ReadProblemText(path, file.problem, kMaxNameFileSize);
    if (!problem.empty()) throw CliRefusal(problem);
    std::istringstream lines{std::string(WithoutByteOrderMark(file.bytes))};
    if (!file || ReadNameLine(lines).value_or("") != opAmp) {
        throw CliError(MessageText({TextId::CliOpAmpNameFileMissing, {opAmp}}));
    }
}

// Answers the op-amp questions; any other question (a missing reference schematic) ends the
// run with the messages of the output run, which say how it came to be asked.
int AnswerQuestion(const CircuitOptions& options, const Message& question,
                   const std::vector<std::string>& runMessages) {
    if (question.id == TextId::AskUseDefaultOpAmp)
        return options.opAmp == kDefaultReplacementOpAmp ? IDYES : IDNO;
    if (question.id == TextId::AskKeepReferenceOpAmp)
        return options.opAmp == kReferenceOpAmp ? IDYES : IDNO;
    std::string shown = Text(TextId::CliCannotContinue);
    for (const auto& message : runMessages) shown += "\n" + message;
    throw CliError(shown);
}

// The synthesis options of the run: the pre-distortion and the start capacitor.
void SetSynthesisOptions(const CircuitOptions& options, const std::string& programDirectory,
                         CircuitOutput& out) {
    if (options.compensate && options.compensateGbw)
        throw CliRefusal(Text(TextId::CliCompensateTwice));
    if (options.compensateGbw)
        out.compensationGbwHz = GbwOption("--compensate-gbw", *options.compensateGbw);
    if (options.compensate) {
        out.compensationGbwHz = options.opAmpGbwHz;
        out.compensateForSchematicOpAmp = !(options.opAmpGbwHz > 0);
        out.opAmpGbw = [programDirectory](const std::string& opAmp) {
            return verify::InstalledOpAmpGbw(programDirectory, opAmp);
        };
    }
    if (options.capacitor) {
        const std::optional<double> value = ParseCompactValue(*options.capacitor);
        if (!value || !(*value >= kSmallestStartCapacitor && *value <= kLargestStartCapacitor))
            throw CliRefusal(
                MessageText({TextId::CliCapacitorInvalid, {EchoedText(*options.capacitor)}}));
        out.startCapacitor = *value;
    }
}

}  // namespace

double GbwOption(const std::string& option, const std::string& text) {
    const FrequencyText split = SplitFrequencyOption(option, text);
    double factor = 1;
    for (const auto& unit : kFrequencyUnits)
        if (split.unit == unit.suffix) factor = unit.factor;
    const double gbw = NumberOption(option, split.number) * factor;
    const std::string problem = verify::CheckGbw(gbw);
    if (!problem.empty()) throw CliRefusal(option + " " + EchoedText(text) + ": " + problem);
    return gbw;
}

CircuitRun RunCircuit(const CircuitOptions& options) {
    const int code = CircuitCode(options.circuit);
    if (options.output) RequireOutputFile("-o", *options.output);
    // The journal goes to the current folder: one that is gone is refused before anything runs.
    RequireCurrentFolder();
    CandidatePicker picker(options.pick == "best" ? PickRule::Best : PickRule::First,
                           SecondOrderWalkOf(code));
    OutputFilesUi ui;
    auto window = RunDesignCommand(options.design, ui);
    const std::size_t designMessages = ui.messages.size();
    DesignView& view = window->view;
    const CircuitSelection* selection =
        FindCircuitSelection(window->doc.kind, window->doc.approximation);
    if (selection == nullptr || !selection->Offers(code))
        throw CliRefusal(MessageText(
            {TextId::CliCircuitNotOffered,
             {options.circuit, selection == nullptr ? std::string(Text(TextId::CliNoCircuit))
                                                    : selection->OfferedCodes()}}));
    CheckOpAmpNameFile(options.opAmp, ui);
    ui.AnswerQuestions([&options, &ui, designMessages](const Message& question, MessageButtons) {
        return AnswerQuestion(
            options, question,
            {ui.messages.begin() + static_cast<std::ptrdiff_t>(designMessages), ui.messages.end()});
    });
    ui.saveAs = options.output;  // none: the schematic stays in memory
    for (std::size_t i = 0; i < kSeriesNames.size(); ++i) {
        if (options.series == kSeriesNames[i]) view.eSeriesChoice = static_cast<int>(i) + 1;
    }

    CircuitRun run;
    run.out = std::make_unique<CircuitOutput>();
    SetSynthesisOptions(options, ui.ProgramDirectory(), *run.out);
    run.out->schematicInMemory = !options.output;
    run.out->journalOptional = options.journalOptional;
    run.out->candidateChooser = &picker;
    run.out->basicCircuit = code;
    RunCircuitOutput(view, ui, *run.out);
    run.out->candidateChooser = nullptr;
    run.finished = run.out->completed;
    run.window = std::move(window);
    run.circuitCode = code;
    run.messages = ui.messages;
    run.steps = picker.Steps();
    return run;
}

namespace {

// The circuit verb's own files beside the schematic.
struct CircuitFiles {
    std::optional<std::string> bom;  // the bill of materials (CSV)
    std::optional<std::string> svg;  // the drawing of the circuit
};

// The schematic the run wrote, as the model its drawing and bill of materials come from.
installation::Schematic WrittenSchematic(const CircuitOutput& out) {
    std::vector<std::string> problems;
    const std::vector<std::string> lines =
        installation::AscLines(JoinedSchematicLines(out.lines), &problems);
    installation::Schematic schematic = installation::ParseAsc(lines, &problems);
    if (!problems.empty())
        throw CliError(MessageText({TextId::CliSchematicUnreadable, {problems.front()}}));
    return schematic;
}

// Writes the files asked for (a name "-" is a file, as for -o) and names each on stderr, as
// the run named the journal and the schematic.
void WriteCircuitFiles(const CircuitOutput& out, const CircuitFiles& files) {
    if (!files.bom && !files.svg) return;
    const installation::Schematic schematic = WrittenSchematic(out);
    std::vector<std::string> written;
    if (files.bom) {
        WriteOutputFile(*files.bom, BomCsv(BillOfMaterials(schematic)));
        written.push_back(AbsolutePath(*files.bom));
    }
    if (files.svg) {
        const DrawingSize size = SchematicDrawingSize(schematic);
        SvgCanvas canvas(size.width, size.height);
        DrawSchematic(schematic, canvas);
        WriteOutputFile(*files.svg, canvas.Document());
        written.push_back(AbsolutePath(*files.svg));
    }
    CliUi().FilesWritten(written);
}

void Circuit(const CircuitOptions& options, const CircuitFiles& files) {
    if (files.bom) RequireOutputFile("--bom", *files.bom);
    if (files.svg) RequireOutputFile("--svg", *files.svg);
    const CircuitRun run = RunCircuit(options);
    if (!run.finished) {
        // The run's messages say what failed; the design's results are no circuit's.
        for (const auto& message : run.messages) std::cerr << message << '\n';
        SetExitStatus(1);
        return;
    }
    nlohmann::json json = DesignJson(run.window->doc, run.window->view, run.messages);
    json["circuit"] = options.circuit;
    if (run.out->compensationGbwHz > 0) json["compensationGbwHz"] = run.out->compensationGbwHz;
    json["schematic"] = *options.output;
    nlohmann::json elements = nlohmann::json::array();
    for (const auto& element : run.out->elementValues)
        elements.push_back({{"name", element.name}, {"value", element.value}});
    json["elements"] = elements;
    json["pick"] = options.pick;
    json["steps"] = StepsJson(run.steps);
    WriteCircuitFiles(*run.out, files);
    std::cout << JsonText(json) << '\n';
    for (const auto& step : run.steps) {
        if (!step.missedBest) continue;
        const TextId said = NoLargerDeviation(step.deviation, step.bestDeviation)
                                ? TextId::CliMissedBestSameDeviation
                                : TextId::CliMissedBestLargerDeviation;
        std::cerr << MessageText(
                         {said, {std::to_string(step.section), std::to_string(step.dialogId)}})
                  << '\n';
    }
}

}  // namespace

void AddCircuitOptions(CLI::App& verb, CircuitOptions& options, bool outputRequired) {
    options.design.AddTo(verb);
    verb.add_option("--circuit", options.circuit,
                    MessageText({TextId::CliCircuitHelp, {CircuitNameList()}}))
        ->required();
    verb.add_option("--series", options.series, Text(TextId::CliSeriesHelp))
        ->check(CLI::IsMember(kSeriesNames));
    verb.add_option("--pick", options.pick, Text(TextId::CliPickHelp))
        ->check(CLI::IsMember({"first", "best"}))
        ->capture_default_str();
    verb.add_option("--compensate-gbw", options.compensateGbw, Text(TextId::CliCompensateGbwHelp));
    verb.add_flag("--compensate", options.compensate, Text(TextId::CliCompensateHelp));
    verb.add_option("--capacitor", options.capacitor, Text(TextId::CliCapacitorHelp));
    auto* output =
        verb.add_option("-o,--output", options.output, Text(TextId::CliSchematicOutputHelp));
    if (outputRequired) output->required();
    AddEncodingOption(verb);
}

void RegisterCircuitVerb(CLI::App& app) {
    auto* verb = app.add_subcommand("circuit", Text(TextId::CliCircuitVerbHelp));
    auto options = std::make_shared<CircuitOptions>();
    auto files = std::make_shared<CircuitFiles>();
    AddCircuitOptions(*verb, *options, true);
    verb->add_option("--opamp", options->opAmp, Text(TextId::CliSchematicOpAmpHelp));
    verb->add_option("--bom", files->bom, Text(TextId::CliBomHelp));
    verb->add_option("--svg", files->svg, Text(TextId::CliSvgHelp));
    verb->callback([options, files] { RunVerb([&] { Circuit(*options, *files); }); });
}

}  // namespace vorna::cli
