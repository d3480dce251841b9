#pragma once
// Writing files so that a failure never costs the user data: a file that is replaced is
// written beside its target, flushed to the disk and renamed over it only when complete, and a
// file that is appended to gets each block whole or not at all. A failure says why, for a
// message that also names the file.

#include <optional>
#include <string>
#include <string_view>

#include "platform/FileDescriptor.h"

namespace vorna {

// A short Japanese reason for the system error number `error`.
std::string FileErrorReason(int error);

// The file that writing `path` replaces or creates: symbolic links followed, so that a link
// is written through rather than replaced, up to the file a link names when that is missing;
// `path` itself when it does not exist. Empty with `error` set to ELOOP when the links lead
// round in a circle.
std::string WriteTarget(const std::string& path, int& error);

// A file that takes the place of `target` on Commit. Its bytes go to a temporary file in the
// target's folder, which Commit renames over the target, so that readers and parallel
// writers see either the old or the new file, never a mixture. The new file keeps the
// permissions of the one it replaces; a symbolic link is written through, creating the file
// it names when that is missing. A target that
// exists and is no regular file (a device such as /dev/null) is written in place. Without
// Commit, or when Commit fails, the temporary file is removed and the target stays as it was.
class ReplacementFile {
public:
    ReplacementFile() = default;
    ~ReplacementFile() { Abandon(); }
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the temporary file for `target`; false when the target cannot be written (a
    // folder, a missing folder, an empty name, no permission).
    bool Create(const std::string& target);
    bool IsOpen() const { return file_.IsOpen(); }
    // Adds bytes to the new content.
    void Write(std::string_view bytes) { content_.append(bytes); }
    // Writes the content to the disk without putting it in place yet (a device target takes
    // it now), so that Commit can hardly fail any more; false when anything failed, and the
    // new content is then dropped.
    bool Stage();
    // Stages the content if that is not done and puts it in place of the target; false when
    // anything failed.
    bool Commit();
    // Drops the new content; the target is left alone.
    void Abandon();
    // Why the last Create or Commit failed.
    std::string FailureReason() const { return FileErrorReason(error_); }

private:
    std::string target_;
    std::string temporary_;  // empty when the target is written in place
    std::string content_;
    FileDescriptor file_;
    unsigned mode_ = 0;    // the replaced file's permissions, or 0 for the default
    int error_ = 0;        // the system error of the last failure
    bool staged_ = false;  // the content is on the disk, waiting to be put in place
};

// Puts `bytes` in place of the file `target` as a ReplacementFile does. Returns nullopt on
// success, otherwise why it failed; the target is then untouched and no temporary file is left.
std::optional<std::string> WriteFileAtomically(const std::string& target, std::string_view bytes);

// A file appended to in whole blocks, as a journal or a report is: each Append writes its
// block at the end under an exclusive lock, so that blocks of parallel runs never
// interleave, and removes what it wrote if the write fails part way.
class AppendingFile {
public:
    // Opens `path` for appending, creating it when missing; false when it cannot be.
    bool Open(const std::string& path);
    bool IsOpen() const { return file_.IsOpen(); }
    // False when the block could not be written whole (nothing of it then stays).
    bool Append(std::string_view bytes);
    // False when closing reported an error.
    bool Close() { return file_.Close(); }
    // Why the last Open failed.
    std::string FailureReason() const { return FileErrorReason(error_); }

private:
    FileDescriptor file_;
    int error_ = 0;  // the system error of the last failed Open
};

}  // namespace vorna
