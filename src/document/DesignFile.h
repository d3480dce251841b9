#pragma once
// The design file (.vorna): a versioned JSON document of a window's DesignSettings, with the
// computed results beside them for other programs (reading ignores them; the window
// recomputes its results). Reading refuses, with a Japanese explanation, anything that is
// not a design file of this or an older version, or that holds a value the dialogs would
// refuse. The layout is described in docs/design-file-format.md.

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>

#include "document/DesignSettings.h"
#include "text/Message.h"

namespace vorna {

inline constexpr const char* kDesignFileFormat = "vorna-design";
inline constexpr int kDesignFileVersion = 1;
inline constexpr std::uintmax_t kMaxDesignFileBytes = 1024 * 1024;
inline constexpr const char* kDesignFileExtension = "vorna";

// The settings, or why there are none (one Japanese sentence, without the file name).
struct DesignFileContent {
    std::optional<DesignSettings> settings;
    std::string problem;
};

// The file's text: `results` (null to leave them out) is stored as the "results" member.
std::string DesignFileText(const DesignSettings& settings, const nlohmann::json& results);

// The settings in a file's text.
DesignFileContent ParseDesignFile(const std::string& text);

// Reads and parses the file at `path`; a missing, unreadable or too large file, or a
// folder, is a problem like a bad text.
DesignFileContent ReadDesignFile(const std::string& path);

// The messages that name the file: a file that cannot be opened, and one that cannot be
// saved.
Message OpenProblemMessage(const std::string& path, const std::string& problem);
Message SaveProblemMessage(const std::string& path, const std::string& problem);

// Writes the file atomically; nullopt on success, else SaveProblemMessage.
std::optional<Message> WriteDesignFile(const std::string& path, const std::string& text);

}  // namespace vorna
