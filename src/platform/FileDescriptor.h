#pragma once
// An open POSIX file descriptor, closed when the object ends.

#include <unistd.h>

#include <utility>

namespace vorna {

class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            Close();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Closes the descriptor; false when closing reported an error (data not written).
    bool Close() {
        if (fd_ < 0) return true;
        return close(std::exchange(fd_, -1)) == 0;
    }

private:
    int fd_ = -1;
};

// Writes all of `size` bytes, retrying short writes; false on an error.
bool WriteAll(int fd, const char* data, std::size_t size);

}  // namespace vorna
