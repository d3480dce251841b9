#pragma once
// Design files and the windows that show them: a window's settings, a window made to show
// given settings (its design computed again as its parameter dialog computes it), and
// opening and saving a window's design file.

#include <optional>
#include <string>

#include "document/DesignSettings.h"
#include "text/Message.h"

namespace vorna {

class DesignView;

DesignSettings CaptureSettings(const DesignView& view);

// Stores `settings` in the view and its document and computes the design with the entries
// as the parameter dialog holds them (confirmed unchanged), then the digital conversion
// when the settings ask for it. Returns the reason (Japanese) when the design procedures or
// the conversion refuse the entries; the window is then half changed, so a window that
// must stay intact is checked with a scratch window first (OpenDesignFile does).
std::optional<std::string> ApplySettings(const DesignSettings& settings, DesignView& view);

// The window's design file text, its current results included.
std::string DesignFileTextOf(const DesignView& view);

// Makes `view` show the design of the file at `path`. On any problem the window is left as
// it was and the message (naming the file) is returned.
std::optional<Message> OpenDesignFile(const std::string& path, DesignView& view);

// Writes the window's design file atomically; the message naming the file on failure.
std::optional<Message> SaveDesignFile(const std::string& path, const DesignView& view);

}  // namespace vorna
