#include "platform/ShiftJisText.h"

#include <iconv.h>

#include <cerrno>

namespace vorna {

namespace {

// One conversion descriptor for the whole conversion, closed on every way out.
class Converter {
public:
    Converter() : handle_(iconv_open("CP932", "UTF-8")) {}
    ~Converter() {
        if (Valid()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Handle() const { return handle_; }

private:
    iconv_t handle_;
};

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::string Utf8ToShiftJis(const std::string& utf8) {
    Converter converter;
    if (!converter.Valid()) return utf8;
    std::string out;
    out.reserve(utf8.size());
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(converter.Handle(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (result != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: replace the offending character and go on after it.
        out.push_back('?');
        do {
            ++in;
            --inLeft;
        } while (inLeft > 0 && IsContinuationByte(*in));
        iconv(converter.Handle(), nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

}  // namespace vorna
