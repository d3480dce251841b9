#pragma once
// The output file options of the verbs are checked before anything runs, so that a name
// that cannot be a file is refused with its reason instead of failing after the journal or
// a report was touched.

#include <string>

namespace vorna::cli {

// Throws CliRefusal when `path` (the value of `option`) is empty, is a folder, or lies in a
// folder that does not exist.
void RequireOutputFile(const std::string& option, const std::string& path);

}  // namespace vorna::cli
