#include "platform/FileTextEncoding.h"

#include <atomic>
#include <string_view>

#include "platform/MessageText.h"
#include "platform/ShiftJisText.h"

namespace vorna {

namespace {

std::atomic<FileTextEncoding> currentEncoding{FileTextEncoding::Cp932};

std::string ValidUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = Utf8CharacterLength(text);
        if (length == 0) {
            out.push_back('?');
            text.remove_prefix(1);
        } else {
            out.append(text.substr(0, length));
            text.remove_prefix(length);
        }
    }
    return out;
}

}  // namespace

void SetFileTextEncoding(FileTextEncoding encoding) {
    currentEncoding = encoding;
}

FileTextEncoding CurrentFileTextEncoding() {
    return currentEncoding;
}

FileTextEncoding DefaultFileTextEncoding(Language language) {
    return language == Language::English ? FileTextEncoding::Utf8 : FileTextEncoding::Cp932;
}

std::string EncodedFileText(const std::string& utf8) {
    switch (currentEncoding.load()) {
        case FileTextEncoding::Utf8:
            return ValidUtf8(utf8);
        case FileTextEncoding::Cp932:
            break;
    }
    return Utf8ToShiftJis(utf8);
}

}  // namespace vorna
