#include "circuit/Journal.h"

#include <ctime>

#include "platform/FileTextEncoding.h"
#include "text/Texts.h"

namespace vorna {

bool Journal::Open(const std::string& path) {
    path_ = path;
    record_.clear();
    schematicNameAt_ = std::string::npos;
    return file_.Open(path);
}

bool Journal::Close() {
    if (!file_.IsOpen()) return true;
    const bool written = record_.empty() || file_.Append(record_);
    record_.clear();
    schematicNameAt_ = std::string::npos;
    return file_.Close() && written;
}

void Journal::WriteLine(const std::string& utf8) {
    if (file_.IsOpen()) record_ += EncodedFileText(utf8);
}

void Journal::WriteSchematicName(const std::string& utf8) {
    if (!file_.IsOpen()) return;
    schematicNameAt_ = record_.size();
    record_ += EncodedFileText(utf8);
    schematicNameLength_ = record_.size() - schematicNameAt_;
}

void Journal::NameSchematic(const std::string& utf8) {
    if (schematicNameAt_ == std::string::npos) return;
    const std::string name = EncodedFileText(utf8);
    record_.replace(schematicNameAt_, schematicNameLength_, name);
    schematicNameLength_ = name.size();
}

void WriteJournalHeader(Journal& journal, const std::string& summary,
                        const std::string& schematicPath) {
    const std::time_t now = std::time(nullptr);
    char timeText[64] = "";
    ctime_r(&now, timeText);  // "Wed Jun 30 21:49:08 1993\n", always in this form
    journal.WriteLine(Text(TextId::JournalTitle));
    journal.WriteLine(Text(TextId::JournalSchematicName));
    journal.WriteSchematicName(schematicPath);
    journal.WriteLine(std::string(Text(TextId::JournalCreatedAt)) + timeText);
    journal.WriteLine(summary);
    journal.WriteLine("\n");
}

}  // namespace vorna
