#include "output/CircuitOutputCommand.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/CKorvelDoc.h"
#include "circuit/Journal.h"
#include "output/BasicCircuitChoice.h"
#include "output/CircuitOutput.h"
#include "output/OpAmpReplacement.h"
#include "platform/CLocale.h"
#include "platform/Ui.h"
#include "view/CKorvelView.h"
#include "view/SummaryLines.h"

namespace vorna {

namespace {

const char kAlreadyDigital[] =
    "既に，ディジタルフィルタに変換されています！！\n\nアナログフィルタに戻して計算するなら　ＯＫ、"
    "やめるなら　Ｃａｎｃｅｌ";
const char kAlreadyApproximated[] =
    "既に伝達関数は回路定数で近似されています\n\nこのまま先に進みますか (OK or Cancel) ?";
const char kNoReference[] =
    "参照ファイルが無いので，回路図ファイルを作成出来ません！！\n\nこのまま進むなら "
    "OK，条件を変更して設計仕直すなら Cancel";
const char kJournalOnly[] =
    "ファイル名が指定されていないので、回路図ファイルは作成しないで\n\njournal.txt "
    "のみを作成します。";
const char kJournalUnopenable[] = "journal.txt がオ-プン出来ません";
const char kDone[] =
    "伝達関数から指定の回路の回路定数を計算し\n\n回路定数から伝達関数を計算しなおしました";

bool Confirm(Ui& ui, const char* question) {
    return ui.MessageBox(question, MessageButtons::OkCancel) == IDOK;
}

}  // namespace

int OpenReferenceSchematic(CircuitOutput& out, Ui& ui, const std::string& circuitName, int order) {
    out.referenceName = Format("%s_%-d.asc", circuitName.c_str(), order);
    out.referencePath = ui.ProgramDirectory() + "sys/" + out.referenceName;
    std::ifstream reference(out.referencePath, std::ios::binary);
    if (reference) {
        out.referenceText.assign(std::istreambuf_iterator<char>(reference),
                                 std::istreambuf_iterator<char>());
        if (!reference.bad()) return 2;
    }
    if (!Confirm(ui, kNoReference)) return 0;
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
    out.outputFile.open(out.outputPath, std::ios::binary | std::ios::trunc);
    if (!out.outputFile) out.outputMode = 1;
}

bool OpenJournal(CircuitOutput& out, Ui& ui) {
    if (out.journal.Open(ui.CurrentDirectory() + kJournalFile)) return true;
    ui.MessageBox(kJournalUnopenable, MessageButtons::Ok);
    return false;
}

void FinishCircuitOutput(CircuitOutput& out, Ui& ui) {
    out.journal.Close();
    if (out.outputFile.is_open()) out.outputFile.close();
    if (out.synthesisFailed != 0) {
        out.synthesisFailed = 0;
        return;
    }
    if (out.outputMode != 0) ui.MessageBox(kDone, MessageButtons::Ok);
}

void WriteCircuitFiles(CircuitOutput& out, CKorvelDoc& doc, CKorvelView& view, Ui& ui) {
    if (view.convertedToDigital != 0) {
        if (!Confirm(ui, kAlreadyDigital)) return;
        view.RecomputeResults(doc);
    }
    if (view.approximatedByCircuit != 0 && !Confirm(ui, kAlreadyApproximated)) return;

    const int circuit = view.selectedCircuit - kFirstCircuitCode;
    if (circuit < 0 || circuit >= static_cast<int>(kCircuitNames.size())) return;
    out.outputMode = OpenReferenceSchematic(
        out, ui, kCircuitNames[static_cast<std::size_t>(circuit)], view.resultOrder);
    if (out.outputMode == 0) return;
    if (out.outputMode == 2) ChooseSchematicFile(out, ui);
    if (!OpenJournal(out, ui)) {
        if (out.outputFile.is_open()) out.outputFile.close();
        return;
    }
    if (out.outputMode == 1 && !Confirm(ui, kJournalOnly)) {
        out.outputMode = 0;
        FinishCircuitOutput(out, ui);
        return;
    }

    const SchematicSummary summary = WriteJournalHeader(out.journal, view, out.outputPath);
    out.SetInformationTexts(summary.title, summary.specification);
    view.approximatedByCircuit = 1;
    if (out.outputMode == 2) {
        out.lines = SplitSchematicLines(out.referenceText);
        ChooseOutputOpAmp(out, ui);
        out.ClassifySchematicLines();
    }

    out.synthesisEntries[static_cast<std::size_t>(circuit)](out, doc, view, ui);

    // Written also after a synthesis failure: the values settled before it, the reference
    // values for the rest.
    const bool schematicWritten =
        out.outputMode == 2 && WriteSchematicLines(out.outputFile, out.lines);
    if (out.outputMode == 2 && !schematicWritten) {
        ui.MessageBox(Format("回路図ファイル「%s」に書き込めませんでした", out.outputPath.c_str()),
                      MessageButtons::Ok);
    }
    std::vector<std::string> written{std::filesystem::absolute(out.journal.Path()).string()};
    if (schematicWritten) written.push_back(std::filesystem::absolute(out.outputPath).string());
    FinishCircuitOutput(out, ui);
    ui.FilesWritten(written);
}

bool RunCircuitOutput(CKorvelView& view, Ui& ui, CircuitOutput& out) {
    if (!ChooseBasicCircuit(view, ui)) return false;
    const int displayMode = view.displayMode;
    view.displayMode = 0;
    if (view.eSeriesChoice != 0) out.SetSeries(view.eSeriesChoice + 10, 0);
    WriteCircuitFiles(out, view.GetDocument(), view, ui);
    view.eSeriesChoice = out.eDefault;
    view.displayMode = displayMode;
    return true;
}

}  // namespace vorna
