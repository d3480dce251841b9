#include "app/CircuitOutputCommand.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "app/DesignDocument.h"
#include "app/DocumentResults.h"
#include "app/DocumentShown.h"
#include "app/SynthesisInputs.h"
#include "circuit/Journal.h"
#include "output/BasicCircuitChoice.h"
#include "output/CircuitOutput.h"
#include "output/OpAmpReplacement.h"
#include "platform/AbsolutePath.h"
#include "platform/CLocale.h"
#include "platform/FileRead.h"
#include "platform/MessageText.h"
#include "platform/Ui.h"
#include "text/Texts.h"
#include "topology/BasicCircuits.h"
#include "topology/Circuits.h"
#include "view/BlankView.h"
#include "view/DesignView.h"
#include "view/SummaryLines.h"

namespace vorna {

namespace {

bool Confirm(Ui& ui, TextId question) {
    return ui.MessageBox(question, MessageButtons::OkCancel) == IDOK;
}

// Resistors and capacitors of a real circuit have finite values above zero.
bool ValuesRealisable(const std::vector<ElementValue>& values) {
    return std::all_of(values.begin(), values.end(), [](const ElementValue& element) {
        return std::isfinite(element.value) && element.value > 0;
    });
}

void TellSchematicUnwritable(CircuitOutput& out, Ui& ui) {
    ui.MessageBox({TextId::SchematicUnwritable, {EchoedText(out.outputPath)}}, MessageButtons::Ok);
    out.outputFailed = true;
}

// Writes the schematic beside the chosen file; false when there is none to write or it
// could not be written (the user is told).
bool StageSchematic(CircuitOutput& out, Ui& ui) {
    if (out.outputMode != OutputMode::SchematicAndJournal || !out.outputFile.IsOpen()) return false;
    out.outputFile.Write(JoinedSchematicLines(out.lines));
    if (out.outputFile.Stage()) return true;
    TellSchematicUnwritable(out, ui);
    return false;
}

// Puts the staged schematic in the chosen file's place.
bool CommitSchematic(CircuitOutput& out, Ui& ui) {
    if (out.outputFile.Commit()) return true;
    TellSchematicUnwritable(out, ui);
    return false;
}

// Takes the gain-bandwidth product to pre-distort for from the op-amp table when the run
// asks for the schematic's op-amp's; false (the user told) when the table has none for it.
bool ResolveCompensationGbw(CircuitOutput& out, Ui& ui) {
    if (!out.compensateForSchematicOpAmp) return true;
    const std::string opAmp = out.SchematicOpAmp();
    const std::optional<double> gbw = out.opAmpGbw ? out.opAmpGbw(opAmp) : std::nullopt;
    if (!gbw || !(*gbw > 0)) {
        ui.MessageBox({TextId::CompensationNoOpAmpGbw, {EchoedText(opAmp)}}, MessageButtons::Ok);
        return false;
    }
    out.compensationGbwHz = *gbw;
    return true;
}

}  // namespace

OutputMode OpenReferenceSchematic(CircuitOutput& out, Ui& ui, const BasicCircuit& circuit,
                                  int order) {
    out.referenceName = installation::ReferenceFileName(circuit, order);
    out.referencePath = ui.ProgramDirectory() + "sys/" + out.referenceName;
    FileContents reference = ReadInputFile(out.referencePath);
    if (reference) {
        out.referenceText = std::move(reference.bytes);
        return OutputMode::SchematicAndJournal;
    }
    // A folder or an oversized file in its place is no reference either; say why first.
    if (const auto problem = ReadProblemMessage(out.referencePath, reference.problem))
        ui.MessageBox(*problem, MessageButtons::Ok);
    if (!Confirm(ui, TextId::AskContinueWithoutReference)) return OutputMode::Stop;
    out.outputPath = circuit.code;
    return OutputMode::JournalOnly;
}

void ChooseSchematicFile(CircuitOutput& out, Ui& ui) {
    out.outputPath = out.referenceName;
    FileDialogRequest request;
    request.initialName = out.outputPath;
    request.defaultExtension = "asc";
    request.filters = {{"Schematic (*.asc)", "*.asc"}};
    const auto chosen = ui.SaveFileName(request);
    if (!chosen) {
        out.outputMode = OutputMode::JournalOnly;
        return;
    }
    out.outputPath = *chosen;
    if (!out.outputFile.Create(out.outputPath)) {
        ui.MessageBox({TextId::SchematicUncreatable, {EchoedText(out.outputPath)}},
                      MessageButtons::Ok);
        out.outputMode = OutputMode::JournalOnly;
    }
}

bool OpenJournal(CircuitOutput& out, Ui& ui) {
    if (out.journal.Open(ui.CurrentDirectory() + kJournalFile)) return true;
    ui.MessageBox(TextId::JournalUnopenable, MessageButtons::Ok);
    return false;
}

bool CloseJournal(CircuitOutput& out, Ui& ui) {
    const bool open = out.journal.IsOpen();
    if (out.journal.Close()) return open;
    ui.MessageBox(TextId::JournalUnwritable, MessageButtons::Ok);
    if (!out.journalOptional) out.outputFailed = true;
    return false;
}

void FinishCircuitOutput(CircuitOutput& out, Ui& ui) {
    CloseJournal(out, ui);
    out.outputFile.Abandon();
    if (out.synthesisFailed || out.outputFailed) {
        out.synthesisFailed = false;
        return;
    }
    if (out.outputMode == OutputMode::Stop) return;
    ui.MessageBox(TextId::CircuitOutputDone, MessageButtons::Ok);
    out.completed = true;
}

void WriteCircuitFiles(CircuitOutput& out, DesignDocument& doc, DesignView& view, Ui& ui) {
    if (view.convertedToDigital) {
        if (!Confirm(ui, TextId::AskRecomputeDigitalAsAnalog)) return;
        RecomputeResults(view, doc);
    }
    if (view.approximatedByCircuit && !Confirm(ui, TextId::AskContinueAlreadyApproximated)) return;

    const std::optional<std::size_t> row = BasicCircuitRowOf(view.selectedCircuit);
    if (!row) return;
    const BasicCircuit& circuit = kBasicCircuits[*row];
    const std::string circuitName(circuit.code);
    out.outputMode = OpenReferenceSchematic(out, ui, circuit, view.resultOrder);
    if (out.outputMode == OutputMode::Stop) return;
    if (out.outputMode == OutputMode::SchematicAndJournal && !out.schematicInMemory)
        ChooseSchematicFile(out, ui);
    if (!OpenJournal(out, ui) && !out.journalOptional) {
        out.outputFile.Abandon();  // the chosen file keeps what it held
        return;
    }
    if (out.outputMode == OutputMode::JournalOnly &&
        !Confirm(ui, TextId::JournalOnlyWithoutFileName)) {
        out.outputMode = OutputMode::Stop;
        FinishCircuitOutput(out, ui);
        return;
    }

    // The journal names the schematic file only while one is to be written.
    std::string summaryLines;
    const SchematicSummary summary =
        WriteSummaryLines([&summaryLines](const std::string& line) { summaryLines += line; }, view,
                          ShownDesignOf(doc), true);
    WriteJournalHeader(out.journal, summaryLines,
                       out.outputFile.IsOpen() ? out.outputPath : circuitName);
    out.SetInformationTexts(summary.title, summary.specification);
    view.approximatedByCircuit = true;
    if (out.MakesSchematic()) {
        out.lines = SplitSchematicLines(out.referenceText);
        ChooseOutputOpAmp(out, ui);
        out.ClassifySchematicLines();
    }

    SynthesisInput input = SynthesisInputOf(doc);
    out.synthesisFailed = !ResolveCompensationGbw(out, ui);
    input.compensationGbwHz = out.compensationGbwHz;
    out.designed.reset();
    if (out.compensationGbwHz > 0) out.designed = static_cast<const DesignResults&>(view);
    input.startCapacitor = out.startCapacitor;
    if (!out.synthesisFailed) out.synthesis(circuit, input, view, out, out.Chooser(ui), ui);

    if (!out.synthesisFailed && !ValuesRealisable(out.elementValues)) {
        ui.MessageBox(TextId::ValuesUnrealisable, MessageButtons::Ok);
        out.synthesisFailed = true;
    }
    // After a failure no schematic is written: it would hold the reference's values for the
    // sections not realised. The schematic goes to the disk first, the journal's record
    // next, and only then does the schematic take the chosen file's place: a journal that
    // cannot be written leaves that file as it was, and the journal names no schematic
    // that was not written.
    const bool staged = !out.synthesisFailed && StageSchematic(out, ui);
    if (!staged) out.journal.NameSchematic(circuitName);
    out.journalWritten = CloseJournal(out, ui);
    const bool schematicWritten =
        staged && (out.journalWritten || out.journalOptional) && CommitSchematic(out, ui);
    std::vector<std::string> written;
    if (out.journalWritten) written.push_back(AbsolutePath(out.journal.Path()));
    if (schematicWritten) written.push_back(AbsolutePath(out.outputPath));
    FinishCircuitOutput(out, ui);
    ui.FilesWritten(written);
}

bool RunCircuitOutput(DesignView& view, Ui& ui, CircuitOutput& out) {
    const ShownDesign design = ShownDesignOf(view.GetDocument());
    const bool chosen = out.basicCircuit ? TakeBasicCircuit(view, design, *out.basicCircuit)
                                         : ChooseBasicCircuit(view, design, ui);
    if (!chosen) return false;
    const BlankView blank(view);
    if (view.eSeriesChoice != 0) out.SetSeries(view.eSeriesChoice + 10, 0);
    // The dialog's settings add to those the run was given.
    if (view.compensateForOpAmp && !(out.compensationGbwHz > 0)) {
        out.compensateForSchematicOpAmp = true;
        out.opAmpGbw = view.opAmpGbw;
    }
    if (view.startCapacitor > 0) out.startCapacitor = view.startCapacitor;
    WriteCircuitFiles(out, view.GetDocument(), view, ui);
    view.eSeriesChoice = out.eDefault;
    return true;
}

}  // namespace vorna
