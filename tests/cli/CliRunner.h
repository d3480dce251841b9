#pragma once
// Runs vorna-cli as a separate program in a directory of its own, as a user would from a
// shell: the program finds its installation data (sys/) beside itself and writes
// journal.txt and the name files' copies into the current directory.

#include <string>

namespace vorna::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs "vorna-cli <arguments>" with `directory` (a TempFolder's path) as the current
// directory, after the shell commands `before` (run there too, when given).
CliRun RunCliIn(const std::string& directory, const std::string& arguments,
                const std::string& before = "");

// True when `text` is ASCII but for the symbols English texts use (√ − π ω σ) and the "…" that
// ends a cut echo: it holds no Japanese character.
bool HoldsNoJapanese(const std::string& text);

// How often `part` occurs in `text` (overlapping occurrences counted).
std::size_t Count(const std::string& text, const std::string& part);

// UTF-16LE bytes (after an optional byte order mark) as UTF-8; characters outside the
// Basic Multilingual Plane do not occur in schematics.
std::string Utf16LeToUtf8(const std::string& bytes);

}  // namespace vorna::testing
