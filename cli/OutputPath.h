#pragma once
// The output files of the verbs. Their names are checked before anything runs, so that a name
// that cannot be a file is refused with its reason instead of failing after the journal or
// a report was touched; their content replaces the file only once complete.

#include <string>

namespace vorna::cli {

// Throws CliRefusal when `path` (the value of `option`) is empty, is a folder, or lies in a
// folder that does not exist.
void RequireOutputFile(const std::string& option, const std::string& path);

// Writes a verb's output: to standard output for "-", else atomically to the file. Throws
// CliError naming the path when the file cannot be written.
void WriteOutput(const std::string& path, const std::string& bytes);

}  // namespace vorna::cli
