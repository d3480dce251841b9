#include <cctype>
#include <fstream>
#include <optional>

#include "output/CircuitOutput.h"
#include "output/OpAmpNames.h"
#include "output/OpAmpReplacement.h"
#include "output/SchematicText.h"
#include "platform/CLocale.h"
#include "platform/Ui.h"

namespace vorna {

namespace {

constexpr const char* kSchematicUnreadable =
    "回路図がオープン出来ないのでオペアンプを交換せずに終了します";
constexpr const char* kNotExchanged = "オペアンプを交換せずに終了します";

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

// Reads the list and refuses it when a name is unusable; nullopt after the refusal message.
std::optional<ExchangeList> ReadUsableExchangeList(std::istream& in, Ui& ui) {
    ExchangeList list = ReadExchangeList(in);
    if (list.truncated) ui.MessageBox("一度に交換できるのは 20個 までです", MessageButtons::Ok);
    std::vector<std::string> names{list.from};
    names.insert(names.end(), list.to.begin(), list.to.end());
    for (const auto& name : names) {
        if (!IsUsableOpAmpName(name)) {
            ui.MessageBox(UnusableOpAmpNameMessage(kOpAmpExchangeFile, name, kNotExchanged),
                          MessageButtons::Ok);
            return std::nullopt;
        }
    }
    return list;
}

}  // namespace

void ExchangeOpAmps(CircuitOutput& output, Ui& ui) {
    FileDialogRequest request;
    request.defaultExtension = "asc";
    request.filters = {{"Schematic (*.asc)", "*.asc"}};
    const auto schematicPath = ui.OpenFileName(request);
    if (!schematicPath) return;
    if (!std::ifstream(*schematicPath, std::ios::binary)) {
        ui.MessageBox(kSchematicUnreadable, MessageButtons::Ok);
        return;
    }

    std::ifstream listFile(ui.CurrentDirectory() + kOpAmpExchangeFile, std::ios::binary);
    if (!listFile) {
        ui.MessageBox("「OPExchange.txt」がオープン出来ないのでオペアンプを交換せずに終了します",
                      MessageButtons::Ok);
        return;
    }
    const auto list = ReadUsableExchangeList(listFile, ui);
    listFile.close();
    if (!list) return;

    const std::string question =
        Format("オペアンプ「%s」から交換するオペアンプは %d 種類です。\n\n交換するなら「YES」",
               list->from.c_str(), static_cast<int>(list->to.size()));
    if (ui.MessageBox(question, MessageButtons::YesNo) != IDYES || list->to.empty()) {
        ui.MessageBox(kNotExchanged, MessageButtons::Ok);
        return;
    }

    const std::string searchPrefix = SchematicKeywords::opAmpSymbol + WidenToUtf16(list->from);
    for (const auto& name : list->to) {
        std::ifstream schematic(*schematicPath, std::ios::binary);
        if (!schematic) {
            ui.MessageBox(kSchematicUnreadable, MessageButtons::Ok);
            return;
        }
        output.lines = ReadSchematicLines(schematic);
        schematic.close();
        output.SetReplacementName(name);
        int rewritten = 0;
        for (auto& line : output.lines) {
            if (line.text.size() > searchPrefix.size() + 2 &&
                ReplaceOpAmpSymbol(line, searchPrefix, output.replacementName)) {
                ++rewritten;
            }
        }
        if (rewritten == 0) {
            ui.MessageBox(Format("オペアンプ「%s」が使用されていません\n\n交換せずに終了します",
                                 list->from.c_str()),
                          MessageButtons::Ok);
            return;
        }
        std::ofstream copy(CopyPath(*schematicPath, name), std::ios::binary | std::ios::trunc);
        if (!copy || !WriteSchematicLines(copy, output.lines)) return;
    }
    ui.MessageBox(
        Format("オペアンプ「%s」を「%s」（など）に交換して、\n\n新しい回路図ファイルを作成しました",
               list->from.c_str(), list->to.back().c_str()),
        MessageButtons::Ok);
}

}  // namespace vorna
