#pragma once
// Writing a verb's output: to standard output for "-", else atomically to a file (a
// temporary file beside it, renamed over it once complete), so that a failed run never
// leaves a partial file behind.

#include <string>

namespace vorna::cli {

// Throws CliError naming the path when the file cannot be written.
void WriteOutput(const std::string& path, const std::string& bytes);

}  // namespace vorna::cli
