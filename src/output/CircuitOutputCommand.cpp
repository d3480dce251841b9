#include "output/CircuitOutputCommand.h"

#include <algorithm>
#include <cmath>

#include "app/DesignDocument.h"
#include "app/DocumentResults.h"
#include "circuit/Journal.h"
#include "output/BasicCircuitChoice.h"
#include "output/CircuitOutput.h"
#include "output/OpAmpReplacement.h"
#include "platform/AbsolutePath.h"
#include "platform/CLocale.h"
#include "platform/FileRead.h"
#include "platform/MessageText.h"
#include "platform/Ui.h"
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
    if (out.outputMode != 2 || !out.outputFile.IsOpen()) return false;
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

}  // namespace

int OpenReferenceSchematic(CircuitOutput& out, Ui& ui, const std::string& circuitName, int order) {
    out.referenceName = Format("%s_%-d.asc", circuitName.c_str(), order);
    out.referencePath = ui.ProgramDirectory() + "sys/" + out.referenceName;
    FileContents reference = ReadInputFile(out.referencePath);
    if (reference) {
        out.referenceText = std::move(reference.bytes);
        return 2;
    }
    // A folder or an oversized file in its place is no reference either; say why first.
    if (const auto problem = ReadProblemMessage(out.referencePath, reference.problem))
        ui.MessageBox(*problem, MessageButtons::Ok);
    if (!Confirm(ui, TextId::AskContinueWithoutReference)) return 0;
    out.outputPath = circuitName;
    return 1;
}

void ChooseSchematicFile(CircuitOutput& out, Ui& ui) {
    out.outputPath = out.referenceName;
    FileDialogRequest request;
    request.initialName = out.outputPath;
    request.defaultExtension = "asc";
    request.filters = {{"Schematic (*.asc)", "*.asc"}};
    const auto chosen = ui.SaveFileName(request);
    if (!chosen) {
        out.outputMode = 1;
        return;
    }
    out.outputPath = *chosen;
    if (!out.outputFile.Create(out.outputPath)) {
        ui.MessageBox({TextId::SchematicUncreatable, {EchoedText(out.outputPath)}},
                      MessageButtons::Ok);
        out.outputMode = 1;
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
    if (out.synthesisFailed != 0 || out.outputFailed) {
        out.synthesisFailed = 0;
        return;
    }
    if (out.outputMode == 0) return;
    ui.MessageBox(TextId::CircuitOutputDone, MessageButtons::Ok);
    out.completed = true;
}

void WriteCircuitFiles(CircuitOutput& out, DesignDocument& doc, DesignView& view, Ui& ui) {
    if (view.convertedToDigital != 0) {
        if (!Confirm(ui, TextId::AskRecomputeDigitalAsAnalog)) return;
        RecomputeResults(view, doc);
    }
    if (view.approximatedByCircuit != 0 && !Confirm(ui, TextId::AskContinueAlreadyApproximated))
        return;

    const int circuit = view.selectedCircuit - kFirstCircuitCode;
    if (circuit < 0 || circuit >= static_cast<int>(kCircuitNames.size())) return;
    const std::string circuitName = kCircuitNames[static_cast<std::size_t>(circuit)];
    out.outputMode = OpenReferenceSchematic(out, ui, circuitName, view.resultOrder);
    if (out.outputMode == 0) return;
    if (out.outputMode == 2 && !out.schematicInMemory) ChooseSchematicFile(out, ui);
    if (!OpenJournal(out, ui) && !out.journalOptional) {
        out.outputFile.Abandon();  // the chosen file keeps what it held
        return;
    }
    if (out.outputMode == 1 && !Confirm(ui, TextId::JournalOnlyWithoutFileName)) {
        out.outputMode = 0;
        FinishCircuitOutput(out, ui);
        return;
    }

    // The journal names the schematic file only while one is to be written.
    const SchematicSummary summary = WriteJournalHeader(
        out.journal, view, out.outputFile.IsOpen() ? out.outputPath : circuitName);
    out.SetInformationTexts(summary.title, summary.specification);
    view.approximatedByCircuit = 1;
    if (out.outputMode == 2) {
        out.lines = SplitSchematicLines(out.referenceText);
        ChooseOutputOpAmp(out, ui);
        out.ClassifySchematicLines();
    }

    out.synthesisEntries[static_cast<std::size_t>(circuit)](out, doc, view, ui);

    if (out.synthesisFailed == 0 && !ValuesRealisable(out.elementValues)) {
        ui.MessageBox(TextId::ValuesUnrealisable, MessageButtons::Ok);
        out.synthesisFailed = 1;
    }
    // After a failure no schematic is written: it would hold the reference's values for the
    // sections not realised. The schematic goes to the disk first, the journal's record
    // next, and only then does the schematic take the chosen file's place: a journal that
    // cannot be written leaves that file as it was, and the journal names no schematic
    // that was not written.
    const bool staged = out.synthesisFailed == 0 && StageSchematic(out, ui);
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
    if (!ChooseBasicCircuit(view, ui)) return false;
    const BlankView blank(view);
    if (view.eSeriesChoice != 0) out.SetSeries(view.eSeriesChoice + 10, 0);
    WriteCircuitFiles(out, view.GetDocument(), view, ui);
    view.eSeriesChoice = out.eDefault;
    return true;
}

}  // namespace vorna
