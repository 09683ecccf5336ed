#include "gbk_text.h"

#include <array>
#include <iconv.h>

namespace guheng::report {

namespace {

// One iconv conversion from a single code point, opened for the length of one encodeGbk call.
class CodePointConverter {
  public:
    explicit CodePointConverter(const char* encoding) : handle_(iconv_open(encoding, "UTF-32LE")) {}
    ~CodePointConverter() {
        if (handle_ != invalid())
            iconv_close(handle_);
    }
    CodePointConverter(const CodePointConverter&) = delete;
    CodePointConverter& operator=(const CodePointConverter&) = delete;

    // Appends the code point's bytes; false if the encoding has none.
    bool append(char32_t codePoint, std::string& out) {
        if (handle_ == invalid())
            return false;
        std::array<char, 4> in = {
            static_cast<char>(codePoint & 0xFF), static_cast<char>((codePoint >> 8) & 0xFF),
            static_cast<char>((codePoint >> 16) & 0xFF), static_cast<char>(codePoint >> 24)};
        std::array<char, 8> bytes{};
        char* inPointer = in.data();
        std::size_t inLeft = in.size();
        char* outPointer = bytes.data();
        std::size_t outLeft = bytes.size();
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(handle_, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1))
            return false;
        out.append(bytes.data(), outPointer);
        return true;
    }

  private:
    static iconv_t invalid() { return reinterpret_cast<iconv_t>(-1); }
    iconv_t handle_;
};

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

std::string encodeGbk(std::u16string_view text) {
    CodePointConverter gbk("CP936");
    CodePointConverter gb18030("GB18030");
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i];
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            codePoint = 0x10000 + ((text[i] - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (codePoint < 0x80) {
            out += static_cast<char>(codePoint);
            continue;
        }
        if (!gbk.append(codePoint, out) && !gb18030.append(codePoint, out))
            out += '?';
    }
    return out;
}

} // namespace guheng::report
