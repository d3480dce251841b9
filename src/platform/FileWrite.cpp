#include "platform/FileWrite.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace vorna {

namespace {

// The file a path names, symbolic links followed, so that a link is written through rather
// than replaced; the path itself when it does not exist yet.
std::string ResolvedTarget(const std::string& path) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) != nullptr) return resolved;
    return path;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file with a name of its own in `folder`.
FileDescriptor CreateTemporary(const std::string& folder, std::string& name) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.vorna-" + std::to_string(getpid()) + "-" + std::to_string(++counter) +
               ".tmp";
        FileDescriptor file(open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (file.IsOpen() || errno != EEXIST) return file;
    }
    return FileDescriptor();
}

}  // namespace

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReplacementFile::Create(const std::string& target) {
    Abandon();
    if (target.empty()) return false;
    target_ = ResolvedTarget(target);
    struct stat status {};
    if (stat(target_.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode) || access(target_.c_str(), W_OK) != 0) return false;
        if (!S_ISREG(status.st_mode)) {
            file_ = FileDescriptor(open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
            return file_.IsOpen();
        }
        mode_ = status.st_mode & 07777;
    }
    file_ = CreateTemporary(FolderOf(target_), temporary_);
    if (!file_.IsOpen()) temporary_.clear();
    return file_.IsOpen();
}

bool ReplacementFile::Commit() {
    if (!file_.IsOpen()) return false;
    bool written = WriteAll(file_.Get(), content_.data(), content_.size());
    if (!temporary_.empty()) {
        if (mode_ != 0) written = written && fchmod(file_.Get(), mode_) == 0;
        written = written && fsync(file_.Get()) == 0;
    }
    written = file_.Close() && written;
    if (written && !temporary_.empty()) {
        written = rename(temporary_.c_str(), target_.c_str()) == 0;
        if (written) temporary_.clear();
    }
    Abandon();
    return written;
}

void ReplacementFile::Abandon() {
    file_.Close();
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
    content_.clear();
    mode_ = 0;
}

bool ReplaceFile(const std::string& target, std::string_view bytes) {
    ReplacementFile file;
    if (!file.Create(target)) return false;
    file.Write(bytes);
    return file.Commit();
}

bool AppendingFile::Open(const std::string& path) {
    file_ = FileDescriptor(
        open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666));
    return file_.IsOpen();
}

bool AppendingFile::Append(std::string_view bytes) {
    if (!file_.IsOpen()) return false;
    flock(file_.Get(), LOCK_EX);
    struct stat status {};
    const bool regular = fstat(file_.Get(), &status) == 0 && S_ISREG(status.st_mode);
    const bool written = WriteAll(file_.Get(), bytes.data(), bytes.size());
    // A block written part way (a full disk) is taken back, so the file ends with whole ones.
    if (!written && regular) static_cast<void>(ftruncate(file_.Get(), status.st_size) == 0);
    flock(file_.Get(), LOCK_UN);
    return written;
}

}  // namespace vorna
