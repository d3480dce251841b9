#pragma once
// The encoding of the journal and the text reports: code page 932 unless UTF-8 is chosen for
// the process. Text is UTF-8 inside the program and is encoded only when it is written.

#include <string>

#include "text/Texts.h"

namespace vorna {

enum class FileTextEncoding { Cp932, Utf8 };

// The encoding of every journal line and report written afterwards; Cp932 until set.
void SetFileTextEncoding(FileTextEncoding encoding);
FileTextEncoding CurrentFileTextEncoding();
// The encoding of a language's files when none is chosen: UTF-8 for English, code page 932
// for Japanese.
FileTextEncoding DefaultFileTextEncoding(Language language);

// `utf8` as the journal and the reports are written. Either way, a byte that is not valid
// UTF-8 (and, in code page 932, a character it cannot hold) becomes '?' so that the rest of
// the text is still written.
std::string EncodedFileText(const std::string& utf8);

}  // namespace vorna
