#pragma once
// Reading the program's input files whole, with a size limit: schematics, op-amp lists and
// the like are small, and a folder, a device such as /dev/zero or a runaway file must end in
// a message, not in an endless read or an exception.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/Message.h"

namespace vorna {

enum class ReadProblem {
    None,
    NotFound,      // no such file, or a folder on its path is missing
    NotPermitted,  // no permission to read it
    CannotOpen,    // any other error of opening or reading
    NotAFile,      // a folder, a device, a pipe
    TooLarge,      // more than the limit
    LinkLoop,      // its symbolic links lead round in a circle
    NameTooLong,   // the path or one of its names is longer than the system allows
};

struct FileContents {
    std::string bytes;
    ReadProblem problem = ReadProblem::None;
    explicit operator bool() const { return problem == ReadProblem::None; }
};

// Largest input file read by the program (a schematic of thousands of lines is far smaller).
inline constexpr std::size_t kMaxInputFileSize = 16u << 20;

// The bytes of the regular file at `path` if it holds at most `limit` bytes. Never blocks on
// a pipe and never throws.
FileContents ReadInputFile(const std::string& path, std::size_t limit = kMaxInputFileSize);

// Why `path` could not be read (NotAFile, TooLarge, LinkLoop or NameTooLong), as a message;
// nullopt for the problems of a missing or unreadable file, whose messages the callers have.
std::optional<Message> ReadProblemMessage(const std::string& path, ReadProblem problem,
                                          std::size_t limit = kMaxInputFileSize);
// The same as a line of a message; empty for a missing or unreadable file.
std::string ReadProblemText(const std::string& path, ReadProblem problem,
                            std::size_t limit = kMaxInputFileSize);

// `text` without the UTF-8 byte order mark that some editors put at the start of a file.
std::string_view WithoutByteOrderMark(std::string_view text);

}  // namespace vorna
