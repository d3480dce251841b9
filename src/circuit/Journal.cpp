#include "circuit/Journal.h"

#include <ctime>

#include "platform/ShiftJisText.h"
#include "view/SummaryLines.h"

namespace vorna {

bool Journal::Open(const std::string& path) {
    path_ = path;
    record_.clear();
    return file_.Open(path);
}

bool Journal::Close() {
    if (!file_.IsOpen()) return true;
    const bool written = record_.empty() || file_.Append(record_);
    record_.clear();
    return file_.Close() && written;
}

void Journal::WriteLine(const std::string& utf8) {
    if (file_.IsOpen()) record_ += Utf8ToShiftJis(utf8);
}

SchematicSummary WriteJournalHeader(Journal& journal, const CKorvelView& view,
                                    const std::string& schematicPath) {
    const std::time_t now = std::time(nullptr);
    char timeText[64] = "";
    ctime_r(&now, timeText);  // "Wed Jun 30 21:49:08 1993\n", always in this form
    journal.WriteLine(
        "*******************  回路の構成と素子値  **************************************\n");
    journal.WriteLine("回路図ファイル名 " + schematicPath + "  作成日時 " + timeText);
    SchematicSummary summary = WriteSummaryLines(
        [&journal](const std::string& line) { journal.WriteLine(line); }, view, true);
    journal.WriteLine("\n");
    return summary;
}

}  // namespace vorna
