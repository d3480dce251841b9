#pragma once
// The op-amp name files of the current directory: "OPname.txt" (one name) and
// "OPExchange.txt" (the name to replace, up to 20 names to put in its place, "end").
// Lines end at a line feed; a carriage return before it is dropped; the end of the file
// ends the last line. A UTF-8 byte order mark before the first line is no part of it.

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "text/Message.h"

namespace vorna {

inline constexpr const char* kOpAmpNameFile = "OPname.txt";
inline constexpr const char* kOpAmpExchangeFile = "OPExchange.txt";
inline constexpr std::size_t kMaxOpAmpNameLength = 20;
inline constexpr std::size_t kMaxExchangeNames = 20;
// The name files hold a few short lines; anything much larger is not one of them.
inline constexpr std::size_t kMaxNameFileSize = 64u << 10;

// The next line of `in` without its line end; nullopt at the end of the file.
std::optional<std::string> ReadNameLine(std::istream& in);

// An op-amp name goes into a symbol line, where a blank ends it, and, for the exchange, into
// a file name beside the schematic: it must be 1 to 20 printable ASCII characters without a
// blank or a path separator.
bool IsUsableOpAmpName(const std::string& name);
// The message that refuses an unusable name read from `file`; `consequence` is its last line.
Message UnusableOpAmpNameMessage(const char* file, const std::string& name, TextId consequence);

struct ExchangeList {
    std::string from;
    std::vector<std::string> to;
    bool truncated = false;  // more names followed the 20th: they were not read
};

// Reads "OPExchange.txt": the first line, then names up to "end", the end of the file or the
// 20th name.
ExchangeList ReadExchangeList(std::istream& in);

}  // namespace vorna
