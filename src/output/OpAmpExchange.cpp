#include <cctype>
#include <optional>
#include <sstream>

#include "output/CircuitOutput.h"
#include "output/OpAmpNames.h"
#include "output/OpAmpReplacement.h"
#include "output/SchematicText.h"
#include "platform/FileRead.h"
#include "platform/FileWrite.h"
#include "platform/MessageText.h"
#include "platform/Ui.h"
#include "text/Texts.h"

namespace vorna {

namespace {

// "LP1_5.asc" and "ADA4807-4" give "LP1_5-ADA4807-4.asc" in the same folder.
std::string CopyPath(const std::string& schematicPath, const std::string& name) {
    std::string stem = schematicPath;
    if (stem.size() >= 4) {
        std::string extension = stem.substr(stem.size() - 4);
        for (char& c : extension)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (extension == ".asc") stem.resize(stem.size() - 4);
    }
    return stem + "-" + name + ".asc";
}

// Reads an input file of the exchange. When it cannot be read, tells the user (with
// `unopenable` when it is missing or not permitted, else why it was refused) and sets
// `outcome`.
std::optional<std::string> ReadExchangeInput(const std::string& path, std::size_t limit,
                                             TextId unopenable, Ui& ui, ExchangeOutcome& outcome) {
    FileContents file = ReadInputFile(path, limit);
    if (file) return std::move(file.bytes);
    const std::string problem = ReadProblemText(path, file.problem, limit);
    ui.MessageBox(problem.empty() ? Message(unopenable)
                                  : Message(TextId::ExchangeInputProblemNotExchanged, {problem}),
                  MessageButtons::Ok);
    outcome = problem.empty() ? ExchangeOutcome::Failed : ExchangeOutcome::Refused;
    return std::nullopt;
}

// Reads the list and refuses it when a name is unusable; nullopt after the refusal message.
std::optional<ExchangeList> ReadUsableExchangeList(const std::string& bytes, Ui& ui) {
    std::istringstream in{std::string(WithoutByteOrderMark(bytes))};
    ExchangeList list = ReadExchangeList(in);
    if (list.truncated) ui.MessageBox(TextId::ExchangeListTruncated, MessageButtons::Ok);
    std::vector<std::string> names{list.from};
    names.insert(names.end(), list.to.begin(), list.to.end());
    for (const auto& name : names) {
        if (!IsUsableOpAmpName(name)) {
            ui.MessageBox(
                UnusableOpAmpNameMessage(kOpAmpExchangeFile, name, TextId::OpAmpsNotExchanged),
                MessageButtons::Ok);
            return std::nullopt;
        }
    }
    return list;
}

}  // namespace

ExchangeOutcome ExchangeOpAmps(CircuitOutput& output, Ui& ui) {
    FileDialogRequest request;
    request.defaultExtension = "asc";
    request.filters = {{"Schematic (*.asc)", "*.asc"}};
    const auto schematicPath = ui.OpenFileName(request);
    if (!schematicPath) return ExchangeOutcome::Cancelled;
    ExchangeOutcome outcome = ExchangeOutcome::Done;
    if (!ReadExchangeInput(*schematicPath, kMaxInputFileSize, TextId::ExchangeSchematicUnreadable,
                           ui, outcome))
        return outcome;

    const auto listBytes =
        ReadExchangeInput(ui.CurrentDirectory() + kOpAmpExchangeFile, kMaxNameFileSize,
                          TextId::ExchangeListUnreadable, ui, outcome);
    if (!listBytes) return outcome;
    const auto list = ReadUsableExchangeList(*listBytes, ui);
    if (!list) return ExchangeOutcome::Refused;

    const Message question{TextId::AskExchangeOpAmps,
                           {list->from, std::to_string(static_cast<int>(list->to.size()))}};
    if (ui.MessageBox(question, MessageButtons::YesNo) != IDYES || list->to.empty()) {
        ui.MessageBox(TextId::OpAmpsNotExchanged, MessageButtons::Ok);
        return ExchangeOutcome::Cancelled;
    }

    const std::string searchPrefix = SchematicKeywords::opAmpSymbol + WidenToUtf16(list->from);
    for (const auto& name : list->to) {
        // Read afresh for every name, as the schematic may have changed meanwhile.
        const auto schematic = ReadExchangeInput(*schematicPath, kMaxInputFileSize,
                                                 TextId::ExchangeSchematicUnreadable, ui, outcome);
        if (!schematic) return outcome;
        output.lines = SplitSchematicLines(*schematic);
        output.SetReplacementName(name);
        int rewritten = 0;
        for (auto& line : output.lines) {
            if (line.text.size() > searchPrefix.size() + 2 &&
                ReplaceOpAmpSymbol(line, searchPrefix, output.replacementName)) {
                ++rewritten;
            }
        }
        if (rewritten == 0) {
            ui.MessageBox({TextId::ExchangedOpAmpUnused, {list->from}}, MessageButtons::Ok);
            return ExchangeOutcome::Failed;
        }
        const std::string copyPath = CopyPath(*schematicPath, name);
        if (WriteFileAtomically(copyPath, JoinedSchematicLines(output.lines))) {
            ui.MessageBox({TextId::ExchangedSchematicUnwritable,
                           {EchoedText(copyPath), Text(TextId::OpAmpsNotExchanged)}},
                          MessageButtons::Ok);
            return ExchangeOutcome::Failed;
        }
    }
    ui.MessageBox({TextId::OpAmpsExchanged, {list->from, list->to.back()}}, MessageButtons::Ok);
    return ExchangeOutcome::Done;
}

}  // namespace vorna
