#pragma once
// The journal and the text reports are Shift-JIS (code page 932) files with line-feed line
// ends. Text is UTF-8 inside the program and is converted only when it is written.

#include <string>

namespace vorna {

// Converts UTF-8 text to code page 932. A character that code page 932 cannot hold, or a
// byte that is not valid UTF-8, becomes '?' so that the rest of the text is still written.
std::string Utf8ToShiftJis(const std::string& utf8);

}  // namespace vorna
