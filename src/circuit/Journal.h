#pragma once
// The circuit journal ("journal.txt"): the record of every circuit output run, appended in
// Shift-JIS with line-feed ends. Each line is written (and flushed) by itself at the moment
// its step is accepted or fails, so that an interrupted run still leaves what was settled.

#include <cstdio>
#include <memory>
#include <string>

namespace vorna {

class CKorvelView;
struct SchematicSummary;

class Journal {
public:
    // Opens `path` for appending (creating it when missing); false when it cannot be opened.
    bool Open(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }
    // The path it was opened with.
    const std::string& Path() const { return path_; }
    void Close() { file_.reset(); }
    // Writes one UTF-8 line ("\n" included) converted to Shift-JIS. Nothing happens while
    // the journal is not open; write errors are ignored.
    void WriteLine(const std::string& utf8);

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::string path_;
};

// Writes the header block of one run: the banner, the schematic file name with the time,
// the design summary with the reference mode, and an empty line. Returns the two
// information texts of the schematic made from the same summary.
SchematicSummary WriteJournalHeader(Journal& journal, const CKorvelView& view,
                                    const std::string& schematicPath);

}  // namespace vorna
