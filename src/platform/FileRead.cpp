#include "platform/FileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/FileDescriptor.h"
#include "platform/MessageText.h"

namespace vorna {

namespace {

ReadProblem OpenProblem(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return ReadProblem::NotFound;
        case EACCES:
        case EPERM:
            return ReadProblem::NotPermitted;
        case ELOOP:
            return ReadProblem::LinkLoop;
        case ENAMETOOLONG:
            return ReadProblem::NameTooLong;
        default:
            return ReadProblem::CannotOpen;
    }
}

}  // namespace

FileContents ReadInputFile(const std::string& path, std::size_t limit) {
    // O_NONBLOCK: opening a pipe must not wait for a writer.
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0) return {{}, OpenProblem(errno)};
    struct stat status {};
    if (fstat(file.Get(), &status) != 0) return {{}, ReadProblem::CannotOpen};
    if (!S_ISREG(status.st_mode)) return {{}, ReadProblem::NotAFile};
    if (static_cast<unsigned long long>(status.st_size) > limit) return {{}, ReadProblem::TooLarge};
    // Room for one byte more than the file holds tells a file that grew while it was read;
    // it may grow up to one byte beyond the limit, which makes it too large.
    std::string bytes(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::size_t filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            if (bytes.size() > limit) break;
            bytes.resize(std::min(bytes.size() * 2, limit + 1));
        }
        const ssize_t got = read(file.Get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0) return {{}, ReadProblem::CannotOpen};
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled > limit) return {{}, ReadProblem::TooLarge};
    bytes.resize(filled);
    return {std::move(bytes), ReadProblem::None};
}

std::optional<Message> ReadProblemMessage(const std::string& path, ReadProblem problem,
                                          std::size_t limit) {
    const std::string name = EchoedText(path);
    switch (problem) {
        case ReadProblem::NotAFile:
            return Message{TextId::ReadNotAFile, {name}};
        case ReadProblem::TooLarge:
            return Message{TextId::ReadTooLarge, {name, std::to_string(limit)}};
        case ReadProblem::LinkLoop:
            return Message{TextId::ReadLinkLoop, {name}};
        case ReadProblem::NameTooLong:
            return Message{TextId::ReadPathTooLong, {name}};
        default:
            return std::nullopt;
    }
}

std::string ReadProblemText(const std::string& path, ReadProblem problem, std::size_t limit) {
    const auto message = ReadProblemMessage(path, problem, limit);
    return message ? MessageText(*message) : std::string();
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return text;
}

}  // namespace vorna
