#pragma once
// The circuit journal ("journal.txt"): the record of every circuit output run, appended in
// the file text encoding (Shift-JIS unless UTF-8 is chosen) with line-feed ends. The lines of one
// run are collected and appended as one block when the run closes the journal, so that runs in
// parallel never mix their records and a write that fails part way leaves no half record behind.

#include <string>

#include "platform/FileWrite.h"

namespace vorna {

class Journal {
public:
    Journal() = default;
    ~Journal() { Close(); }
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Opens `path` for appending (creating it when missing); false when it cannot be opened.
    bool Open(const std::string& path);
    bool IsOpen() const { return file_.IsOpen(); }
    // The path it was opened with.
    const std::string& Path() const { return path_; }
    // Appends the run's record and closes; false when the record could not be written.
    bool Close();
    // Adds one UTF-8 line ("\n" included), in the file text encoding, to the run's record.
    // Nothing happens while the journal is not open.
    void WriteLine(const std::string& utf8);
    // Adds the schematic file's name to the record as WriteLine adds text; NameSchematic
    // puts another name in its place until the record is appended, for a run whose
    // schematic is not written after all.
    void WriteSchematicName(const std::string& utf8);
    void NameSchematic(const std::string& utf8);

private:
    AppendingFile file_;
    std::string record_;
    std::string path_;
    std::size_t schematicNameAt_ = std::string::npos;  // where in the record, when written
    std::size_t schematicNameLength_ = 0;
};

// Writes the header block of one run: the banner, the schematic file name with the time,
// the design summary (its lines, each with its line feed) and an empty line.
void WriteJournalHeader(Journal& journal, const std::string& summary,
                        const std::string& schematicPath);

}  // namespace vorna
