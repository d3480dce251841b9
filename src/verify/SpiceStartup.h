#pragma once
// ngspice runs start-up files when it starts: "spinit" of its installation (or of the
// folder in SPICE_SCRIPTS) and ".spiceinit" of the current folder, else of the home folder
// (newer versions: of SPICE_USERINIT_DIR). Their commands can do anything, a shell command
// among them, so a folder the user merely works in, such as a downloaded design's, could
// run code in the program. The engine is therefore started where it finds none of them but
// a ".spiceinit" of its own that holds no command.

#include <functional>
#include <string>

namespace vorna::verify {

// Calls `start` (which starts ngspice) in a private folder that holds only a ".spiceinit"
// without commands, with SPICE_SCRIPTS empty (no spinit) and SPICE_USERINIT_DIR naming that
// folder; afterwards the current folder and the environment are as before and the folder
// is gone. Returns empty on success; otherwise why ngspice could not be started safely,
// and `start` was not called.
std::string StartWithoutStartupFiles(const std::function<void()>& start);

}  // namespace vorna::verify
