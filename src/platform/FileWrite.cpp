#include "platform/FileWrite.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/CLocale.h"
#include "text/Texts.h"

namespace vorna {

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Symbolic links followed from one path before it counts as a loop, as the system counts.
constexpr int kMaxLinksFollowed = 40;

// A new file with a name of its own in `folder`.
FileDescriptor CreateTemporary(const std::string& folder, std::string& name) {
    static std::atomic<unsigned> counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.vorna-" + std::to_string(getpid()) + "-" + std::to_string(++counter) +
               ".tmp";
        FileDescriptor file(open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (file.IsOpen() || errno != EEXIST) return file;
    }
    return FileDescriptor();
}

}  // namespace

std::string WriteTarget(const std::string& path, int& error) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) != nullptr) return resolved;
    std::string target = path;
    for (int followed = 0; followed < kMaxLinksFollowed; ++followed) {
        char link[PATH_MAX];
        const ssize_t length = readlink(target.c_str(), link, sizeof link);
        if (length <= 0 || static_cast<std::size_t>(length) == sizeof link) return target;
        const std::string next(link, static_cast<std::size_t>(length));
        target = next.front() == '/' ? next : FolderOf(target) + "/" + next;
    }
    error = ELOOP;
    return {};
}

std::string FileErrorReason(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return Text(TextId::WriteNoPermission);
        case ENOENT:
        case ENOTDIR:
            return Text(TextId::WriteNoFolder);
        case ENOSPC:
        case EDQUOT:
            return Text(TextId::WriteDiskFull);
        case EROFS:
            return Text(TextId::WriteReadOnly);
        case EISDIR:
            return Text(TextId::WriteFolderOfSameName);
        case ENAMETOOLONG:
            return Text(TextId::WriteNameTooLong);
        case ELOOP:
            return Text(TextId::WriteLinkLoop);
        case ENXIO:
            return Text(TextId::WriteNoReader);
        default:
            return Format(Text(TextId::WriteFailedWithErrorNumber), error);
    }
}

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
    error_ = 0;
    if (target.empty()) {
        error_ = ENOENT;
        return false;
    }
    target_ = WriteTarget(target, error_);
    if (error_ != 0) return false;
    struct stat status {};
    if (stat(target_.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            error_ = EISDIR;
            return false;
        }
        if (access(target_.c_str(), W_OK) != 0) {
            error_ = errno;
            return false;
        }
        if (!S_ISREG(status.st_mode)) {
            file_ = FileDescriptor(open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
            if (!file_.IsOpen()) error_ = errno;
            return file_.IsOpen();
        }
        mode_ = status.st_mode & 07777;
    }
    file_ = CreateTemporary(FolderOf(target_), temporary_);
    if (!file_.IsOpen()) {
        error_ = errno;
        temporary_.clear();
    }
    return file_.IsOpen();
}

bool ReplacementFile::Stage() {
    if (staged_) return true;
    if (!file_.IsOpen()) {
        if (error_ == 0) error_ = EBADF;
        return false;
    }
    const bool inPlace = temporary_.empty();
    bool written =
        WriteAll(file_.Get(), content_.data(), content_.size()) &&
        (inPlace || ((mode_ == 0 || fchmod(file_.Get(), mode_) == 0) && fsync(file_.Get()) == 0));
    if (!written) error_ = errno;
    if (!file_.Close() && written) {
        error_ = errno;
        written = false;
    }
    if (!written) Abandon();
    staged_ = written;
    return written;
}

bool ReplacementFile::Commit() {
    bool written = Stage();
    if (written && !temporary_.empty()) {
        written = rename(temporary_.c_str(), target_.c_str()) == 0;
        if (written) {
            temporary_.clear();
        } else {
            error_ = errno;
        }
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
    staged_ = false;
}

std::optional<std::string> WriteFileAtomically(const std::string& target, std::string_view bytes) {
    ReplacementFile file;
    if (file.Create(target)) {
        file.Write(bytes);
        if (file.Commit()) return std::nullopt;
    }
    return file.FailureReason();
}

bool AppendingFile::Open(const std::string& path) {
    file_ = FileDescriptor(
        open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666));
    error_ = file_.IsOpen() ? 0 : errno;
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
