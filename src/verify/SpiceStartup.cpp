#include "verify/SpiceStartup.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/FileDescriptor.h"

namespace vorna::verify {
namespace {

std::string Reason(const std::string& what) {
    return what + " (" + std::strerror(errno) + ")";
}

// An environment variable set for as long as the object lives.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~EnvironmentOverride() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// What the engine's own start-up file holds: a comment (an empty file makes the engine
// lose a little memory).
constexpr std::string_view kStartupText = "* nothing to run\n";

// A new folder of the process's own holding a ".spiceinit" without commands; removed with
// the object.
class PrivateFolder {
public:
    std::string Make() {
        std::error_code ignored;
        std::string pattern = std::filesystem::temp_directory_path(ignored).string();
        if (pattern.empty()) pattern = "/tmp";
        pattern += "/vorna-spice-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) return Reason("cannot make the folder " + pattern);
        path_ = pattern;
        const FileDescriptor file(
            open(InitFile().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (!file.IsOpen() || write(file.Get(), kStartupText.data(), kStartupText.size()) !=
                                  static_cast<ssize_t>(kStartupText.size()))
            return Reason("cannot make " + InitFile());
        return {};
    }
    ~PrivateFolder() {
        if (path_.empty()) return;
        unlink(InitFile().c_str());
        rmdir(path_.c_str());
    }
    const std::string& Path() const { return path_; }

private:
    std::string InitFile() const { return path_ + "/.spiceinit"; }
    std::string path_;
};

}  // namespace

std::string StartWithoutStartupFiles(const std::function<void()>& start) {
    PrivateFolder folder;
    if (std::string problem = folder.Make(); !problem.empty()) return problem;
    // O_PATH: the way back needs no permission to read the current folder.
    const FileDescriptor here(open(".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!here.IsOpen()) return Reason("cannot hold on to the current folder");
    const EnvironmentOverride noSpinit("SPICE_SCRIPTS", "");
    const EnvironmentOverride ownInit("SPICE_USERINIT_DIR", folder.Path());
    if (chdir(folder.Path().c_str()) != 0) return Reason("cannot enter " + folder.Path());
    start();
    if (fchdir(here.Get()) != 0) return Reason("cannot return to the current folder");
    return {};
}

}  // namespace vorna::verify
