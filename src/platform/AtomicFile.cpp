#include "platform/AtomicFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/CLocale.h"

namespace vorna {

namespace {

// Closes the descriptor and removes the temporary file unless the rename took it over.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string pattern) : path_(pattern.begin(), pattern.end()) {
        path_.push_back('\0');
        descriptor_ = mkstemp(path_.data());
    }
    ~TemporaryFile() {
        Close();
        if (descriptor_ >= 0 && !kept_) unlink(path_.data());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool IsOpen() const { return descriptor_ >= 0; }
    const char* Path() const { return path_.data(); }

    // mkstemp creates the file for its owner only; the new file is as readable as any other.
    void AllowUsualAccess() {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(descriptor_, 0666 & ~mask);
    }
    bool Write(const std::string& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t written = write(descriptor_, bytes.data() + done, bytes.size() - done);
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) return false;
            done += static_cast<std::size_t>(written);
        }
        return fsync(descriptor_) == 0;
    }
    bool Close() {
        if (closed_ || descriptor_ < 0) return true;
        closed_ = true;
        return close(descriptor_) == 0;
    }
    void Keep() { kept_ = true; }

private:
    std::vector<char> path_;
    int descriptor_ = -1;
    bool closed_ = false;
    bool kept_ = false;
};

}  // namespace

std::string FileErrorReason(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "書き込む権限がありません。";
        case ENOENT:
        case ENOTDIR:
            return "保存先のフォルダがありません。";
        case ENOSPC:
        case EDQUOT:
            return "ディスクの空きが足りません。";
        case EROFS:
            return "読み出し専用の場所です。";
        case EISDIR:
            return "同じ名前のフォルダがあります。";
        case ENAMETOOLONG:
            return "ファイル名が長すぎます。";
        default:
            return Format("書き込めませんでした（エラー番号 %d）。", error);
    }
}

std::optional<std::string> WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::filesystem::path target(path);
    std::error_code ignored;
    if (std::filesystem::is_directory(target, ignored)) return FileErrorReason(EISDIR);
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    TemporaryFile temporary((folder / ("." + target.filename().string() + ".XXXXXX")).string());
    if (!temporary.IsOpen()) return FileErrorReason(errno);
    temporary.AllowUsualAccess();
    if (!temporary.Write(bytes) || !temporary.Close()) return FileErrorReason(errno);
    if (std::rename(temporary.Path(), path.c_str()) != 0) return FileErrorReason(errno);
    temporary.Keep();
    return std::nullopt;
}

}  // namespace vorna
