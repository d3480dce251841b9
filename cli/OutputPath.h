#pragma once
// The output files of the verbs. Their names are checked before anything runs, so that a name
// that cannot be a file is refused with its reason instead of failing after the journal or
// a report was touched; their content replaces the file only once complete.

#include <string>

namespace vorna::cli {

// Throws CliRefusal when `path` (the value of `option`) is empty, is a folder, lies in a
// folder that does not exist, is too long, or leads round a circle of symbolic links.
void RequireOutputFile(const std::string& option, const std::string& path);

// The -o of a verb that writes its output with WriteOutput: "-" (standard output) or a file
// that RequireOutputFile accepts.
void RequireOutput(const std::string& path);

// Writes a verb's output: to standard output for "-", else atomically to the file. Throws
// CliError naming the path and the reason when the file cannot be written.
void WriteOutput(const std::string& path, const std::string& bytes);

// Writes atomically to the file `path`, whatever its name ("-" included), throwing as
// WriteOutput does.
void WriteOutputFile(const std::string& path, const std::string& bytes);

}  // namespace vorna::cli
