#pragma once
// Writing a whole file so that readers see either the old content or the new one: the bytes
// go to a temporary file beside the target, which then replaces it by a rename.

#include <optional>
#include <string>

namespace vorna {

// Writes `bytes` to `path`. Returns nullopt on success, otherwise why it failed (Japanese,
// for a message that also names the file); the old file, if any, is then untouched and no
// temporary file is left behind.
std::optional<std::string> WriteFileAtomically(const std::string& path, const std::string& bytes);

// A short Japanese reason for the system error number `error`.
std::string FileErrorReason(int error);

}  // namespace vorna
