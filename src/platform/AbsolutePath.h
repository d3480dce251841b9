#pragma once
// The absolute form of a path, for naming a file to the user.

#include <string>

namespace vorna {

// `path` made absolute against the current folder; `path` as given when it cannot be (the
// current folder was deleted). Never throws.
std::string AbsolutePath(const std::string& path);

}  // namespace vorna
