// vorna-cli circuit: the circuit output of a design (choice 401 of the output command) with
// the questions answered from the options: the basic circuit, the E-series, the op-amp and
// the schematic file; every proposed element value is accepted as it comes. The journal is
// appended to journal.txt of the current directory, as by the desktop program.

#include <fstream>
#include <iostream>
#include <memory>

#include "CliVerbs.h"
#include "DesignJson.h"
#include "DesignOptions.h"
#include "OutputFilesUi.h"
#include "circuit/Synthesis.h"
#include "dialogs/CircuitSelectionDialog.h"
#include "output/CircuitOutput.h"
#include "output/CircuitOutputCommand.h"
#include "output/OpAmpNames.h"
#include "output/SchematicText.h"

namespace vorna::cli {

namespace {

const std::vector<std::string> kSeriesNames{"E6", "E12", "E24", "E48", "E96"};

struct CircuitOptions {
    DesignOptions design;
    std::string circuit;
    std::string series = "E24";
    std::string opAmp = std::string(kReferenceOpAmp);
    std::string output;
};

// Accepts the first proposal of every component value dialog (710 .. 742), however often
// they come; everything else as CliUi does.
class CircuitUi : public OutputFilesUi {
public:
    int RunModal(Dialog& dialog) override {
        if (dialog.Id() < 710 || dialog.Id() > 742) return OutputFilesUi::RunModal(dialog);
        dialog.Open(*this);
        dialog.UserClick(IDOK);
        if (!dialog.Ended()) throw CliError("dialog " + std::to_string(dialog.Id()) + " did not accept its values");
        return dialog.Result();
    }
};

int CircuitCode(const std::string& name) {
    for (std::size_t i = 0; i < kCircuitNames.size(); ++i) {
        if (name == kCircuitNames[i]) return kFirstCircuitCode + static_cast<int>(i);
    }
    throw CliRefusal("unknown circuit " + name);
}

// An op-amp other than the two the program offers comes from OPname.txt, as on the desktop.
void CheckOpAmpNameFile(const std::string& opAmp, Ui& ui) {
    if (opAmp == kReferenceOpAmp || opAmp == kDefaultReplacementOpAmp) return;
    std::ifstream file(ui.CurrentDirectory() + kOpAmpNameFile, std::ios::binary);
    if (!file || ReadNameLine(file).value_or("") != opAmp) {
        throw CliError("--opamp " + opAmp + " needs OPname.txt in the current directory naming it on its first line");
    }
}

int AnswerQuestion(const CircuitOptions& options, const std::string& text) {
    if (text.find("「ADA4807-4」に替えるなら") != std::string::npos) {
        return options.opAmp == kDefaultReplacementOpAmp ? IDYES : IDNO;
    }
    if (text.find("のままで良いなら") != std::string::npos) return options.opAmp == kReferenceOpAmp ? IDYES : IDNO;
    throw CliError("cannot continue on the command line:\n" + text);
}

void Circuit(const CircuitOptions& options) {
    CircuitUi ui;
    const auto window = RunDesignCommand(options.design, ui);
    const std::size_t designMessages = ui.messages.size();
    CKorvelView& view = window->view;
    const CircuitSelection* selection = FindCircuitSelection(window->doc.kind, window->doc.approximation);
    const int code = CircuitCode(options.circuit);
    if (selection == nullptr || (code != selection->firstCode && code != selection->firstCode + 1)) {
        const std::string choices = selection == nullptr ? std::string("none")
                                                         : std::string(kCircuitNames[selection->firstCode - 480]) + " or " +
                                                               kCircuitNames[selection->firstCode - 479];
        throw CliRefusal("circuit " + options.circuit + " does not realise this design; choose " + choices);
    }
    CheckOpAmpNameFile(options.opAmp, ui);
    ui.Answer(selection->dialogId, [code](Dialog& dialog) {
        dialog.UserClick(code);
        dialog.UserClick(IDOK);
    });
    ui.AnswerQuestions([&options](const std::string& text, MessageButtons) { return AnswerQuestion(options, text); });
    ui.saveAs = options.output;
    for (std::size_t i = 0; i < kSeriesNames.size(); ++i) {
        if (options.series == kSeriesNames[i]) view.eSeriesChoice = static_cast<int>(i) + 1;
    }

    CircuitOutput out;
    RunCircuitOutput(view, ui, out);

    nlohmann::json json = DesignJson(window->doc, view, ui.messages);
    json["circuit"] = options.circuit;
    json["schematic"] = options.output;
    nlohmann::json elements = nlohmann::json::array();
    for (const auto& element : out.elementValues) elements.push_back({{"name", element.name}, {"value", element.value}});
    json["elements"] = elements;
    std::cout << json.dump(2) << '\n';

    const bool finished = ui.messages.size() > designMessages &&
                          ui.messages.back().find("計算しなおしました") != std::string::npos;
    if (!finished) SetExitStatus(1);
}

}  // namespace

void RegisterCircuitVerb(CLI::App& app) {
    auto* verb = app.add_subcommand(
        "circuit", "Design a filter, realise it with a basic circuit and write its schematic and journal");
    auto options = std::make_shared<CircuitOptions>();
    options->design.AddTo(*verb);
    verb->add_option("--circuit", options->circuit, "Basic circuit LP1..LP4, HP1..HP4, BP1..BP4, BE1, BE2")
        ->required()
        ->check(CLI::IsMember(std::vector<std::string>(kCircuitNames.begin(), kCircuitNames.end())));
    verb->add_option("--series", options->series, "E-series of the element values")
        ->check(CLI::IsMember(kSeriesNames));
    verb->add_option("--opamp", options->opAmp,
                     "Op-amp of the schematic: LT1115 (as drawn), ADA4807-4, or the name in OPname.txt");
    verb->add_option("-o,--output", options->output, "Schematic file to write (.asc)")->required();
    verb->callback([options] { RunOutputVerb([&] { Circuit(*options); }); });
}

}  // namespace vorna::cli
