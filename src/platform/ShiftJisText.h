#pragma once
// The journal and the text reports are Shift-JIS (code page 932) files with line-feed line
// ends. Text is UTF-8 inside the program and is converted only when it is written.

#include <ostream>
#include <string>

namespace vorna {

// Converts UTF-8 text to code page 932. A character that code page 932 cannot hold, or a
// byte that is not valid UTF-8, becomes '?' so that the rest of the text is still written.
std::string Utf8ToShiftJis(const std::string& utf8);

// Writes UTF-8 text to a stream opened by the caller (binary mode, so "\n" stays a bare
// line feed), converted to code page 932.
class ShiftJisWriter {
public:
    explicit ShiftJisWriter(std::ostream& stream) : stream_(stream) {}
    void Write(const std::string& utf8) { stream_ << Utf8ToShiftJis(utf8); }

private:
    std::ostream& stream_;
};

}  // namespace vorna
